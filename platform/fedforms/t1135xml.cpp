// The T1135's own part of the statement's XML: the identification and
// certification values of its two templates, and the properties between
// them. Every text typed into the form is escaped once, here, because the
// template processor puts values in as given.

#include <cmath>

#include "cents.h"
#include "fields.h"
#include "formclasses.h"
#include "t1135categories.h"
#include "templateprocessor.h"
#include "utils.h"
#include "xmlstring.h"

namespace {

using Values = std::map<std::string, std::string>;

constexpr int kDetailedMethod = 1;
constexpr int kSelfEmployed = 1;
constexpr int kNotSelfEmployed = 2;

QString trimmed(const CString& text) { return text.toQString().trimmed(); }
std::string escaped(const QString& text) { return xmlEscaped(text).c_str(); }

// Puts `key` only when the text is not blank: its template line is optional.
void putOptional(Values& values, const char* key, const QString& text)
{
    if (!text.isEmpty()) values[key] = escaped(text);
}

void endLine(CString& out) { out += "\r\n"; }

void writeLine(CString& out, const char* tag, const QString& text)
{
    writeXMLString(out, tag, text);
    endLine(out);
}

void writeAmount(CString& out, const char* tag, double amount)
{
    writeLine(out, tag, QString::number(roundToDollars(amount)));
}

CString column(const char* prefix, const char* name)
{
    CString pattern;
    pattern.Format("%s.#.%s", prefix, name);
    return pattern;
}

// Writes `bytes` whole; -2 when the file takes less.
int writeBytes(FILE* out, const CString& bytes)
{
    const size_t size = size_t(bytes.bytes().size());
    if (!out) return -2;
    return size == 0 || std::fwrite(bytes.c_str(), 1, size, out) == size ? 0 : -2;
}

} // namespace

void TaxData_T1135New::putIdentificationValues(std::map<std::string, std::string>& values) const
{
    putOptional(values, "currency", trimmed(getString("functional_currency")));
    if (getBool("is_amended")) values["amended"] = "1";
    values["firstname"] = escaped(trimmed(getString("first_name")));
    values["lastname"] = escaped(trimmed(getString("last_name")));
    putOptional(values, "sin", sinDigits(getString("sin")).toQString());
    values["selfemp"] = std::to_string(getInt("self_employment_code") == kSelfEmployed ? kSelfEmployed
                                                                                         : kNotSelfEmployed);
    values["street"] = escaped(trimmed(getString("address")));
    values["city"] = escaped(trimmed(getString("city")));
    values["prov"] = escaped(trimmed(getString("province")));
    values["postcode"] = escaped(GetRawPostcode(getString("postal_code")).toQString());
    putOptional(values, "country", trimmed(getString("country")));
    values["startdate"] = GetDateStr(getDate("tax_year_start"), 2).c_str();
    values["enddate"] = GetDateStr(getDate("tax_year_end"), 2).c_str();
}

void TaxData_T1135New::putCertificationValues(std::map<std::string, std::string>& values) const
{
    putOptional(values, "certpos", trimmed(getString("certifier_position")));
    putOptional(values, "certphone", GetRawPhoneStr(getString("certifier_phone"), true).toQString());
    putOptional(values, "certdate", GetDateStr(getDate("certification_date"), 2).toQString());
    putOptional(values, "preparername", trimmed(getString("preparer_name")));
    putOptional(values, "prepareraddr", trimmed(getString("preparer_address")));
    putOptional(values, "preparerpostcode", GetRawPostcode(getString("preparer_postal_code")).toQString());
    // The preparer's address element stands only around an address or a postal code.
    if (values.count("prepareraddr") || values.count("preparerpostcode")) values["preparerblock"] = "";
    putOptional(values, "preparerphone", GetRawPhoneStr(getString("preparer_phone"), true).toQString());
}

void TaxData_T1135New::writePropertyData(CString& out) const
{
    if (getInt("method") == kDetailedMethod) {
        writeXMLStringOpen(out, "t1135:DetailedReportingMethod");
        endLine(out);
        for (const T1135Category& category : kT1135Categories) {
            const bool trust = std::string(category.prefix) == "trusts";
            for (int row = 1; row <= kPropertyRows; ++row) {
                auto text = [&](const char* name) {
                    return trimmed(getString(rowField(column(category.prefix, name).c_str(), row)));
                };
                auto amount = [&](const char* name) {
                    return getFloat(rowField(column(category.prefix, name).c_str(), row));
                };
                bool used = !text("description").isEmpty() || !text("country").isEmpty();
                for (const char* name : {"max_cost", "cost_year_end", "income", "capital_received", "gain"})
                    if (std::fabs(amount(name)) >= kAmountThatCounts) used = true;
                if (!used) continue;
                writeXMLStringOpen(out, category.element);
                endLine(out);
                writeLine(out, "t1135:PropertyDescription", text("description"));
                writeLine(out, "t1135:CountryCode", text("country"));
                writeAmount(out, "t1135:MaximumCostAmount", amount("max_cost"));
                writeAmount(out, "t1135:YearEndCostAmount", amount("cost_year_end"));
                writeAmount(out, "t1135:IncomeAmount", amount("income"));
                if (trust) writeAmount(out, "t1135:CapitalReceivedAmount", amount("capital_received"));
                writeAmount(out, "t1135:GainLossAmount", amount("gain"));
                writeXMLStringClose(out, category.element);
                endLine(out);
            }
        }
        writeXMLStringClose(out, "t1135:DetailedReportingMethod");
        endLine(out);
        return;
    }
    writeXMLStringOpen(out, "t1135:SimplifiedReportingMethod");
    endLine(out);
    for (const T1135Category& category : kT1135Categories)
        if (getBool(category.simplifiedField)) writeLine(out, category.simplifiedElement, QStringLiteral("1"));
    for (int row = 1; row <= kPropertyRows; ++row) {
        const QString country = trimmed(getString(rowField("simplified_countries.#.country", row)));
        if (!country.isEmpty()) writeLine(out, "t1135:CountryCode", country);
    }
    writeAmount(out, "t1135:IncomeAmount", getFloat("simplified_income"));
    writeAmount(out, "t1135:GainLossAmount", getFloat("simplified_gain"));
    writeXMLStringClose(out, "t1135:SimplifiedReportingMethod");
    endLine(out);
}

int TaxData_T1135New::getT1135XMLContent(FILE* out, std::map<std::string, std::string>& templates)
{
    const auto part2 = templates.find("t1135part2");
    const auto part3 = templates.find("t1135part3");
    if (part2 == templates.end() || part3 == templates.end()) return -1;
    const QByteArray part2Text = QByteArray::fromStdString(part2->second);
    const QByteArray part3Text = QByteArray::fromStdString(part3->second);
    putIdentificationValues(templates);
    putCertificationValues(templates);
    if (const int rc = writeTemplateText(out, part2Text, templates)) return rc;
    CString properties;
    writePropertyData(properties);
    if (const int rc = writeBytes(out, properties)) return rc;
    return writeTemplateText(out, part3Text, templates);
}

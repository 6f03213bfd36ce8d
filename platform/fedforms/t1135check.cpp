// The T1135's own check: what the agency's T1135 service refuses a
// statement without.

#include <cmath>

#include "fields.h"
#include "formclasses.h"
#include "t1135categories.h"
#include "utils.h"

namespace {

const char* const kAmountColumns[] = {"max_cost", "cost_year_end", "income", "capital_received", "gain"};

bool blank(CString text)
{
    text.Trim();
    return text.IsEmpty();
}

CString column(const char* prefix, const char* name)
{
    CString pattern;
    pattern.Format("%s.#.%s", prefix, name);
    return pattern;
}

} // namespace

int TaxData_T1135New::Validate(unsigned char, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (getInt("reporter_kind") == 0) {
        if (blank(getString("first_name")) || blank(getString("last_name")))
            messages.push_back("Please enter the reporting individual's first and last name in form T1135.");
        const CString sin = sinDigits(getString("sin"));
        if (sin.IsEmpty() || !CheckSIN(sin.c_str()))
            messages.push_back("Please enter a valid social insurance number in form T1135.");
    }
    const QDate start = getDate("tax_year_start"), end = getDate("tax_year_end");
    if (!start.isValid() || !end.isValid() || end < start)
        messages.push_back("Please enter the tax year's start and end dates (the start before the end) in form T1135.");

    if (getInt("method") == 1) {
        for (const T1135Category& category : kT1135Categories) {
            for (int row = 1; row <= kPropertyRows; ++row) {
                bool hasAmount = false;
                for (const char* amount : kAmountColumns)
                    hasAmount = hasAmount
                        || std::fabs(getFloat(rowField(column(category.prefix, amount).c_str(), row)))
                               >= CFloatField::kTolerance;
                if (!hasAmount) continue;
                CString text;
                if (blank(getString(rowField(column(category.prefix, "description").c_str(), row)))) {
                    text.Format("Please enter the description of row %d of %s in form T1135.", row, category.title);
                    messages.push_back(text);
                }
                if (blank(getString(rowField(column(category.prefix, "country").c_str(), row)))) {
                    text.Format("Please enter the country code of row %d of %s in form T1135.", row, category.title);
                    messages.push_back(text);
                }
            }
        }
    } else {
        bool anyKind = false;
        for (const T1135Category& category : kT1135Categories)
            anyKind = anyKind || getBool(category.simplifiedField);
        if (!anyKind)
            messages.push_back("Please tick at least one type of property under the simplified reporting method in "
                               "form T1135.");
        bool anyCountry = false;
        for (int row = 1; row <= kPropertyRows && !anyCountry; ++row)
            anyCountry = !blank(getString(rowField("simplified_countries.#.country", row).c_str()));
        if (!anyCountry)
            messages.push_back("Please enter at least one country code under the simplified reporting method in "
                               "form T1135.");
    }
    return messages.size() != before ? 1 : 0;
}

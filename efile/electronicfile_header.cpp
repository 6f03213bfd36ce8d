// The header of the electronic return, with its spouse and EFILE mailing
// address fragments. Every text a person typed is cut to the agency's
// length and then escaped, once, by the XML string helpers.

#include <cmath>

#include <QStringList>

#include "deploymentdata.h"
#include "efileresources.h"
#include "filingsettings.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "telephone.h"
#include "templateprocessor.h"
#include "utils.h"
#include "xmlstring.h"

namespace {

bool isEfile(unsigned char mode) { return mode & 0x1; }

std::string text(const CString& value) { return value.c_str(); }
std::string escaped(const QString& raw, int maxChars = -1) { return xmlEscapedCut(raw, maxChars).c_str(); }
QString field(const TaxData_T1New* t1, const char* name) { return t1->getString(name).toQString(); }
QString trimmed(const TaxData_T1New* t1, const char* name) { return field(t1, name).trimmed(); }

// An answer (0 yes, 1 no) as the agency's indicator "1" yes, "2" no; nothing
// for an unanswered question.
bool putIndicator(TemplateValues& values, const char* key, int answer)
{
    if (answer != 0 && answer != 1) return false;
    values[key] = answer == 0 ? "1" : "2";
    return true;
}

std::string provinceCode(int province)
{
    if (province < 0 || province > MAX_PROVINCE) return std::string();
    return Global_Provs_Info[province].code;
}

// The land and First Nation keys, by the person's main province.
void putLandKeys(TemplateValues& values, const TaxData_T1New* t1, int mainProvince)
{
    const int land = t1->getInt("land_residence");
    switch (mainProvince) {
    case PROV_BC:
        if (putIndicator(values, "AborLandResidence", land) && land == 0)
            putIndicator(values, "firstnationIDInd", t1->getInt("first_nation"));
        break;
    case PROV_NL:
        putIndicator(values, "AborLandResidence", land);
        break;
    case PROV_NT:
        putIndicator(values, "tlicho", t1->getInt("tlicho"));
        if (putIndicator(values, "deline", t1->getInt("deline")) && t1->getInt("deline") == 0)
            values["firstnationIDInd"] = std::to_string(int(myStringToDouble(t1->getString("first_nation_code"))) + 1);
        break;
    case PROV_YT:
        if (putIndicator(values, "AborLandResidence", land) && land == 0) {
            values["ytfirstnation"] = escaped(field(t1, "yukon_settlement_number"));
            putIndicator(values, "firstnationIDInd", t1->getInt("first_nation"));
        }
        break;
    default:
        break;
    }
}

// The street lines of the mailing address, one a line. The T1's full address
// also holds the care-of line, the city and the province, which the return
// sends in elements of their own.
QString streetText(const TaxData_T1New* t1)
{
    QStringList parts;
    for (const char* name : {"mailing_address", "mailing_po_box", "mailing_rr"})
        if (!trimmed(t1, name).isEmpty()) parts << trimmed(t1, name);
    return parts.join(QLatin1Char('\n'));
}

} // namespace

int IndividualTaxData::privateGenerateXmlFilePartSpouseData(CString& out, unsigned char, int&)
{
    const TaxData_T1New* t1Form = t1();
    if (!t1Form) return -1;
    writeXMLString(out, "tp:SpouseSocialInsuranceNumber", sinDigits(t1Form->getString("spouse_sin")).toQString());
    writeXMLString(out, "tp:SpouseGivenName", field(t1Form, "spouse_first_name"), 4);
    const double net = t1Form->getFloat("spouse_net_income");
    const long long netWhole = static_cast<long long>(net >= 0 ? net + 0.5 : net - 0.5);
    if (netWhole > 0) writeXMLString(out, "tp:SpouseNetIncomeAmount", QString::number(netWhole));
    const long long uccb = static_cast<long long>(t1Form->getFloat("spouse_uccb"));
    if (uccb != 0) writeXMLString(out, "tp:SpouseUniversalChildCareBenefitAmount", QString::number(uccb));
    const long long repaid = static_cast<long long>(t1Form->getFloat("spouse_uccb_repayment"));
    if (repaid != 0) writeXMLString(out, "tp:SpouseUniversalChildCareRepaymentAmount", QString::number(repaid));
    return 0;
}

int IndividualTaxData::privateGenerateXmlFilePartAddrDataEFile(CString& out, unsigned char, int&)
{
    const TaxData_T1New* t1Form = t1();
    if (!t1Form) return -1;
    CString address;
    if (!trimmed(t1Form, "mailing_care_of").isEmpty())
        writeXMLString(address, "comm:AddressCareOfLineText", field(t1Form, "mailing_care_of"), 26);
    const QString street = streetText(t1Form);
    const bool canadian = t1Form->getInt("non_canadian_mailing") != 0;
    if (canadian) {
        writeXMLStringOpen(address, "comm:CanadianMailingAddress");
        writeXMLString(address, "comm:AddressStreetText", street, 60);
        writeXMLString(address, "comm:AddressMunicipalityName", field(t1Form, "mailing_city"), 50);
        writeXMLString(address, "comm:AddressProvinceCode", field(t1Form, "mailing_province"));
        writeXMLString(address, "comm:AddressPostalCode", GetRawPostcode(t1Form->getString("mailing_postal_code")));
        writeXMLStringClose(address, "comm:CanadianMailingAddress");
    } else {
        const QString country = trimmed(t1Form, "mailing_country");
        writeXMLStringOpen(address, "comm:NonCanadianMailingAddress");
        writeXMLString(address, "comm:AddressStreetText", street, 60);
        writeXMLString(address, "comm:GlobalAddressMunicipalityName", field(t1Form, "mailing_city"), 50);
        if (country.compare(QLatin1String("USA"), Qt::CaseInsensitive) == 0) {
            writeXMLString(address, "comm:StateCode", trimmed(t1Form, "mailing_province"));
            writeXMLStringOpen(address, "comm:USZipCode");
            writeXMLString(address, "comm:ZipCode", trimmed(t1Form, "mailing_postal_code"));
            writeXMLStringClose(address, "comm:USZipCode");
        }
        writeXMLString(address, "comm:CountryCode", country);
        writeXMLStringClose(address, "comm:NonCanadianMailingAddress");
    }
    const int same = t1Form->getInt("home_same_as_mailing");
    if (same == 0 || same == 1)
        writeXMLString(address, "tp:HomeAddressSameAsMailingAddressIndicator", same == 1 ? "2" : "1");

    if (!canadian)
        writeXMLString(out, "tp:CanadianResidentForeignAddressIndicator",
                       t1Form->getInt("foreign_address") == 1 ? "2" : "1");
    writeXMLStringOpen(out, "tp:TaxpayerMailingAddress");
    out += address;
    writeXMLStringClose(out, "tp:TaxpayerMailingAddress");
    return 0;
}

int IndividualTaxData::privateGenerateXmlFilePart1(FILE* out, unsigned char mode, int& lines)
{
    const TaxData_T1New* t1Form = t1();
    if (!t1Form) return -1;
    const FilingSettings& settings = filingSettings();
    const bool efile = isEfile(mode);
    const bool refile = t1Form->getBool("refile");
    TemplateValues values;
    values["nshost"] = text(CDeploymentData::agencyNamespaceHost());

    // The auto-fill marks the T1 it filled; a request date also tells of one.
    const QDate autoFill = t1Form->getDate("autofill_request_date");
    values["AFRFlag"] = t1Form->isAutoFilled() || autoFill.isValid() ? "1" : "0";
    if (autoFill.isValid()) values["AFRDate"] = text(GetDateStr(autoFill, 2));
    values["swrevdate"] = escaped(efile ? settings.EfileSoftwareDate : settings.NetfileSoftwareDate);
    values["swcode"] = escaped(efile ? settings.EfileSoftwareCode : settings.NetfileSoftwareCode)
                       + (efile ? (refile ? "R" : "F") : (refile ? "S" : "G"));
    if (refile) values["amended"] = "1";
    if (t1Form->getBool("multi_year_filing")) values["multiyear"] = "1";
    values["multijuris"] = "1";
    values["sin"] = escaped(sinDigits(t1Form->getString("sin")).toQString());
    values["taxyear"] = "2021";
    values["bdate"] = text(GetDateStr(t1Form->getDate("birth_date"), 2));
    values["marital"] = std::to_string(t1Form->getInt("marital_status") + 1);
    values["spouseselfemp"] = t1Form->HasSpouse() && t1Form->getBool("spouse_self_employed") ? "1" : "0";
    values["taxprov"] = provinceCode(t1Form->getInt("province"));
    if (t1Form->getInt("current_province") > 0) values["resprov"] = provinceCode(t1Form->getInt("current_province"));
    putLandKeys(values, t1Form, getMainProvince());

    if (efile) {
        values["firstname"] = escaped(trimmed(t1Form, "first_name").isEmpty() ? QString() : field(t1Form, "first_name"));
        values["lastname"] = escaped(field(t1Form, "last_name"));
        if (t1Form->getInt("name_changed") == 1) values["namechanged"] = "2";
        CString address;
        privateGenerateXmlFilePartAddrDataEFile(address, mode, lines);
        values["mailing_address"] = text(address);
    } else {
        if (!trimmed(t1Form, "mailing_care_of").isEmpty())
            values["careof"] = escaped(field(t1Form, "mailing_care_of"), 26);
        values["street"] = escaped(streetText(t1Form), 60);
        values["city"] = escaped(field(t1Form, "mailing_city"), 50);
        if (t1Form->getInt("non_canadian_mailing") != 0) values["prov"] = escaped(trimmed(t1Form, "mailing_province"));
        values["postcode"] = escaped(GetRawPostcode(t1Form->getString("mailing_postal_code")).toQString());
        const int same = t1Form->getInt("home_same_as_mailing");
        if (same == 0 || same == 1) values["homeaddrsamemailaddr"] = same == 1 ? "2" : "1";
    }

    const QDate moved = t1Form->getDate("date_of_move");
    if (moved.isValid() && (moved.year() == 2021 || moved.year() == 2022))
        values["dateofmove"] = text(GetDateStr(moved, 2));
    if (t1Form->IsImmigrant()) values["EntryDate"] = text(GetDateStr(t1Form->getDate("date_of_entry"), 2));
    // Only digits go: a field of punctuation alone sends no telephone.
    const QString phone = telephoneDigits(t1Form->getString("home_phone")).toQString();
    if (!phone.isEmpty()) {
        values["areacode"] = text(phone.left(3));
        values["phone"] = text(phone.mid(3, 7));
    }
    if (!trimmed(t1Form, "email").isEmpty()) values["email"] = escaped(trimmed(t1Form, "email"));
    values["language"] = std::to_string(t1Form->getInt("language") + 1);
    if (HasForm(FormType::T1032) || t1Form->CanClaimSpouse()) {
        CString spouse;
        privateGenerateXmlFilePartSpouseData(spouse, mode, lines);
        values["tpTaxpayerSpouseData"] = text(spouse);
    }
    const int citizen = t1Form->getInt("elections_canada_citizen");
    values["citizen"] = citizen > 1 ? "0" : std::to_string(citizen + 1);
    if (citizen == 0) {
        const int consent = t1Form->getInt("elections_canada_consent");
        if (consent == 0 || consent == 1) values["elecanauth"] = consent == 0 ? "01" : "02";
    }
    values["isIndian"] = HasForm(FormType::T90) ? "1" : "0";

    ensureEfileTemplates();
    CString header;
    if (const int rc = processTemplatePartInString(header, efile ? ":/net/net/epart1.xmt" : ":/net/net/npart1.xmt",
                                                   values, 0))
        return rc;
    lines += header.bytes().count('\n');
    if (out) std::fwrite(header.c_str(), 1, size_t(header.bytes().size()), out);
    return 0;
}

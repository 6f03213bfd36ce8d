// The values of the filing requests that describe the filer rather than the
// return: identity and names for NETFILE, the preparer's credentials and the
// T183 and RC71 answers for EFILE. Each text goes into the map escaped: the
// envelope templates put values in as given, and an "&" in a name or a
// password must not break the request.

#include <QString>

#include "familytaxdata.h"
#include "filingsettings.h"
#include "formclasses.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "utils.h"
#include "xmlstring.h"

namespace {

using Values = std::map<std::string, std::string>;

constexpr int kYes = 0;   // an answer field's yes
constexpr int kContactChoiceOffset = 2;   // the agency counts the contact choices from 2

std::string escaped(const CString& text) { return xmlEscaped(text.toQString()).c_str(); }
std::string nameOrX(const CString& text) { return text.IsEmpty() ? std::string("X") : escaped(text); }

bool filedBefore(const TaxData_T1New* t1) { return t1 && t1->getInt("filed_before") == kYes; }

// The test case the caller left under "testid": a number above 0, else none.
int requestedTestCase(const Values& values)
{
    const auto entry = values.find("testid");
    if (entry == values.end()) return 0;
    bool ok = false;
    const int number = QString::fromStdString(entry->second).trimmed().toInt(&ok);
    return ok && number > 0 ? number : 0;
}

void putT183Values(Values& values, const TaxData_T183New& t183, ENUMTYPE_FORM form)
{
    if (t183.getBool("is_representative_authorized")) {
        values["preparerRepresent"] = "1";
        const QDate expiry = t183.getDate("authorization_expiry_date");
        if (expiry.isValid()) values["preparerRepresentExpDate"] = GetDateStr(expiry, 2).c_str();
    }
    values["ENOAFlag"] = t183.getBool("online_notice_of_assessment") ? "1" : "0";
    values["precntctcode"] = std::to_string(t183.getInt("pre_assessment") + kContactChoiceOffset);
    values["postcntctcode"] = std::to_string(t183.getInt("post_assessment") + kContactChoiceOffset);
    // The signature block belongs to the T1 return only.
    if (form != FormType::T1) return;
    values["esigned_needed"] = " ";
    if (t183.getBool("is_esigned")) {
        values["esigned"] = "1";
        values["esigndate"] = GetDateStr(t183.getDate("date"), 2).c_str();
        values["esigntime"] = escaped(t183.getString("signed_time"));
    }
}

} // namespace

void IndividualTaxData::getNetfileDataInfo(std::map<std::string, std::string>& values, int agreement, CString& email,
                                           double& amount, int testCase)
{
    CString sin, given, second, family;
    QDate birthDate;
    GetPersonalBasicInfo(sin, given, second, family, email, birthDate, amount);
    const TaxData_T1New* form = t1();
    values["sin"] = escaped(sinDigits(sin));
    values["bod"] = GetDateStr(birthDate, 2).c_str();
    values["agreement"] = std::to_string(agreement);
    if (filedBefore(form)) {
        values["firsttime"] = "0";
        CString code = form->getString("netfile_access_code");
        code.Trim();
        if (!code.IsEmpty()) values["accesscode"] = escaped(code);
    } else {
        values["firsttime"] = "1";
        values["givenname"] = nameOrX(given);
        values["secondname"] = nameOrX(second);
        values["familyname"] = escaped(family);
    }
    if (testCase > 0) values["testcaseID"] = std::to_string(testCase);
}

void IndividualTaxData::getEfileDataInfo(std::map<std::string, std::string>& values, ENUMTYPE_FORM form)
{
    const FilingSettings& settings = filingSettings();
    values["efilerID"] = escaped(settings.EfilerId);
    values["efpasd"] = escaped(settings.EfilerPassword);
    // The validation refuses an EFILE return without a T183 before any
    // request is built; should one come here anyway, it goes without a dcn.
    const auto* t183 = dynamic_cast<const TaxData_T183New*>(GetFormData(FormType::T183, false));
    if (t183) values["dcn"] = escaped(t183->getDCN());
    if (settings.TestMode) {
        if (const int testCase = requestedTestCase(values)) values["testcaseID"] = std::to_string(testCase);
    }
    values["firsttime"] = filedBefore(t1()) ? "0" : "1";
    if (const CTaxData_Form* rc71 = GetFormData(FormType::RC71, false)) {
        values["rc71_exist"] = "";
        values["rc71sign"] = "0";
        values["discounterRegNum"] = escaped(rc71->getString("discounter_code"));
    }
    if (t183) putT183Values(values, *t183, form);
}

void CFamilyTaxData::getNetfileDataInfo(std::map<std::string, std::string>& values, int agreement, CString& email,
                                        double& amount, int testCase)
{
    if (IndividualTaxData* person = getCurIndvTaxData())
        person->getNetfileDataInfo(values, agreement, email, amount, testCase);
}

void CFamilyTaxData::getEfileDataInfo(std::map<std::string, std::string>& values, ENUMTYPE_FORM form)
{
    if (IndividualTaxData* person = getCurIndvTaxData()) person->getEfileDataInfo(values, form);
}

// New returns, the forms every return must hold, the starting values of new
// forms, and the repairs after a return is read.

#include <QDateTime>

#include "amounts.h"
#include "dependantinfo.h"
#include "edition.h"
#include "federalforms.h"
#include "formclasses.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "preparersettings.h"
#include "schedules.h"
#include "statements.h"
#include "summaryforms.h"
#include "t1.h"
#include "taxdataform.h"

CTaxData_Form* IndividualTaxData::makeFormExist(ENUMTYPE_FORM type)
{
    const int count = GetCountOfForm(type);
    if (count == 1) return GetFormData(type, false);
    if (count > 1) return nullptr;
    STRUCT_FORMDATA_ITEM_2004* item = NewFormDataItem(type, GetNextUniqueID(), true, 0, true);
    return item ? item->object : nullptr;
}

void IndividualTaxData::completeInterviewData()
{
    for (int kind = 1; kind <= MAX_TAXWIZARD_KIND; ++kind)
        if (Global_TaxWizard_Info[kind].alwaysPresent && !GetWizData(kind, false)) NewWizData(kind);
}

void IndividualTaxData::NewData(ENUMTYPE_PROVINCE province, const CString& firstName, const CString& lastName,
                                const CString& sin, const QDate& birthDate, int maritalStatus,
                                const CString& spouseFirstName, const CString& spouseLastName, const CString& spouseSin,
                                const QDate& spouseBirthDate, bool)
{
    m_fileVersion = kFileVersion;
    m_coupled = false;
    setMainProvince(province);

    if (province == PROV_T1159) {
        if (CTaxData_Form* t1159 = makeFormExist(FormType::T1159)) {
            t1159->setDate("birth_date", birthDate);
            t1159->setString("first_name", firstName);
            t1159->setString("last_name", lastName);
            t1159->setString("sin", sin);
        }
        return;
    }

    // The edition decides whether a T183 belongs in the return: a new
    // preparer's return must hold one from the start.
    MakeSureSomeFormsExist(currentEdition(), province);
    if (TaxData_T1New* form = t1()) {
        form->setString("first_name", firstName);
        form->setString("last_name", lastName);
        form->setString("sin", sin);
        form->setDate("birth_date", birthDate);
        form->setInt("province", province);
        if (const ProvInfo* info = provInfo(province)) form->setString("province_text", info->displayText);
        form->setInt("marital_status", maritalStatus);
        if (maritalStatus == MARITAL_MARRIED || maritalStatus == MARITAL_COMMON_LAW) {
            form->setString("spouse_first_name", spouseFirstName);
            form->setString("spouse_last_name", spouseLastName);
            form->setString("spouse_sin", spouseSin);
            form->setDate("spouse_birth_date", spouseBirthDate);
        }
    }
    completeInterviewData();
    SetTaxReturnDefaultValues();
    m_provMgr.SetTaxReturnDefaultValues(
        t1(), GetCountOfForm(FormType::Schedule5) == 1
                  ? dynamic_cast<TaxData_Sch5*>(GetFormData(FormType::Schedule5, false))
                  : nullptr);
}

void IndividualTaxData::SetTaxReturnDefaultValues()
{
    TaxData_T1New* form = t1();
    if (!form) return;
    if (form->CanClaimSpouse()) {
        if (CTaxData_Form* sch5 = makeFormExist(FormType::Schedule5)) sch5->setBool("spouse_claim_on", true);
    } else {
        form->setBool("spouse_claim_off", true);
    }
}

void IndividualTaxData::MakeSureSomeFormsExist(unsigned char edition, ENUMTYPE_PROVINCE province)
{
    CTaxData_Form* summary = makeFormExist(FormType::Summary);
    makeFormExist(FormType::T1);
    TaxData_T1New* form = t1();
    if (form && form->getBool("refile") && GetCountOfForm(FormType::SummaryReFile) == 0) {
        auto* copy = dynamic_cast<TaxData_T1KSNew*>(makeFormExist(FormType::SummaryReFile));
        auto* from = dynamic_cast<TaxData_T1KSNew*>(summary);
        if (copy && from) *copy = *from;
    }
    if (edition == 1) makeFormExist(FormType::T183);
    if (IsFormNeeded(156)) makeFormExist(FormType::T2203);
    for (int i = 0; i < Federal_Forms_Num; ++i)
        if (IsFormNeeded(Federal_Forms_Info[i].formType)) makeFormExist(Federal_Forms_Info[i].formType);
    if (province >= 0 && province < 14) {
        const ProvinceFormsRecord& record = Province_Forms_Info[province];
        for (int i = 0; i < record.count; ++i)
            if (IsFormNeeded(record.entries[i].formType)) makeFormExist(record.entries[i].formType);
    }
}

bool IndividualTaxData::IsFormNeeded(ENUMTYPE_FORM type)
{
    if (IsFormMandatory(2, m_mainProvince, type)) return true;
    if (m_mainProvince == PROV_T1159) {
        if (type == FormType::T1159) return true;
    } else if (type == FormType::T2203 && m_mainProvince < 14) {
        return true;
    }
    if (type == FormType::SummaryReFile) {
        TaxData_T1New* form = t1();
        if (form && form->getBool("refile")) return true;
    }
    if (type == FormType::T2209T2036 && GetCountOfForm(FormType::T2209T2036) > 1) return false;
    return slipsRequireForm(type);
}

void IndividualTaxData::DoSthAfterReading(unsigned char edition)
{
    if (GetCountOfForm(FormType::T1) != 1) return;
    MakeSureSomeFormsExist(edition, m_mainProvince);
    TaxData_T1New* form = t1();
    if (form && form->getBool("sch14_marker") && form->isEligibleForSch14()) {
        if (CTaxData_Form* sch14 = makeFormExist(FormType::Schedule14)) sch14->setBool("rural_supplement", false);
        form->setBool("sch14_marker", false);
    }
    if (form) keepTypedLinesOfEarlierFiles(*form);
    completeInterviewData();
}

// Returns saved before lines 25300 and 12900's HBP part were worked out held
// them as typed: the typed amounts become the entries they are now worked
// out from, so such a return calculates as it did.
void IndividualTaxData::keepTypedLinesOfEarlierFiles(TaxData_T1New& form)
{
    if (!present(form.getFloat("25300_claimed")) && present(form.getFloat("25300")))
        form.setFloat("25300_claimed", form.getFloat("25300"));
    if (!present(form.getFloat("min_hbp_repayment")) && present(form.getFloat("12900_hbp"))) {
        const CTaxData_Form* sch7 = GetFormData(FormType::Schedule7, false);
        form.setFloat("min_hbp_repayment",
                      roundToCents(form.getFloat("12900_hbp") + (sch7 ? qMax(0.0, sch7->getFloat("24600")) : 0.0)));
    }
}

void IndividualTaxData::InitNewFormData(CTaxData_Form* object)
{
    if (!object || GetCountOfForm(FormType::T1) != 1) return;
    const TaxData_T1New* form = t1();
    const PreparerSettings& preparer = preparerSettings();
    CString first, last, sin;
    if (m_mainProvince == PROV_T1159) {
        if (const TaxData_T1159* nonResident = t1159()) {
            first = nonResident->getString("first_name");
            last = nonResident->getString("last_name");
        }
    } else if (form) {
        first = form->getString("first_name");
        last = form->getString("last_name");
        sin = form->getString("sin");
    }

    switch (object->getType()) {
    case 1:
        CopyTaxPreparerInfo();
        object->setInt("status_value", 0);
        break;
    case 6:
        if (form && form->CanClaimSpouse()) object->setBool("spouse_claim_on", true);
        break;
    case 7: case 11: case 18:
        ReadDataFromWizards(2);
        break;
    case 12: case 21: case 51: case 125: case 131:
        object->setString("owner_name", first + " " + last);
        object->setString("owner_sin", sin);
        break;
    case 15:
        object->setString("first_name", first);
        object->setString("last_name", last);
        object->setString("sin", sin);
        break;
    case 53:
        object->setString("discounter_name", preparer.BusinessName);
        object->setString("discounter_code", preparer.DiscounterCode);
        object->setString("discounter_address", preparer.BusinessAddr + ", " + preparer.BusinessCity + ", "
                                                    + preparer.BusinessProv + ", " + preparer.BusinessPostcode);
        object->setString("discounter_phone", preparer.BusinessPhone);
        break;
    case 92:
        object->setString("sin", sin);
        break;
    case 96:
        object->setString("preparer_name", preparer.BusinessName);
        object->setString("efile_number", preparer.BusinessEFileNum);
        object->setInt("pre_assessment", preparer.PreAssessment);
        object->setInt("post_assessment", preparer.PostAssessment);
        object->setDate("date", QDate());
        break;
    case 97:
        object->setString("preparer_name", preparer.BusinessName);
        object->setString("discounter_code", preparer.DiscounterCode);
        object->setString("preparer_address", preparer.BusinessAddr);
        object->setString("efile_number", preparer.BusinessEFileNum);
        object->setString("preparer_city", preparer.BusinessCity);
        object->setString("preparer_province", preparer.BusinessProv);
        object->setString("preparer_postal_code", preparer.BusinessPostcode);
        break;
    case 101: {
        CString firstName, middle;
        GetFirstName(firstName, middle);
        object->setString("first_name", firstName);
        object->setString("last_name", last);
        object->setString("sin", sin);
        object->setString("country", "CAN");
        object->setDate("tax_year_start", QDate(2021, 1, 1));
        break;
    }
    case 116:
        if (GetCountOfForm(FormType::T1ADJ) <= 1) object->setDate("date", QDate::currentDate());
        break;
    case 117:
        object->setDate("date", QDate::currentDate());
        object->setString("taxpayer_name", first + " " + last);
        break;
    case 119:
        object->setBool("no_spouse", !(form && form->CanClaimSpouse()));
        break;
    default:
        break;
    }
}

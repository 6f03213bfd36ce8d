// A person's identity, income facts, change of province and filing status.

#include <algorithm>

#include <QDateTime>

#include "federalforms.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "statements.h"
#include "summaryforms.h"
#include "t1.h"
#include "taxdataform.h"
#include "utils.h"

namespace {

// A provincial companion of Schedule 11 and of Schedule 2, by main province.
int tuitionCompanion(int province)
{
    static const int kTypes[14] = {0, 48, 44, 91, 95, 65, 73, 69, 77, 27, 80, 0, 83, 111};
    return (province >= 0 && province < 14) ? kTypes[province] : 0;
}

int spouseTransferCompanion(int province)
{
    static const int kTypes[14] = {0, 47, 43, 90, 94, 64, 72, 68, 76, 26, 79, 0, 82, 110};
    return (province >= 0 && province < 14) ? kTypes[province] : 0;
}

CString nowText()
{
    return getCurTimeStr();
}

} // namespace

CString IndividualTaxData::GetFirstName() const
{
    CString value;
    getFedStringClaimed(11, value);
    return value;
}

CString IndividualTaxData::GetLastName() const
{
    CString value;
    getFedStringClaimed(12, value);
    return value;
}

void IndividualTaxData::GetFirstName(CString& first, CString& middle) const
{
    CString text = GetFirstName();
    text.Trim();
    const int blank = text.ReverseFind(' ');
    if (blank < 0) {
        first = text;
        middle.Empty();
        return;
    }
    first = text.Left(blank);
    first.TrimRight();
    middle = text.Mid(blank + 1);
}

CString IndividualTaxData::GetSIN() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getString("sin") : CString();
}

QDate IndividualTaxData::GetDOB() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getDate("birth_date") : QDate();
}

CString IndividualTaxData::GetSpouseSIN() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getString("spouse_sin") : CString();
}

CString IndividualTaxData::GetSpouseFirstName() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getString("spouse_first_name") : CString();
}

CString IndividualTaxData::GetSpouseLastName() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getString("spouse_last_name") : CString();
}

QDate IndividualTaxData::GetSpouseDOB() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getDate("spouse_birth_date") : QDate();
}

void IndividualTaxData::GetPersonalBasicInfo(CString& sin, CString& first, CString& middle, CString& last,
                                             CString& other, QDate& birthDate, double& result) const
{
    sin.Empty();
    first.Empty();
    middle.Empty();
    last.Empty();
    other.Empty();
    birthDate = QDate();
    result = 0;
    const TaxData_T1New* form = t1();
    if (!form) return;
    sin = form->getString("sin");
    const CString text = form->getString("first_name");
    const int blank = text.ReverseFind(' ');
    // A blank in first position or at the end leaves the text whole.
    if (blank <= 0 || blank == text.GetLength() - 1) {
        first = text;
    } else {
        first = text.Left(blank);
        middle = text.Mid(blank + 1);
    }
    last = form->getString("last_name");
    other = form->getString("email");   // printing and filing read the e-mail address here
    birthDate = form->getDate("birth_date");
    getFedAmountClaimed(483, result);
}

int IndividualTaxData::GetMaritalStatus() const
{
    const TaxData_T1New* form = t1();
    return form ? form->getInt("marital_status") : MARITAL_NONE;
}

void IndividualTaxData::SetMaritalStatus(int status)
{
    if (TaxData_T1New* form = t1()) form->setInt("marital_status", status);
}

bool IndividualTaxData::canBeCoupledReturn() const
{
    const TaxData_T1New* form = t1();
    return form && (form->HasSpouse() || form->IsWidowedInTaxYear());
}

// ---------------------------------------------------------------- income facts

namespace {
template <typename F>
bool anyT5013(const std::list<STRUCT_FORMDATA_ITEM_2004*>& forms, F has)
{
    for (const STRUCT_FORMDATA_ITEM_2004* item : forms)
        if (item->formType == FormType::T5013)
            if (auto* t5013 = dynamic_cast<const CTaxData_T5013*>(item->object))
                if (has(*t5013)) return true;
    return false;
}

bool statementOfKind(const std::list<STRUCT_FORMDATA_ITEM_2004*>& forms, bool professional)
{
    for (const STRUCT_FORMDATA_ITEM_2004* item : forms)
        if (item->formType == FormType::T2125 && item->object->getBool("is_professional") == professional) return true;
    return false;
}
}

bool IndividualTaxData::HaveRentalIncome() const
{
    return HasForm(FormType::T776)
        || anyT5013(m_forms, [](const CTaxData_T5013& f) { return f.HaveRentalIncome() >= 1; });
}

bool IndividualTaxData::HaveBusinessIncome() const
{
    return anyT5013(m_forms, [](const CTaxData_T5013& f) { return f.HaveBusinessIncome() > 0; })
        || statementOfKind(m_forms, false);
}

bool IndividualTaxData::HaveProfessionalIncome() const
{
    return anyT5013(m_forms, [](const CTaxData_T5013& f) { return f.HaveProfessionalIncome() > 0; })
        || statementOfKind(m_forms, true);
}

bool IndividualTaxData::HaveCommissionIncome() const
{
    return HasForm(FormType::T2125Commission)
        || anyT5013(m_forms, [](const CTaxData_T5013& f) { return f.HaveCommissionIncome() > 0; });
}

bool IndividualTaxData::HaveFishIncome() const
{
    return HasForm(FormType::T2121)
        || anyT5013(m_forms, [](const CTaxData_T5013& f) { return f.HaveFishIncome() >= 1; });
}

bool IndividualTaxData::HaveFarmIncome() const
{
    return HasForm(FormType::T1163) || HasForm(FormType::T2042) || HasForm(FormType::T1273)
        || anyT5013(m_forms, [](const CTaxData_T5013& f) { return f.HaveFarmIncome() > 0; });
}

bool IndividualTaxData::HaveSelfBusiness() const
{
    int count = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        switch (item->formType) {
        case 15: case 19: case 21: case 22: case 33: case 51: case 109: case 125: case 131:
            ++count;
            break;
        case 38:
            if (auto* t5013 = dynamic_cast<const CTaxData_T5013*>(item->object)) count += t5013->GetCountOfSFDForms();
            break;
        default:
            break;
        }
    }
    return count > 0;
}

int IndividualTaxData::GetCountOfSFDForms() const
{
    int count = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType == FormType::T1273) {
            count += 2;
        } else if (item->formType == FormType::T5013) {
            if (auto* t5013 = dynamic_cast<const CTaxData_T5013*>(item->object)) count += t5013->GetCountOfSFDForms();
        } else if (IsSFDForm(item->formType)) {
            ++count;
        }
    }
    return count;
}

bool IndividualTaxData::_isProvInvolvedinMJ(ENUMTYPE_PROVINCE province)
{
    if (GetCountOfForm(FormType::T2203) != 1) return false;
    if (province == m_mainProvince) return true;
    auto* t2203 = dynamic_cast<TaxData_T2203*>(GetFormData(FormType::T2203, false));
    return t2203 && t2203->isProvActiveByBusiInc(province);
}

bool IndividualTaxData::IsNonrefundableCreditAllUsed()
{
    const TaxData_T1New* form = t1();
    return form && form->IsNonRefTaxCreditAllUsed() && m_provMgr.IsNonRefTaxCreditAllUsed();
}

int IndividualTaxData::GetCPPMonths(int, int monthsOff) const
{
    const TaxData_T1New* form = t1();
    if (!form) return 0;
    const int age = form->GetAge();
    if (age < 18 || age > 70) return 0;
    int months = 12 - monthsOff;
    const QDate end = form->getDate("cpp_end_date");
    months = std::min(months, (end.isValid() && end.year() == 2021) ? end.month() : 12);
    if (age == 70) months = std::min(months, form->GetBirthMonth());
    if (age == 18) months = std::min(months, 12 - form->GetBirthMonth());
    return std::max(0, std::min(12, months));
}

int IndividualTaxData::GetQPPMonths(int, int monthsOff) const
{
    const TaxData_T1New* form = t1();
    if (!form) return 0;
    const int age = form->GetAge();
    if (age < 18) return 0;
    int months = 12 - monthsOff;
    const QDate end = form->getDate("cpp_end_date");
    months = std::min(months, (end.isValid() && end.year() == 2021) ? end.month() : 12);
    if (age == 18) months = std::min(months, 12 - form->GetBirthMonth());
    // Never fewer than no months, whatever the months off.
    return std::max(0, std::min(12, months));
}

CTaxData_Form* IndividualTaxData::GetS11FormData()
{
    CTaxData_Form* sch11 = makeFormExist(FormType::Schedule11);
    if (const int companion = tuitionCompanion(m_mainProvince)) makeFormExist(companion);
    return sch11;
}

CTaxData_Form* IndividualTaxData::GetS2FormData()
{
    CTaxData_Form* sch2 = makeFormExist(FormType::Schedule2);
    if (const int companion = spouseTransferCompanion(m_mainProvince)) makeFormExist(companion);
    return sch2;
}

// ---------------------------------------------------------------- province and filing

bool IndividualTaxData::ChangeProvince(ENUMTYPE_PROVINCE, ENUMTYPE_PROVINCE newProvince)
{
    // A jurisdiction no library works out would leave a return taxed by
    // nobody, or by the old province's library.
    if (!HasProvincialLibrary(newProvince)) return false;
    m_mainProvince = newProvince;
    m_provMgr.setMainProvince(newProvince);
    // The library works the tax out only for the province the T1 names, and
    // the electronic return files that one: it moves with the return.
    if (TaxData_T1New* form = t1()) {
        form->setInt("province", newProvince);
        form->setString("province_text", Global_Provs_Info[newProvince].displayText);
    }
    // The old province's library stays loaded: its forms remain in the
    // return. The new one's is loaded beside it, so that its forms are made
    // and calculated at once.
    m_provMgr.getProvMgr(newProvince, false);
    const ProvinceFormsRecord& record = Province_Forms_Info[newProvince];
    for (int i = 0; i < record.count; ++i) {
        const ProvinceFormEntry& entry = record.entries[i];
        if (entry.makeOnProvinceChange && GetCountOfForm(entry.formType) == 0)
            NewFormDataItem(entry.formType, GetNextUniqueID(), true, 0, true);
    }
    return true;
}

void IndividualTaxData::updateFilingStatus(ENUMTYPE_FORM type, int status, const CString& text)
{
    if (GetCountOfForm(type) != 1) return;
    CTaxData_Form* form = GetFormData(type, false);
    switch (type) {
    case 1: {
        const bool refile = form->getBool("refile");
        if (status == 1) {
            form->setString("filing_time", nowText());
            form->setInt("filing_status", refile ? 3 : 1);
            form->setString("filing_confirmation", text);
            return;
        }
        const int current = form->getInt("filing_status");
        if (current == 1 || current == 3) return;
        form->setInt("filing_status", status);
        if (status == -1) {
            form->setString("filing_confirmation", text);
            form->setString("filing_time", nowText());
        }
        if (refile) form->setInt("filing_status", 2);
        return;
    }
    case 101: {
        const int current = form->getInt("filing_status");
        // A statement already filed stays filed when a later sending fails.
        if (status != 1 && (current == 1 || current == 3)) return;
        form->setInt("filing_status", status);
        form->setString("filing_time", nowText());
        const bool amended = form->getBool("is_amended");
        if (status == 1) {
            form->setString("filing_confirmation", text);
            if (amended) form->setInt("filing_status", 3);
        } else if (amended) {
            form->setInt("filing_status", 2);
        }
        return;
    }
    case 117:
        if (status != 1 && form->getInt("filing_status") == 1) return;
        form->setInt("filing_status", status);
        form->setString("filing_time", nowText());
        if (status == 1) {
            form->setString("filing_confirmation", text);
            form->setString("filing_error", "");
        } else {
            form->setString("filing_error", text);
        }
        return;
    case 181: {
        if (status != 1) return;
        const QDateTime now = QDateTime::currentDateTime();
        form->setString("filing_confirmation", text);
        form->setDate("date", now.date());
        form->setString("note", QStringLiteral("You sent a PAD at %1, confirmation number [%2].")
                                    .arg(now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), text.toQString()));
        return;
    }
    default:
        return;
    }
}

#include "provincemanager.h"

#include <algorithm>

#include <QtGlobal>

#include "fields.h"
#include "formtables.h"
#include "provinceforms.h"
#include "provincetables.h"

namespace {

// Federal forms whose provincial companion must accompany them.
constexpr ENUMTYPE_FORM kSchedule2 = 3;
constexpr ENUMTYPE_FORM kSchedule11 = 11;

// Amounts the program exchanges by an id that is not a 428 line number.
struct AmountId
{
    int id;
    const char* field;
};

constexpr AmountId kAmountIds[] = {
    // Unused provincial tuition and education amounts carried forward from
    // the 2020 notice of assessment (interview and prior-year import).
    {11001, "unused_tuition_carried_forward"},
};

} // namespace

CProvinceTaxManager::CProvinceTaxManager()
    : m_params(thisProvince())
{
}

CProvinceTaxManager::~CProvinceTaxManager()
{
    FreeWizardData();
}

ENUMTYPE_PROVINCE CProvinceTaxManager::GetManagerProvince() const
{
    return m_params.province;
}

void CProvinceTaxManager::SetTaxReturnDefaultValues(TaxData_T1New* t1, TaxData_Sch5* sch5)
{
    m_defaultsT1 = t1;
    m_defaultsSch5 = sch5;
}

void CProvinceTaxManager::SyncDepInfo(int formType, DependantInfoStruct* dependants)
{
    m_depSyncFormType = formType;
    if (dependants) m_dependants = dependants;
}

void CProvinceTaxManager::SyncDepSelAcrossMultiProvinces(int value, TaxData_T1New* t1)
{
    m_depSelection = value;
    m_depSelectionT1 = t1;
}

CTaxData_Form* CProvinceTaxManager::NewFormData(ENUMTYPE_FORM type, bool /*forEditing*/)
{
    // Another province's forms and the federal ones are never ours, even
    // where the type is one of ours in number: the report maker asks every
    // library for every type and takes the first object it gets.
    if (type <= 0 || getFormProv(type) != m_params.province) return nullptr;

    CTaxData_Form* form = nullptr;
    if (type == m_params.form428)
        form = new TaxData_Prov428(type, m_params.own428);
    else if (m_params.form479 != 0 && type == m_params.form479)
        form = new TaxData_Prov479(type, m_params.own479);
    else if (type == m_params.formS2)
        form = new TaxData_ProvS2(type, m_params.ownS2);
    else if (type == m_params.formS11)
        form = new TaxData_ProvS11(type);
    if (!form) return nullptr;

    // Entries of forms deleted since are of no more use.
    m_forms.erase(std::remove_if(m_forms.begin(), m_forms.end(),
                                 [](const QPointer<CTaxData_Form>& f) { return f.isNull(); }),
                  m_forms.end());
    m_forms.emplace_back(form);
    return form;
}

bool CProvinceTaxManager::FreeFormData(CTaxData_Form* form, bool /*inList*/)
{
    if (!form) return false;
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        if (it->data() != form) continue;
        m_forms.erase(it);
        delete form;
        return true;
    }
    return false;
}

int CProvinceTaxManager::ActivateForm(ENUMTYPE_FORM /*type*/, unsigned int* /*pageId*/,
                                      std::list<BaseTaxPage*>& /*pages*/)
{
    return 0;
}

ENUMTYPE_FORM CProvinceTaxManager::FindRelatedForm1(ENUMTYPE_FORM type)
{
    // Child care (T778) has no provincial companion form: Ontario's CARE
    // credit is a line of the ON479, which carries other credits as well and
    // must not go when the T778 is removed.
    switch (type) {
    case kSchedule2: return m_params.formS2;
    case kSchedule11: return m_params.formS11;
    default: return 0;
    }
}

CTaxData_Form* CProvinceTaxManager::NewWizardData()
{
    auto* interview = new TaxData_ProvInterview(m_params.ownInterview);
    m_interviews.emplace_back(interview);
    return interview;
}

bool CProvinceTaxManager::FreeWizardData()
{
    for (QPointer<CTaxData_Form>& interview : m_interviews)
        delete interview.data();
    m_interviews.clear();
    return true;
}

int CProvinceTaxManager::ActivateWizard(unsigned int* /*pageId*/)
{
    return 0;
}

void CProvinceTaxManager::ReadDataFromWizards() {}

void CProvinceTaxManager::WriteDataToWizards() {}

void CProvinceTaxManager::CalcLoggingCredit(TaxData_T1New* /*t1*/) {}

void CProvinceTaxManager::CalcProvCredit(TaxData_T1New* /*t1*/, TaxData_T2203* /*t2203*/, TaxData_Sch5* /*sch5*/,
                                         std::list<TaxData_T2209_2036*>& /*t2209*/)
{
}

void CProvinceTaxManager::ExchangeDataBeforeCalc(bool /*coupled*/, int /*step*/, TaxData_T1New* /*t1*/) {}

void CProvinceTaxManager::CalcProvTax_BeforeExchData(TaxData_T1New* /*t1*/, TaxData_Sch2* /*sch2*/,
                                                     CTaxData_Schedule_3* /*sch3*/, TaxData_Sch4* /*sch4*/,
                                                     TaxData_Sch5* /*sch5*/, TaxData_Sch9* /*sch9*/,
                                                     TaxData_Sch11* /*sch11*/, TaxData_T1206New* /*t1206*/,
                                                     std::list<TaxData_T2209_2036*>& /*t2209*/,
                                                     TaxData_T691New* /*t691*/, CTaxData_T1219* /*t1219*/)
{
}

void CProvinceTaxManager::CalcProvTax_AfterExchData(TaxData_T1New* /*t1*/, TaxData_T2203* /*t2203*/,
                                                    TaxData_Sch2* /*sch2*/, CTaxData_Schedule_3* /*sch3*/,
                                                    TaxData_Sch9* /*sch9*/, TaxData_T1206New* /*t1206*/,
                                                    std::list<TaxData_T2209_2036*>& /*t2209*/,
                                                    TaxData_T691New* /*t691*/, CTaxData_T1219* /*t1219*/,
                                                    TaxData_T2017New* /*t2017*/)
{
}

int CProvinceTaxManager::beforeCalcFormData(int /*kind*/, CTaxData_Form* /*form*/)
{
    return 0;
}

int CProvinceTaxManager::afterCalcFormData(int /*kind*/, CTaxData_Form* /*form*/)
{
    return 0;
}

void CProvinceTaxManager::CalcBenefit(bool /*coupled*/, TaxData_T1New* /*t1*/, TaxData_T1KSNew* /*summary*/) {}

void CProvinceTaxManager::ExchangeCoupledInfoAfterCalcTaxableIncome(CProvincialTaxManager* /*spouse*/) {}

void CProvinceTaxManager::ExchangeCoupledInfoForProvTax_MainlyS2(CProvincialTaxManager* /*spouse*/) {}

void CProvinceTaxManager::ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(
    CProvincialTaxManager* /*spouse*/)
{
}

int CProvinceTaxManager::IsEligibleForElectronicFile()
{
    return 0;
}

CTaxData_Form* CProvinceTaxManager::current428() const
{
    for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it)
        if (!it->isNull() && (*it)->getType() == m_params.form428) return it->data();
    return nullptr;
}

CField* CProvinceTaxManager::amountField(int id) const
{
    CTaxData_Form* form = current428();
    if (!form) return nullptr;
    for (const AmountId& entry : kAmountIds)
        if (entry.id == id) return form->field(CString(entry.field));
    // Otherwise a line number of the agency (five digits).
    if (id < 10000 || id > 99999) return nullptr;
    return form->field(CString(QByteArray::number(id)));
}

bool CProvinceTaxManager::getProvAmountClaimed(int id, double& value)
{
    const CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Float: value = static_cast<const CFloatField*>(f)->GetValue(); return true;
    case CField::Int: value = static_cast<const CIntField*>(f)->GetValue(); return true;
    default: return false;
    }
}

bool CProvinceTaxManager::getProvAmountClaimed(int id, int& value)
{
    const CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Int: value = static_cast<const CIntField*>(f)->GetValue(); return true;
    case CField::Bool: value = static_cast<const CBoolField*>(f)->GetValue() ? 1 : 0; return true;
    default: return false;
    }
}

bool CProvinceTaxManager::getProvAmountClaimed(int id, CString& value)
{
    const CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Float:
        // Amounts as text always carry their cents.
        value = CString(QByteArray::number(static_cast<const CFloatField*>(f)->GetValue(), 'f', 2));
        return true;
    case CField::String: value = static_cast<const CStringField*>(f)->GetValue(); return true;
    default: value = CString(f->GetVariant().toString()); return true;
    }
}

bool CProvinceTaxManager::setProvAmountClaimed(int id, double value)
{
    CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Float: static_cast<CFloatField*>(f)->SetValue(value); return true;
    case CField::Int: static_cast<CIntField*>(f)->SetValue(qRound(value)); return true;
    default: return false;
    }
}

void CProvinceTaxManager::Validate(std::list<CString>& /*messages*/, TaxData_T1New* /*t1*/, TaxData_Sch2* /*sch2*/,
                                   TaxData_Sch5* /*sch5*/, TaxData_Sch9* /*sch9*/, TaxData_Sch11* /*sch11*/,
                                   TaxData_T691New* /*t691*/, TaxData_T1206New* /*t1206*/)
{
}

void CProvinceTaxManager::ValidateWithCoupled(std::list<CString>& /*messages*/, CProvincialTaxManager* /*spouse*/) {}

void CProvinceTaxManager::AnyMsgBeforeNetfile(TaxData_T1New* /*t1*/, TaxData_Sch11* /*sch11*/,
                                              std::list<CString>& /*warnings*/)
{
}

void CProvinceTaxManager::UpdateT1KST2203(TaxData_T1KSNew* /*summary*/, TaxData_T2203* /*t2203*/,
                                          TaxData_Sch5* /*sch5*/, TaxData_Sch9* /*sch9*/)
{
}

int CProvinceTaxManager::GetIncomeThresholds(std::list<double>& thresholds)
{
    for (int i = 0; i < m_params.bracketThresholds; ++i)
        thresholds.push_back(m_params.thresholds[i]);
    return m_params.bracketThresholds;
}

bool CProvinceTaxManager::IsNonRefTaxCreditAllUsed()
{
    const CTaxData_Form* form = current428();
    if (!form) return true;
    return form->getFloat("61500") <= form->getFloat("tax_on_taxable_income") + CFloatField::kTolerance;
}

// The library's one entry point; the program owns and deletes the manager.
extern "C" Q_DECL_EXPORT CProvincialTaxManager* GetTaxManager()
{
    return new CProvinceTaxManager;
}

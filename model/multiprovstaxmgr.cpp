#include "multiprovstaxmgr.h"

#include <QLibrary>

#include "formtables.h"
#include "messages.h"
#include "prompt.h"
#include "utils.h"

// The T1 amounts the provincial managers fill.
#include "t1.h"

namespace {
const char* const kProvincialCreditField = "provincial_credits";   // provincial non-refundable credits
const char* const kProvincialTaxField = "42800";      // provincial tax
}

CMultiProvsTaxMgr::CMultiProvsTaxMgr(ENUM_MultiProvsTaxMgrMode mode, DependantInfoStruct* dependants)
    : m_mode(mode), m_dependants(dependants)
{
}

CMultiProvsTaxMgr::~CMultiProvsTaxMgr()
{
    killAll();
}

bool CMultiProvsTaxMgr::getProvLibFilePath(ENUMTYPE_PROVINCE province, QString& path)
{
    const ProvInfo* info = provInfo(province);
    if (!info || !info->libFile || !*info->libFile) return false;
    path = QString::fromUtf8(info->libFile);
    getOSLibFilename(QString(), path);
    return true;
}

void CMultiProvsTaxMgr::release(int province)
{
    delete m_managers[province];
    m_managers[province] = nullptr;
    if (QLibrary* lib = m_libraries[province]) {
        lib->unload();
        delete lib;
        m_libraries[province] = nullptr;
    }
}

void CMultiProvsTaxMgr::killAll()
{
    for (int p = 0; p < kProvinces; ++p) release(p);
}

CProvincialTaxManager* CMultiProvsTaxMgr::getProvMgr(ENUMTYPE_PROVINCE province, bool unloadOthers)
{
    if (!IsProvinceSupported(province) || province < 0 || province >= kProvinces) return nullptr;
    if (unloadOthers) killAll();
    if (m_managers[province]) return m_managers[province];

    QString path;
    if (!getProvLibFilePath(province, path)) return nullptr;
    auto* lib = new QLibrary(path);
    if (!lib->load()) {
        delete lib;
        Prompt::information(QStringLiteral("file path"), path);
        return nullptr;
    }
    auto entry = reinterpret_cast<GetTaxManagerFunc>(lib->resolve("GetTaxManager"));
    if (!entry) {
        lib->unload();
        delete lib;
        return nullptr;
    }
    CProvincialTaxManager* manager = entry();
    if (!manager) {
        lib->unload();
        delete lib;
        return nullptr;
    }
    manager->setDepInfo(m_dependants);
    m_managers[province] = manager;
    m_libraries[province] = lib;
    return manager;
}

CProvincialTaxManager* CMultiProvsTaxMgr::firstLoaded() const
{
    for (CProvincialTaxManager* m : m_managers)
        if (m) return m;
    return nullptr;
}

CProvincialTaxManager* CMultiProvsTaxMgr::mainProvinceManager() const
{
    for (CProvincialTaxManager* m : m_managers)
        if (m && m->GetManagerProvince() == m_mainProvince) return m;
    return nullptr;
}

CProvincialTaxManager* CMultiProvsTaxMgr::firstManager() const
{
    // A library loaded for a form of another province must never take over
    // the return's own provincial work from the main province's library.
    if (CProvincialTaxManager* m = mainProvinceManager()) return m;
    return firstLoaded();
}

CProvincialTaxManager* CMultiProvsTaxMgr::loadedManager(ENUMTYPE_PROVINCE province) const
{
    return (province >= 0 && province < kProvinces) ? m_managers[province] : nullptr;
}

template <typename F>
void CMultiProvsTaxMgr::forEach(F f) const
{
    for (CProvincialTaxManager* m : m_managers)
        if (m) f(m);
}

void CMultiProvsTaxMgr::GetActiveProvinces(std::list<unsigned int>& provinces) const
{
    for (int p = 0; p < kProvinces; ++p)
        if (m_managers[p]) provinces.push_back(unsigned(p));
}

CTaxData_Form* CMultiProvsTaxMgr::NewFormData(ENUMTYPE_FORM type, bool forEditing)
{
    if (m_mode == MULTIPROV_MODE_FILE) {
        if (CProvincialTaxManager* m = firstManager())
            if (CTaxData_Form* form = m->NewFormData(type, forEditing)) return form;
        // A file can hold forms of other provinces (made while the return was
        // new, or before a change of province): their own library makes them,
        // or reading would stop and the rest of the return would be lost.
    }
    const int province = getFormProv(type);
    if (province <= 0) return nullptr;
    CProvincialTaxManager* m = getProvMgr(province, false);
    return m ? m->NewFormData(type, forEditing) : nullptr;
}

bool CMultiProvsTaxMgr::FreeFormData(CTaxData_Form* form, bool inList)
{
    for (CProvincialTaxManager* m : m_managers)
        if (m && m->FreeFormData(form, inList)) return true;
    return false;
}

int CMultiProvsTaxMgr::ActivateForm(ENUMTYPE_FORM type, unsigned int* pageId, std::list<BaseTaxPage*>& pages)
{
    const int province = getFormProv(type);
    if (province <= 0) return 0;
    CProvincialTaxManager* m = getProvMgr(province, false);
    return m ? m->ActivateForm(type, pageId, pages) : 0;
}

ENUMTYPE_FORM CMultiProvsTaxMgr::FindRelatedForm1(ENUMTYPE_FORM type)
{
    CProvincialTaxManager* m = firstManager();
    return m ? m->FindRelatedForm1(type) : 0;
}

CTaxData_Form* CMultiProvsTaxMgr::NewWizardData()
{
    CProvincialTaxManager* m = firstManager();
    return m ? m->NewWizardData() : nullptr;
}

bool CMultiProvsTaxMgr::FreeWizardData()
{
    bool all = true;
    forEach([&](CProvincialTaxManager* m) { all = m->FreeWizardData() && all; });
    return all;
}

int CMultiProvsTaxMgr::ActivateWizard(unsigned int* pageId)
{
    CProvincialTaxManager* m = firstManager();
    return m ? m->ActivateWizard(pageId) : 0;
}

void CMultiProvsTaxMgr::ReadDataFromWizards()
{
    forEach([](CProvincialTaxManager* m) { m->ReadDataFromWizards(); });
}

void CMultiProvsTaxMgr::WriteDataToWizards()
{
    forEach([](CProvincialTaxManager* m) { m->WriteDataToWizards(); });
}

void CMultiProvsTaxMgr::setTaxFormInfo(TaxData_T1New* t1, TaxData_Sch5* sch5)
{
    forEach([=](CProvincialTaxManager* m) { m->setTaxFormInfo(t1, sch5); });
}

void CMultiProvsTaxMgr::SetTaxReturnDefaultValues(TaxData_T1New* t1, TaxData_Sch5* sch5)
{
    forEach([=](CProvincialTaxManager* m) { m->SetTaxReturnDefaultValues(t1, sch5); });
}

void CMultiProvsTaxMgr::CalcLoggingCredit(TaxData_T1New* t1)
{
    forEach([=](CProvincialTaxManager* m) { m->CalcLoggingCredit(t1); });
}

void CMultiProvsTaxMgr::CalcProvCredit(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                                       std::list<TaxData_T2209_2036*>& t2209)
{
    if (t1) t1->setFloat(kProvincialCreditField, 0.0);
    forEach([&](CProvincialTaxManager* m) { m->CalcProvCredit(t1, t2203, sch5, t2209); });
}

void CMultiProvsTaxMgr::ExchangeDataBeforeCalc(bool coupled, int step, TaxData_T1New* t1)
{
    forEach([=](CProvincialTaxManager* m) { m->ExchangeDataBeforeCalc(coupled, step, t1); });
}

void CMultiProvsTaxMgr::CalcProvTax_BeforeExchData(TaxData_T1New* t1, TaxData_Sch2* sch2, CTaxData_Schedule_3* sch3,
                                                   TaxData_Sch4* sch4, TaxData_Sch5* sch5, TaxData_Sch9* sch9,
                                                   TaxData_Sch11* sch11, TaxData_T1206New* t1206,
                                                   std::list<TaxData_T2209_2036*>& t2209, TaxData_T691New* t691,
                                                   CTaxData_T1219* t1219)
{
    forEach([&](CProvincialTaxManager* m) {
        m->CalcProvTax_BeforeExchData(t1, sch2, sch3, sch4, sch5, sch9, sch11, t1206, t2209, t691, t1219);
    });
}

void CMultiProvsTaxMgr::CalcProvTax_AfterExchData(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch2* sch2,
                                                  CTaxData_Schedule_3* sch3, TaxData_Sch9* sch9,
                                                  TaxData_T1206New* t1206, std::list<TaxData_T2209_2036*>& t2209,
                                                  TaxData_T691New* t691, CTaxData_T1219* t1219,
                                                  TaxData_T2017New* t2017)
{
    if (t1) t1->setFloat(kProvincialTaxField, 0.0);
    forEach([&](CProvincialTaxManager* m) {
        m->CalcProvTax_AfterExchData(t1, t2203, sch2, sch3, sch9, t1206, t2209, t691, t1219, t2017);
    });
}

int CMultiProvsTaxMgr::beforeCalcFormData(int kind, CTaxData_Form* form)
{
    forEach([=](CProvincialTaxManager* m) { m->beforeCalcFormData(kind, form); });
    return 0;
}

int CMultiProvsTaxMgr::afterCalcFormData(int kind, CTaxData_Form* form)
{
    forEach([=](CProvincialTaxManager* m) { m->afterCalcFormData(kind, form); });
    return 0;
}

void CMultiProvsTaxMgr::CalcBenefit(bool coupled, TaxData_T1New* t1, TaxData_T1KSNew* summary)
{
    forEach([=](CProvincialTaxManager* m) { m->CalcBenefit(coupled, t1, summary); });
}

void CMultiProvsTaxMgr::ExchangeCoupledInfoAfterCalcTaxableIncome(CMultiProvsTaxMgr* spouse)
{
    if (!spouse) return;
    CProvincialTaxManager* mine = firstManager();
    CProvincialTaxManager* theirs = spouse->firstManager();
    if (mine && theirs) mine->ExchangeCoupledInfoAfterCalcTaxableIncome(theirs);
}

void CMultiProvsTaxMgr::ExchangeCoupledInfoForProvTax_MainlyS2(CMultiProvsTaxMgr* spouse)
{
    if (!spouse) return;
    CProvincialTaxManager* mine = firstManager();
    CProvincialTaxManager* theirs = spouse->firstManager();
    if (mine && theirs) mine->ExchangeCoupledInfoForProvTax_MainlyS2(theirs);
}

void CMultiProvsTaxMgr::ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(CMultiProvsTaxMgr* spouse)
{
    if (!spouse) return;
    CProvincialTaxManager* mine = firstManager();
    CProvincialTaxManager* theirs = spouse->firstManager();
    if (mine && theirs) mine->ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(theirs);
}

int CMultiProvsTaxMgr::IsEligibleForElectronicFile()
{
    for (CProvincialTaxManager* m : m_managers)
        if (m)
            if (int refused = m->IsEligibleForElectronicFile()) return refused;
    return 0;
}

bool CMultiProvsTaxMgr::getProvAmountClaimed(int id, double& value)
{
    CProvincialTaxManager* m = mainProvinceManager();
    return m ? m->getProvAmountClaimed(id, value) : false;
}

bool CMultiProvsTaxMgr::getProvAmountClaimed(int id, int& value)
{
    CProvincialTaxManager* m = mainProvinceManager();
    return m ? m->getProvAmountClaimed(id, value) : false;
}

bool CMultiProvsTaxMgr::getProvAmountClaimed(int id, CString& value)
{
    CProvincialTaxManager* m = mainProvinceManager();
    return m ? m->getProvAmountClaimed(id, value) : false;
}

bool CMultiProvsTaxMgr::setProvAmountClaimed(int id, double value)
{
    CProvincialTaxManager* m = mainProvinceManager();
    return m ? m->setProvAmountClaimed(id, value) : false;
}

void CMultiProvsTaxMgr::Validate(std::list<CString>& messages, TaxData_T1New* t1, TaxData_Sch2* sch2,
                                 TaxData_Sch5* sch5, TaxData_Sch9* sch9, TaxData_Sch11* sch11, TaxData_T691New* t691,
                                 TaxData_T1206New* t1206)
{
    forEach([&](CProvincialTaxManager* m) { m->Validate(messages, t1, sch2, sch5, sch9, sch11, t691, t1206); });
}

void CMultiProvsTaxMgr::ValidateWithCoupled(std::list<CString>& messages, CMultiProvsTaxMgr* spouse)
{
    CProvincialTaxManager* mine = firstManager();
    if (!mine) return;
    mine->ValidateWithCoupled(messages, spouse ? spouse->firstManager() : nullptr);
}

bool CMultiProvsTaxMgr::AnyMsgBeforeNetfile(TaxData_T1New* t1, TaxData_Sch11* sch11)
{
    for (CProvincialTaxManager* m : m_managers) {
        if (!m) continue;
        std::list<CString> warnings;
        m->AnyMsgBeforeNetfile(t1, sch11, warnings);
        for (const CString& text : warnings)
            if (!CYesNoContinueDlg::warnYesNoMsg(nullptr, QStringLiteral("Quillmere Warning Message"), text))
                return false;
    }
    return true;
}

void CMultiProvsTaxMgr::UpdateT1KST2203(TaxData_T1KSNew* summary, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                                        TaxData_Sch9* sch9)
{
    forEach([=](CProvincialTaxManager* m) { m->UpdateT1KST2203(summary, t2203, sch5, sch9); });
}

int CMultiProvsTaxMgr::GetIncomeThresholds(std::list<double>& thresholds)
{
    CProvincialTaxManager* m = firstManager();
    return m ? m->GetIncomeThresholds(thresholds) : 0;
}

bool CMultiProvsTaxMgr::IsNonRefTaxCreditAllUsed()
{
    CProvincialTaxManager* m = firstManager();
    return m ? m->IsNonRefTaxCreditAllUsed() : false;
}

#pragma once
// Loads the provincial calculation libraries of one person's return and
// forwards every provincial operation to one of their managers or to all.

#include <list>

#include <QString>

#include "provincialtaxmanager.h"
#include "returnitems.h"

class QLibrary;

class CMultiProvsTaxMgr
{
public:
    static constexpr int kProvinces = 14;   // entries 0 to 13

    CMultiProvsTaxMgr(ENUM_MultiProvsTaxMgrMode mode, DependantInfoStruct* dependants);
    virtual ~CMultiProvsTaxMgr();
    CMultiProvsTaxMgr(const CMultiProvsTaxMgr&) = delete;
    CMultiProvsTaxMgr& operator=(const CMultiProvsTaxMgr&) = delete;

    ENUM_MultiProvsTaxMgrMode mode() const { return m_mode; }
    void setDepInfo(DependantInfoStruct* dependants) { m_dependants = dependants; }

    // The manager of `province`, loading its library when needed; with
    // `unloadOthers` every loaded library (that one's too) is released first.
    CProvincialTaxManager* getProvMgr(ENUMTYPE_PROVINCE province, bool unloadOthers);
    static bool getProvLibFilePath(ENUMTYPE_PROVINCE province, QString& path);
    void FreeData() { killAll(); }
    void killAll();

    void setMainProvince(ENUMTYPE_PROVINCE province) { m_mainProvince = province; }
    ENUMTYPE_PROVINCE getMainProvince() const { return m_mainProvince; }
    void GetActiveProvinces(std::list<unsigned int>& provinces) const;
    CProvincialTaxManager* getModeOneProvMgr() const { return firstManager(); }
    // The manager the return's provincial work goes to: the main province's
    // when it is loaded, else the lowest loaded province's.
    CProvincialTaxManager* firstManager() const;
    CProvincialTaxManager* loadedManager(ENUMTYPE_PROVINCE province) const;

    CTaxData_Form* NewFormData(ENUMTYPE_FORM type, bool forEditing);
    bool FreeFormData(CTaxData_Form* form, bool inList);
    int ActivateForm(ENUMTYPE_FORM type, unsigned int* pageId, std::list<BaseTaxPage*>& pages);
    ENUMTYPE_FORM FindRelatedForm1(ENUMTYPE_FORM type);
    CTaxData_Form* NewWizardData();
    bool FreeWizardData();
    int ActivateWizard(unsigned int* pageId);
    void ReadDataFromWizards();
    void WriteDataToWizards();
    void setTaxFormInfo(TaxData_T1New* t1, TaxData_Sch5* sch5);
    void SetTaxReturnDefaultValues(TaxData_T1New* t1, TaxData_Sch5* sch5);
    void CalcLoggingCredit(TaxData_T1New* t1);
    void CalcProvCredit(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                        std::list<TaxData_T2209_2036*>& t2209);
    void ExchangeDataBeforeCalc(bool coupled, int step, TaxData_T1New* t1);
    void CalcProvTax_BeforeExchData(TaxData_T1New* t1, TaxData_Sch2* sch2, CTaxData_Schedule_3* sch3,
                                    TaxData_Sch4* sch4, TaxData_Sch5* sch5, TaxData_Sch9* sch9, TaxData_Sch11* sch11,
                                    TaxData_T1206New* t1206, std::list<TaxData_T2209_2036*>& t2209,
                                    TaxData_T691New* t691, CTaxData_T1219* t1219);
    void CalcProvTax_AfterExchData(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch2* sch2,
                                   CTaxData_Schedule_3* sch3, TaxData_Sch9* sch9, TaxData_T1206New* t1206,
                                   std::list<TaxData_T2209_2036*>& t2209, TaxData_T691New* t691,
                                   CTaxData_T1219* t1219, TaxData_T2017New* t2017);
    int beforeCalcFormData(int kind, CTaxData_Form* form);
    int afterCalcFormData(int kind, CTaxData_Form* form);
    void CalcBenefit(bool coupled, TaxData_T1New* t1, TaxData_T1KSNew* summary);
    // The coupled exchanges run between the spouses' main-province managers
    // in every mode: a new coupled return must get the same provincial
    // result as the same return read back from its file.
    void ExchangeCoupledInfoAfterCalcTaxableIncome(CMultiProvsTaxMgr* spouse);
    void ExchangeCoupledInfoForProvTax_MainlyS2(CMultiProvsTaxMgr* spouse);
    void ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(CMultiProvsTaxMgr* spouse);
    int IsEligibleForElectronicFile();
    bool getProvAmountClaimed(int id, double& value);
    bool getProvAmountClaimed(int id, int& value);
    bool getProvAmountClaimed(int id, CString& value);
    bool setProvAmountClaimed(int id, double value);
    void Validate(std::list<CString>& messages, TaxData_T1New* t1, TaxData_Sch2* sch2, TaxData_Sch5* sch5,
                  TaxData_Sch9* sch9, TaxData_Sch11* sch11, TaxData_T691New* t691, TaxData_T1206New* t1206);
    void ValidateWithCoupled(std::list<CString>& messages, CMultiProvsTaxMgr* spouse);
    // Each manager's pre-filing warnings as continue-or-stop questions; false
    // at the first "stop".
    bool AnyMsgBeforeNetfile(TaxData_T1New* t1, TaxData_Sch11* sch11);
    void UpdateT1KST2203(TaxData_T1KSNew* summary, TaxData_T2203* t2203, TaxData_Sch5* sch5, TaxData_Sch9* sch9);
    int GetIncomeThresholds(std::list<double>& thresholds);
    bool IsNonRefTaxCreditAllUsed();

private:
    CProvincialTaxManager* firstLoaded() const;
    CProvincialTaxManager* mainProvinceManager() const;
    void release(int province);
    template <typename F>
    void forEach(F f) const;

    CProvincialTaxManager* m_managers[kProvinces] = {};
    QLibrary* m_libraries[kProvinces] = {};
    ENUM_MultiProvsTaxMgrMode m_mode;
    ENUMTYPE_PROVINCE m_mainProvince = 0;
    DependantInfoStruct* m_dependants;
};

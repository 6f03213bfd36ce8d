#pragma once
// The manager object of one provincial library: makes and frees the
// province's forms and interview data and answers the program's queries.
// Computes the province's 428 and 479 for a return whose main province it
// is (provincecalc.h).

#include <vector>

#include <QPointer>

#include "provincialtaxmanager.h"
#include "taxdataform.h"

struct ProvinceParams;

class CProvinceTaxManager final : public CProvincialTaxManager
{
public:
    CProvinceTaxManager();
    // Deletes the interview data still held; the forms belong to the return.
    ~CProvinceTaxManager() override;

    ENUMTYPE_PROVINCE GetManagerProvince() const override;
    void SetTaxReturnDefaultValues(TaxData_T1New* t1, TaxData_Sch5* sch5) override;
    void SyncDepInfo(int formType, DependantInfoStruct* dependants) override;
    void SyncDepSelAcrossMultiProvinces(int value, TaxData_T1New* t1) override;
    CTaxData_Form* NewFormData(ENUMTYPE_FORM type, bool forEditing) override;
    bool FreeFormData(CTaxData_Form* form, bool inList) override;
    int ActivateForm(ENUMTYPE_FORM type, unsigned int* pageId, std::list<BaseTaxPage*>& pages) override;
    ENUMTYPE_FORM FindRelatedForm1(ENUMTYPE_FORM type) override;
    CTaxData_Form* NewWizardData() override;
    bool FreeWizardData() override;
    int ActivateWizard(unsigned int* pageId) override;
    void ReadDataFromWizards() override;
    void WriteDataToWizards() override;
    void CalcLoggingCredit(TaxData_T1New* t1) override;
    void CalcProvCredit(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                        std::list<TaxData_T2209_2036*>& t2209) override;
    void ExchangeDataBeforeCalc(bool coupled, int step, TaxData_T1New* t1) override;
    void CalcProvTax_BeforeExchData(TaxData_T1New* t1, TaxData_Sch2* sch2, CTaxData_Schedule_3* sch3,
                                    TaxData_Sch4* sch4, TaxData_Sch5* sch5, TaxData_Sch9* sch9,
                                    TaxData_Sch11* sch11, TaxData_T1206New* t1206,
                                    std::list<TaxData_T2209_2036*>& t2209, TaxData_T691New* t691,
                                    CTaxData_T1219* t1219) override;
    void CalcProvTax_AfterExchData(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch2* sch2,
                                   CTaxData_Schedule_3* sch3, TaxData_Sch9* sch9, TaxData_T1206New* t1206,
                                   std::list<TaxData_T2209_2036*>& t2209, TaxData_T691New* t691,
                                   CTaxData_T1219* t1219, TaxData_T2017New* t2017) override;
    int beforeCalcFormData(int kind, CTaxData_Form* form) override;
    int afterCalcFormData(int kind, CTaxData_Form* form) override;
    void CalcBenefit(bool coupled, TaxData_T1New* t1, TaxData_T1KSNew* summary) override;
    void ExchangeCoupledInfoAfterCalcTaxableIncome(CProvincialTaxManager* spouse) override;
    void ExchangeCoupledInfoForProvTax_MainlyS2(CProvincialTaxManager* spouse) override;
    void ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(CProvincialTaxManager* spouse) override;
    int IsEligibleForElectronicFile() override;
    // Amounts of the province's 428 by id: an id from the table in the
    // source (11001, the tuition carried forward), else the 428 line of that
    // number (58040). Read from and written to the 428 this manager made
    // last and that still exists; false without one or for an unknown id.
    bool getProvAmountClaimed(int id, double& value) override;
    bool getProvAmountClaimed(int id, int& value) override;
    bool getProvAmountClaimed(int id, CString& value) override;
    bool setProvAmountClaimed(int id, double value) override;
    void Validate(std::list<CString>& messages, TaxData_T1New* t1, TaxData_Sch2* sch2, TaxData_Sch5* sch5,
                  TaxData_Sch9* sch9, TaxData_Sch11* sch11, TaxData_T691New* t691,
                  TaxData_T1206New* t1206) override;
    void ValidateWithCoupled(std::list<CString>& messages, CProvincialTaxManager* spouse) override;
    void AnyMsgBeforeNetfile(TaxData_T1New* t1, TaxData_Sch11* sch11, std::list<CString>& warnings) override;
    void UpdateT1KST2203(TaxData_T1KSNew* summary, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                         TaxData_Sch9* sch9) override;
    int GetIncomeThresholds(std::list<double>& thresholds) override;
    // True when the 428's credits (line 61500) cover no more than its tax on
    // taxable income, or when there is no 428.
    bool IsNonRefTaxCreditAllUsed() override;

private:
    // The newest living 428 this manager made, or none.
    CTaxData_Form* current428() const;
    // The newest living form of that type this manager made, or none.
    CTaxData_Form* currentForm(int type) const;
    // Of spouses with equal incomes, the one a family amount falls to.
    static bool isFirstOfCouple(const TaxData_T1New* t1);
    // The spouse's disability amount is on this return's S2 (the coupled
    // exchange put it there).
    bool spouseDisabilityMovesHere(bool hasSpouse) const;
    // The return is of this library's province.
    bool isMainProvince(const TaxData_T1New* t1) const;
    // Fills the 428 (and line 42800 of the T1) from the return.
    void calculate428(TaxData_T1New* t1, TaxData_Sch9* sch9, const std::list<TaxData_T2209_2036*>& t2209);
    // The S2's transfer from the amounts the coupled exchange brought.
    void calculateS2();
    CField* amountField(int id) const;

    const ProvinceParams& m_params;
    // Every form this manager made; an entry turns null when its form is deleted.
    std::vector<QPointer<CTaxData_Form>> m_forms;
    // The interview data objects it made; owned until FreeWizardData.
    std::vector<QPointer<CTaxData_Form>> m_interviews;
    // Kept for the calculation.
    TaxData_T1New* m_defaultsT1 = nullptr;
    TaxData_Sch5* m_defaultsSch5 = nullptr;
    int m_depSyncFormType = 0;
    int m_depSelection = 0;
    TaxData_T1New* m_depSelectionT1 = nullptr;
};

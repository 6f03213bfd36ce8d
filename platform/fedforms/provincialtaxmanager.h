#pragma once
// The manager object of one provincial calculation library. Each library
// exports "GetTaxManager", which returns a new object of its own subclass;
// the program owns and deletes it. The operations are listed in the order
// the program relies on.

#include <list>

#include "cstring.h"
#include "enumtypes.h"

class BaseTaxPage;
class CTaxData_Form;
class CTaxData_Schedule_3;
class CTaxData_T1219;
class DependantInfoStruct;
class TaxData_Sch11;
class TaxData_Sch2;
class TaxData_Sch4;
class TaxData_Sch5;
class TaxData_Sch9;
class TaxData_T1206New;
class TaxData_T1KSNew;
class TaxData_T1New;
class TaxData_T2017New;
class TaxData_T2203;
class TaxData_T2209_2036;
class TaxData_T691New;

class CProvincialTaxManager
{
public:
    CProvincialTaxManager() = default;
    virtual ~CProvincialTaxManager() = default;
    CProvincialTaxManager(const CProvincialTaxManager&) = delete;
    CProvincialTaxManager& operator=(const CProvincialTaxManager&) = delete;

    void setDepInfo(DependantInfoStruct* dependants) { m_dependants = dependants; }
    void setTaxFormInfo(TaxData_T1New* t1, TaxData_Sch5* sch5) { m_t1 = t1; m_sch5 = sch5; }
    DependantInfoStruct* depInfo() const { return m_dependants; }

    virtual ENUMTYPE_PROVINCE GetManagerProvince() const = 0;
    virtual void SetTaxReturnDefaultValues(TaxData_T1New* t1, TaxData_Sch5* sch5) = 0;
    virtual void SyncDepInfo(int formType, DependantInfoStruct* dependants) = 0;
    virtual void SyncDepSelAcrossMultiProvinces(int value, TaxData_T1New* t1) = 0;
    // A new object of one of this library's form types, or none.
    virtual CTaxData_Form* NewFormData(ENUMTYPE_FORM type, bool forEditing) = 0;
    // True when the form was made by this library and has been freed.
    virtual bool FreeFormData(CTaxData_Form* form, bool inList) = 0;
    virtual int ActivateForm(ENUMTYPE_FORM type, unsigned int* pageId, std::list<BaseTaxPage*>& pages) = 0;
    // The form type that must accompany `type` in a return of this province, or 0.
    virtual ENUMTYPE_FORM FindRelatedForm1(ENUMTYPE_FORM type) = 0;
    // The province's interview data (interview kind 6).
    virtual CTaxData_Form* NewWizardData() = 0;
    virtual bool FreeWizardData() = 0;
    virtual int ActivateWizard(unsigned int* pageId) = 0;
    virtual void ReadDataFromWizards() = 0;
    virtual void WriteDataToWizards() = 0;
    virtual void CalcLoggingCredit(TaxData_T1New* t1) = 0;
    virtual void CalcProvCredit(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                                std::list<TaxData_T2209_2036*>& t2209) = 0;
    virtual void ExchangeDataBeforeCalc(bool coupled, int step, TaxData_T1New* t1) = 0;
    virtual void CalcProvTax_BeforeExchData(TaxData_T1New* t1, TaxData_Sch2* sch2, CTaxData_Schedule_3* sch3,
                                            TaxData_Sch4* sch4, TaxData_Sch5* sch5, TaxData_Sch9* sch9,
                                            TaxData_Sch11* sch11, TaxData_T1206New* t1206,
                                            std::list<TaxData_T2209_2036*>& t2209, TaxData_T691New* t691,
                                            CTaxData_T1219* t1219) = 0;
    virtual void CalcProvTax_AfterExchData(TaxData_T1New* t1, TaxData_T2203* t2203, TaxData_Sch2* sch2,
                                           CTaxData_Schedule_3* sch3, TaxData_Sch9* sch9, TaxData_T1206New* t1206,
                                           std::list<TaxData_T2209_2036*>& t2209, TaxData_T691New* t691,
                                           CTaxData_T1219* t1219, TaxData_T2017New* t2017) = 0;
    virtual int beforeCalcFormData(int kind, CTaxData_Form* form) = 0;
    virtual int afterCalcFormData(int kind, CTaxData_Form* form) = 0;
    virtual void CalcBenefit(bool coupled, TaxData_T1New* t1, TaxData_T1KSNew* summary) = 0;
    virtual void ExchangeCoupledInfoAfterCalcTaxableIncome(CProvincialTaxManager* spouse) = 0;
    virtual void ExchangeCoupledInfoForProvTax_MainlyS2(CProvincialTaxManager* spouse) = 0;
    virtual void ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(CProvincialTaxManager* spouse) = 0;
    // Non-zero when the province refuses electronic filing of this return.
    virtual int IsEligibleForElectronicFile() = 0;
    virtual bool getProvAmountClaimed(int id, double& value) = 0;
    virtual bool getProvAmountClaimed(int id, int& value) = 0;
    virtual bool getProvAmountClaimed(int id, CString& value) = 0;
    virtual bool setProvAmountClaimed(int id, double value) = 0;
    virtual void Validate(std::list<CString>& messages, TaxData_T1New* t1, TaxData_Sch2* sch2, TaxData_Sch5* sch5,
                          TaxData_Sch9* sch9, TaxData_Sch11* sch11, TaxData_T691New* t691,
                          TaxData_T1206New* t1206) = 0;
    virtual void ValidateWithCoupled(std::list<CString>& messages, CProvincialTaxManager* spouse) = 0;
    virtual void AnyMsgBeforeNetfile(TaxData_T1New* t1, TaxData_Sch11* sch11, std::list<CString>& warnings) = 0;
    virtual void UpdateT1KST2203(TaxData_T1KSNew* summary, TaxData_T2203* t2203, TaxData_Sch5* sch5,
                                 TaxData_Sch9* sch9) = 0;
    // Appends the province's income thresholds; answers how many were added.
    virtual int GetIncomeThresholds(std::list<double>& thresholds) = 0;
    virtual bool IsNonRefTaxCreditAllUsed() = 0;

protected:
    DependantInfoStruct* m_dependants = nullptr;
    TaxData_T1New* m_t1 = nullptr;
    TaxData_Sch5* m_sch5 = nullptr;
};

// The entry every provincial library exports.
extern "C" typedef CProvincialTaxManager* (*GetTaxManagerFunc)();

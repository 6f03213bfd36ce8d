#pragma once
// One person's return: the lists of forms, slips, notes and interview data,
// the counter that numbers forms and slips, and the provincial libraries.

#include <cstdio>
#include <list>
#include <map>
#include <set>
#include <string>

#include <QDate>

#include "multiprovstaxmgr.h"
#include "reservedarea.h"
#include "returnitems.h"

class DataAFR;
class DependantInfoStruct;
class MyDataStream;
class TaxData_T1New;
class TaxData_T1159;
class TDDTaxDataOnePerson;
struct STRU_SLIPDATA_CALCULATION;
struct NetfileGenObjParamStru;
struct STRUCT_NETFILE_TIA_FIELD_TYPE;
class CMemoryBlock;
class T1ReturnBarcodeFixedData;
class SFDBarcodeFixedData;
class CTaxData_T776;
class CTaxData_T2042;
class CTaxData_T2121;
class CTaxData_T5013;
class TaxData_T2125_New;
class TaxData_T777New;
class TaxData_TL2_New;
class TaxData_T2091;

class IndividualTaxData
{
public:
    static constexpr int kFileVersion = 66069;
    static constexpr int kTaxYear = 2021;
    static constexpr int kFirstUniqueId = 100;

    IndividualTaxData(ENUM_MultiProvsTaxMgrMode mode, DependantInfoStruct* dependants);
    virtual ~IndividualTaxData();
    IndividualTaxData(const IndividualTaxData&) = delete;

    // ---- identifiers and lookups
    int GetNextUniqueID() { return m_nextUniqueId++; }
    int peekNextUniqueID() const { return m_nextUniqueId; }
    STRUCT_FORMDATA_ITEM_2004* GetFormDataItem(ENUMTYPE_FORM type, bool create);
    CTaxData_Form* GetFormData(ENUMTYPE_FORM type, bool create);
    CTaxData_Form* GetFormData(ENUMTYPE_FORM type, int id);
    CTaxData_Form* GetSlipData(ENUMTYPE_SLIP type, int id, bool create);
    CTaxData_Form* GetNoteData(int id, bool create);
    CTaxData_Form* GetWizData(ENUMTYPE_TAXWIZARD kind, bool create);
    void GetFormDataList(ENUMTYPE_FORM type, std::list<STRUCT_FORMDATA_ITEM_2004*>& out);
    void GetSlipDataList(ENUMTYPE_SLIP type, std::list<STRUCT_SLIPDATA_ITEM_2004*>& out);
    int GetCountOfForm(ENUMTYPE_FORM type) const;   // 0: every form
    int GetCountOfSlip(ENUMTYPE_SLIP type) const;
    bool HasForm(ENUMTYPE_FORM type) const { return GetCountOfForm(type) > 0; }
    int GetFormID(const CTaxData_Form* form) const;
    int GetSharedFormID(const CTaxData_Form* form) const;
    int GetSlipID(const CTaxData_Form* slip) const;
    int GetSharedSlipID(const CTaxData_Form* slip) const;
    void SetSharedForm(const CTaxData_Form* form, int sharedId);
    void SetSharedSlip(const CTaxData_Form* slip, int sharedId);
    bool HasSharedComponent() const;
    STRUCT_FORMDATA_ITEM_2004* findFormItem(const CTaxData_Form* form) const;
    STRUCT_SLIPDATA_ITEM_2004* findSlipItem(const CTaxData_Form* slip) const;

    // ---- makers
    STRUCT_FORMDATA_ITEM_2004* NewFormDataItem(ENUMTYPE_FORM type, int id, bool addToList, int sharedId,
                                               bool initNew);
    STRUCT_SLIPDATA_ITEM_2004* NewSlipData(ENUMTYPE_SLIP type, int id, int sharedId);
    STRUCT_NOTEDATA_ITEM_2004* NewNoteData(int id);
    STRUCT_WIZDATA_ITEM_2004* NewWizData(ENUMTYPE_TAXWIZARD kind);
    // Starting values of a new form from the return and the preparer settings.
    void InitNewFormData(CTaxData_Form* form);

    // ---- removers
    void RemoveFormData(CTaxData_Form* form, bool inList);
    void RemoveSlipData(CTaxData_Form* slip);
    void RemoveNoteData(CTaxData_Form* note);
    ENUMTYPE_FORM FindExtraFormToBeAdded(ENUMTYPE_FORM type) { return m_provMgr.FindRelatedForm1(type); }
    void FreeData();

    // ---- copy and compare
    IndividualTaxData& operator=(const IndividualTaxData& other);
    bool softCopy(const IndividualTaxData& other);
    bool operator==(const IndividualTaxData& other) const;
    bool operator!=(const IndividualTaxData& other) const { return !(*this == other); }

    // ---- visitors
    bool EnumTaxForms(CEnumTaxFormObj* visitor, void* param);
    bool EnumTaxSlips(CEnumTaxSlipObj* visitor, void* param);
    bool EnumTaxNotes(CEnumTaxNoteObj* visitor, void* param);
    bool EnumTaxWizards(CEnumTaxWizardObj* visitor, void* param);

    // ---- the person
    void SetCoupledReturn(bool coupled);
    bool IsCoupledReturn() const { return m_coupled; }
    ENUMTYPE_PROVINCE getMainProvince() const { return m_mainProvince; }
    // Sets the main province and loads its library alone.
    void setMainProvince(ENUMTYPE_PROVINCE province);
    CMultiProvsTaxMgr& provMgr() { return m_provMgr; }
    const CMultiProvsTaxMgr& provMgr() const { return m_provMgr; }
    DependantInfoStruct* dependants() const { return m_dependants; }
    void setDependants(DependantInfoStruct* dependants);
    int fileVersion() const { return m_fileVersion; }
    void setFileVersion(int version) { m_fileVersion = version; }
    int taxYear() const { return m_taxYear; }
    void setTaxYear(int year) { m_taxYear = year; }
    int storedValue() const { return m_storedValue; }
    void setStoredValue(int value) { m_storedValue = value; }
    void setNextUniqueID(int id) { m_nextUniqueId = id; }
    const CString& readPassword() const { return m_readPassword; }
    void setReadPassword(const CString& password) { m_readPassword = password; }
    CReservedArea& reservedArea() { return m_reserved; }
    double carriedT1MAmount() const { return m_carriedT1MAmount; }
    void setCarriedT1MAmount(double amount) { m_carriedT1MAmount = amount; }

    const std::list<STRUCT_FORMDATA_ITEM_2004*>& forms() const { return m_forms; }
    std::list<STRUCT_FORMDATA_ITEM_2004*>& forms() { return m_forms; }
    const std::list<STRUCT_SLIPDATA_ITEM_2004*>& slips() const { return m_slips; }
    const std::list<STRUCT_NOTEDATA_ITEM_2004*>& notes() const { return m_notes; }
    const std::list<STRUCT_WIZDATA_ITEM_2004*>& wizards() const { return m_wizards; }
    // Whether the form, slip, note or interview is one of this person's items
    // (a calculation or an auto-fill may have removed it).
    bool listsItem(const CTaxData_Form* form) const;

    // The single T1 (in a T1159 return none), or none when there are none or several.
    TaxData_T1New* t1() const;
    TaxData_T1159* t1159() const;

    // ---- queries by number (federal amounts and strings)
    bool getFedAmountClaimed(int number, double& value) const;
    bool getFedAmountClaimed(int number, int& value) const;
    bool getFedStringClaimed(int number, CString& value) const;
    bool setFedAmount(int number, int flag, double value);
    bool setFedString(int number, const CString& value);
    CString GetReturnStatusString(int) const;
    CString GetNetfileNameWithoutSuffix() const;

    // ---- the return file
    // Writes or reads the person's block; writing answers the version
    // written, reading the file's version or -1 (damaged or too new), -3 (a
    // form cannot be made), -4 (a slip type has no class), -5 (a note cannot
    // be made).
    int serialize(unsigned char edition, MyDataStream& stream);

    // ---- the report maker's sources
    // Each form's and slip's Java class and layouts, the note's class and the
    // three tables of type numbers. The folders are handed in, so no open
    // return is needed; nothing is written when javaFolder is empty.
    static void WriteJavaXMLFile(const CString& javaFolder, const CString& xmlFolder, const CString& bformFolder);
    static void WriteJavaSlipFile(const CString& javaFolder, const CString& bformFolder);
    static void WriteJavaNoteFile(const CString& javaFolder);

    // The person's barcode section, by the installed writer (the efile
    // library's); the single int 0 of a return without blocks until one is.
    int WriteBarcode(bool, MyDataStream& stream);
    using BarcodeWriter = int (*)(IndividualTaxData& person, MyDataStream& stream);
    static void installBarcodeWriter(BarcodeWriter writer);
    static BarcodeWriter barcodeWriter();
    int ReadBarcode(MyDataStream& stream);

    // ---- new returns and repairs after reading
    void NewData(ENUMTYPE_PROVINCE province, const CString& firstName, const CString& lastName, const CString& sin,
                 const QDate& birthDate, int maritalStatus, const CString& spouseFirstName,
                 const CString& spouseLastName, const CString& spouseSin, const QDate& spouseBirthDate, bool);
    void MakeSureSomeFormsExist(unsigned char edition, ENUMTYPE_PROVINCE province);
    bool IsFormNeeded(ENUMTYPE_FORM type);
    void DoSthAfterReading(unsigned char edition);
    void SetTaxReturnDefaultValues();
    // The single form of the type, made when there is none (none when there are several).
    CTaxData_Form* makeFormExist(ENUMTYPE_FORM type);
    // Makes each interview kind that every return holds.
    void completeInterviewData();
    // Whether the slips of the return require a form of the type; asks
    // without making any form.
    bool slipsRequireForm(ENUMTYPE_FORM type);

    // ---- identity, names and status (the T1's, or the T1159's)
    CString GetFirstName() const;
    CString GetLastName() const;
    void GetFirstName(CString& first, CString& middle) const;
    CString GetSIN() const;
    QDate GetDOB() const;
    CString GetSpouseSIN() const;
    CString GetSpouseFirstName() const;
    CString GetSpouseLastName() const;
    QDate GetSpouseDOB() const;
    void GetPersonalBasicInfo(CString& sin, CString& first, CString& middle, CString& last, CString& other,
                              QDate& birthDate, double& result) const;
    int GetMaritalStatus() const;
    void SetMaritalStatus(int status);
    bool canBeCoupledReturn() const;
    CString GetReturnFileNameWithoutSuffix() const { return GetNetfileNameWithoutSuffix(); }

    // ---- income facts
    bool HaveRentalIncome() const;
    bool HaveBusinessIncome() const;
    bool HaveProfessionalIncome() const;
    bool HaveCommissionIncome() const;
    bool HaveFishIncome() const;
    bool HaveFarmIncome() const;
    bool HaveSelfBusiness() const;
    int GetCountOfSFDForms() const;
    bool _isNonResidentReturn() const { return m_mainProvince > 13; }
    bool _isProvInvolvedinMJ(ENUMTYPE_PROVINCE province);
    bool IsNonrefundableCreditAllUsed();
    int GetCPPMonths(int, int monthsOff) const;
    int GetQPPMonths(int, int monthsOff) const;
    CTaxData_Form* GetS11FormData();
    CTaxData_Form* GetS2FormData();

    // ---- province change and filing status
    // Moves the return to `newProvince`: the main province, the library and
    // the T1's province of residence together. False, and nothing changed,
    // for a jurisdiction without a library (Quebec).
    bool ChangeProvince(ENUMTYPE_PROVINCE oldProvince, ENUMTYPE_PROVINCE newProvince);
    void updateFilingStatus(ENUMTYPE_FORM type, int status, const CString& text);

    // ---- validation and filing checks
    int Validate(unsigned char flag, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);
    // A return is one T1 (a T1159 return one T1159): any other count gives
    // the message saying so and true, whichever validation runs.
    bool mainFormCountMessage(CString& message) const;
    // The validation engine sits above the model: the program and the tests
    // install it at start-up, and Validate hands its work to it. Without one,
    // Validate gathers only the items' own checks and the provincial rules.
    using ValidationEngine = int (*)(IndividualTaxData& person, unsigned char flag,
                                     std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);
    static void installValidationEngine(ValidationEngine engine);
    static ValidationEngine validationEngine();
    bool AnyMsgBeforeNetfile(unsigned char flag, bool b);
    bool MaySchedule6Needed();

    // ---- checks against the spouse's return (individualtaxdata_coupled.cpp)
    // Appends what the couple may not claim together; answers the list's
    // size. Without exactly one T1 on either side nothing is checked.
    int ValidateWithCoupled(unsigned char mode, std::list<CString>& messages, IndividualTaxData* spouse);
    // Appends why a form of the type should not be added (or what to know first).
    void CanAddNewForm(ENUMTYPE_FORM type, std::list<CString>& messages);

    // ---- electronic filing and ReFILE (individualtaxdata_refile.cpp)
    // Appends every refusal; answers the provincial libraries' own answer.
    int IsEligibleForElectronicFile(unsigned char mode, std::list<CString>& messages);
    // Appends at most one refusal; answers the list's size.
    int IsEligibleForReFile(unsigned char mode, std::list<CString>& messages);
    int DoSurveyBeforeReFile(std::list<CString>& messages);
    // Keeps the summary as filed and marks the T1 for ReFILE: 0, or -1
    // (nothing changed) without a summary.
    int prepareForReFile();
    void UnsetReFile();

    // ---- the T1135 checked on its own (individualtaxdata_t1135.cpp)
    // Appends one form item when the statement has something to say;
    // answers the statement's own result (0 without one).
    int ValidateT1135(unsigned char mode, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);

    // ---- provincial libraries reached directly
    void SyncDepInfo(int formType, DependantInfoStruct* dependants);
    void SyncDepSelAcrossMultiProvinces(int value, int province);

    // ---- calculation helpers
    void ReadDataFromWizards(int kind);
    void CopyTaxPreparerInfo();

    // Slip totals (slippreparation.cpp). Preparing runs each slip's hook,
    // fills the totals, and makes every form the slips need that the return
    // lacks; collecting only asks, and leaves the return as it is.
    void PrepareSlipsBeforeCalculate(STRU_SLIPDATA_CALCULATION& totals, std::set<ENUMTYPE_FORM>& needed);
    void CollectSlipTotals(STRU_SLIPDATA_CALCULATION& totals, std::set<ENUMTYPE_FORM>& needed) const;

    // Interview data (interviewtransfer.cpp): every kind back from the forms.
    void WriteDataToWizards(bool);

    // Special calculations (specialcalculations.cpp).
    static const double s_S6BoundaryIncome[14][8];
    double CalculatedSelfEmpIncomeForF5532() const;
    double CalcF5532ForSch6OrRefMedSupp(double amount) const;
    double CalculatedEarnedIncomeForT778() const;
    double CalculateF5530ForT778() const;
    double getF5548(double cap) const;
    double getF50339(double) const;
    int CalculateT2209Adjust15Percent();
    int CalculateT2209FedPart();
    int CalculateT2209FromFedToProv();
    void PrepareT2209List(std::list<TaxData_T2209_2036*>& list) const;
    int _calculateT2203BusiIncome();
    void syncMultiProvFromT2203();
    void _calculateT1032_step1();
    void _calculateT1032_step2();
    bool hasS6Dependants() const;
    bool IsDisabled() const;
    bool MaySchedule6Needed_v2() const;
    bool claimedSpouseRelatedAmount() const;
    void CalculateAdjustment();
    void CopyT1013Pref1();
    void CopyT1013Pref2();
    TaxData_T1KSNew* GetSingleReturnOptimize(std::list<double>&);
    int GetIncomeThresholds(std::list<double>& thresholds);

    // Benefit summary and estimates (benefitsummary.cpp).
    static bool isBenefitEligible(const IndividualTaxData* person);
    void UpdateT1KS(bool isCurrent, IndividualTaxData* other);
    void CalculateOtherBenefits(bool computes, IndividualTaxData*);
    // The spouse's return of a family: a couple's equal incomes leave the
    // benefit estimates to the taxpayer's return.
    void setSpouseReturn(bool spouse) { m_spouseReturn = spouse; }
    bool isSpouseReturn() const { return m_spouseReturn; }

    // ---- the calculation (one step of one person's return)
    enum EnumCalculateStep : int { STEP_0 = 0, STEP_1, STEP_2, STEP_3, STEP_4, STEP_5, STEP_6 };
    // Runs one step; answers the forms it added or removed (steps 0, 1, 6).
    int Calculate(bool fromInterview, int changedType, EnumCalculateStep step, bool isSpouse);
    void _calculateForT1159Purpose();
    int _autoAddSomeForms();
    int _autoRemoveSomeForms();
    int _autoCreateSch8RC381(int kind);
    // The flag handed to the net-income, taxable-income and balance
    // calculations (a per-return integer; -1 until a caller sets it).
    int calculationFlag() const { return m_calculationFlag; }
    void setCalculationFlag(int flag) { m_calculationFlag = flag; }

    // The days figures worked out at the start of every step.
    struct DaysFigures
    {
        int daysInYear = 365;
        int bankruptDays = 0;
        int daysInCanada = 365;
    };
    DaysFigures daysFigures() const;

    // ---- prior-year import (priorimport.cpp)
    // Turns a person's return read from last year's file into this year's;
    // a return without a T1 or a T1159 is left as it is.
    void Build2003DataTo2004(struct STRUCT_IMPORT_LASTYEAR_PARAM* param);

    // ---- auto-fill (autofill.cpp)
    // Fills the return from one person's downloaded tax data, as far as the
    // options allow; slips and forms an earlier auto-fill made are replaced,
    // not added to. No options: nothing is done. 0.
    int AutoFillReturn(TDDTaxDataOnePerson& data, DataAFR* options);

    // The amounts the last import or auto-fill left out because their line
    // takes no negative amount, one text each naming the line; taken once.
    std::list<CString> takeLeftOutAmounts();

    // ---- The electronic return; defined in the efile library, which every
    // caller of these links. The mode is 1 for EFILE, 2 for NETFILE.
    // The whole return as the agency's XML; the first file is not used.
    int CreateElectronicFile(FILE* unused, FILE* out, unsigned char mode);
    // Every return line of the person's return, the forms' own first.
    int WriteNetfileFreeFormatData(unsigned char mode, NetfileGenObjParamStru& param);
    void WriteNetfileMJRelatedField(unsigned char mode, NetfileGenObjParamStru& param, const int* codes, int count);
    void WriteNetfileMJRelatedFields(unsigned char mode, NetfileGenObjParamStru& param);
    // The selected-financial-data records; each answers the number written.
    int privateWriteNetFileSFD_ExceptT2091(unsigned char mode, NetfileGenObjParamStru& record);
    int privateWriteNetFileSFD_T2091(unsigned char mode, NetfileGenObjParamStru& record);
    // The parts of the XML file around the return lines.
    int privateGenerateXmlFilePart1(FILE* out, unsigned char mode, int& lines);
    int privateGenerateXmlFilePartForDeceased(FILE* out, unsigned char mode, int& lines);
    int privateGenerateXmlFilePartForBankruptcy(FILE* out, unsigned char mode, int& lines);
    int privateGenerateXmlFilePartEnd(FILE* out, unsigned char mode, int& lines);
    int privateGenerateXmlFilePartSpouseData(CString& out, unsigned char mode, int& lines);
    int privateGenerateXmlFilePartAddrDataEFile(CString& out, unsigned char mode, int& lines);

    // ---- The filing requests' values and the T1135 statement; defined in
    // the efile library. Every text value goes into the map escaped, since
    // the templates put values in as given.
    // The NETFILE request's keys; hands back the e-mail address and the T1
    // amount that GetPersonalBasicInfo reports.
    void getNetfileDataInfo(std::map<std::string, std::string>& values, int agreement, CString& email,
                            double& amount, int testCase);
    // The EFILE request's keys; `form` is 1 for the T1 return, another type
    // for a form filed on its own (no signature block then).
    void getEfileDataInfo(std::map<std::string, std::string>& values, ENUMTYPE_FORM form);
    // The T1135 statement's XML: 0, -100 without a T1135, else the first
    // failing step's result, with nothing written after it.
    int getT1135XMLContent(FILE* out);
    int getT1135XMLPart1(FILE* out, std::map<std::string, std::string>& values);
    int getT1135XMLPartEnd(FILE* out, std::map<std::string, std::string>& values);

    // ---- The paper return's barcode data; defined in the efile library.
    bool IsGeneralBarcodeEligible() const;
    int GetCountOfBarcodeSFDForms() const;
    void FillT1BarcodeFixedData(T1ReturnBarcodeFixedData& record);
    void GenerateT1Barcode(CMemoryBlock& block);
    static void ConvertFreeDataMapToMemoryBlock(std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>& fields,
                                                CMemoryBlock& block);
    void GenerateT776Barcode(CTaxData_T776* form, CMemoryBlock& block, int sequence);
    void GenerateT2042Barcode(CTaxData_T2042* form, CMemoryBlock& block, int sequence);
    void GenerateT2121Barcode(CTaxData_T2121* form, CMemoryBlock& block, int sequence);
    void GenerateT2125Barcode(ENUMTYPE_FORM type, TaxData_T2125_New* form, CMemoryBlock& block, int sequence);
    void GenerateT777Barcode(TaxData_T777New* form, CMemoryBlock& block, int sequence);
    void GenerateTL2Barcode(TaxData_TL2_New* form, CMemoryBlock& block, int sequence);
    void GenerateT2091Barcode(TaxData_T2091* form, CMemoryBlock& block, int sequence);
    // One block per section in use, each written to `stream`; advances `sequence` per block.
    void GenerateT5013Barcode(CTaxData_T5013* form, MyDataStream& stream, int& sequence);
    void setDefaultFixDataForNonBusiSFD01(SFDBarcodeFixedData& record);

private:
    // The steps, one file each.
    void keepTypedLinesOfEarlierFiles(TaxData_T1New& form);
    int calculateStep0(bool fromInterview, int changedType, bool isSpouse);
    int calculateStep1(bool fromInterview, int changedType, bool isSpouse);
    int calculateStep2(bool isSpouse);
    int calculateStep3(bool isSpouse);
    int calculateStep4(bool isSpouse);
    int calculateStep5(bool isSpouse);
    int calculateStep6(bool isSpouse);

    int m_calculationFlag = -1;
    bool m_spouseReturn = false;

    void freeFormObject(CTaxData_Form* object, bool inList);
    void freeWizardItems();

    double m_carriedT1MAmount = 0.0;
    std::list<CString> m_leftOutAmounts;
    CMultiProvsTaxMgr m_provMgr;
    ENUMTYPE_PROVINCE m_mainProvince = 0;
    int m_fileVersion = kFileVersion;
    int m_taxYear = kTaxYear;
    int m_storedValue = -100;
    int m_nextUniqueId = kFirstUniqueId;
    std::list<STRUCT_FORMDATA_ITEM_2004*> m_forms;
    std::list<STRUCT_SLIPDATA_ITEM_2004*> m_slips;
    std::list<STRUCT_NOTEDATA_ITEM_2004*> m_notes;
    std::list<STRUCT_WIZDATA_ITEM_2004*> m_wizards;
    CReservedArea m_reserved;
    CString m_readPassword;
    DependantInfoStruct* m_dependants;
    bool m_coupled = false;
};

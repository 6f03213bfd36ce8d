#pragma once
// One open return file: the taxpayer's and the spouse's returns, the
// dependants they share, the person being worked on and the view settings.

#include <cstdio>
#include <list>

#include "dependantinfo.h"
#include "individualtaxdata.h"
#include "personalsettings.h"

class DataAFR;
class DataShareAmtDlg;
class MyDataStream;
class TDDTaxDataOnePerson;
class PPgDataNewReturnBasic;
class QComboBox;
class QString;

class CFamilyTaxData
{
public:
    static constexpr int kPersons = 14;
    static constexpr int kTaxpayer = -2;
    static constexpr int kSpouse = -1;

    explicit CFamilyTaxData(ENUM_MultiProvsTaxMgrMode mode);
    ~CFamilyTaxData();
    CFamilyTaxData(const CFamilyTaxData&) = delete;

    void FreeData();
    ENUM_MultiProvsTaxMgrMode mode() const { return m_mode; }
    CPersonalSettings& settings() { return m_settings; }
    DependantInfoStruct& dependants() { return m_dependants; }
    const DependantInfoStruct& dependants() const { return m_dependants; }

    // ---- the current person: -2 the taxpayer, -1 the spouse
    // Only -2 and -1 are taken: the dependant slots never hold a return, and
    // making one current would leave every operation without a person.
    int setCurIndv(int index);
    int getCurIndv() const { return m_current; }
    IndividualTaxData* getCurIndvTaxData() const { return _getIndvTaxData(m_current); }
    IndividualTaxData* getNonCurIndvTaxData() const;
    IndividualTaxData* _getIndvTaxData(int index) const;
    IndividualTaxData* taxpayer() const { return m_persons[0]; }
    IndividualTaxData* spouse() const { return m_persons[1]; }
    bool IsCoupledReturn() const;

    // ---- forwarded to the current person
    // The current person's electronic return (defined in the efile library).
    int CreateElectronicFile(FILE* unused, FILE* out, unsigned char mode);
    // The current person's filing request values and T1135 statement (the
    // efile library); without a current person nothing is put and the
    // statement answers -100.
    void getNetfileDataInfo(std::map<std::string, std::string>& values, int agreement, CString& email,
                            double& amount, int testCase);
    void getEfileDataInfo(std::map<std::string, std::string>& values, ENUMTYPE_FORM form);
    int getT1135XMLContent(FILE* out);
    int GetCountOfForm(ENUMTYPE_FORM type) const;
    bool HasForm(ENUMTYPE_FORM type) const;
    CTaxData_Form* GetFormData(ENUMTYPE_FORM type, bool create);
    STRUCT_FORMDATA_ITEM_2004* GetFormDataItem(ENUMTYPE_FORM type, bool create);
    STRUCT_SLIPDATA_ITEM_2004* NewSlipData(ENUMTYPE_SLIP type, int id, int sharedId);
    STRUCT_NOTEDATA_ITEM_2004* NewNoteData(int id);
    void RemoveNoteData(CTaxData_Form* note);
    void RemoveSlipData(CTaxData_Form* slip);
    void RemoveFormData(CTaxData_Form* form, bool inList);
    ENUMTYPE_FORM FindExtraFormToBeAdded(ENUMTYPE_FORM type);
    CString GetReturnStatusString(int flag) const;
    bool getFedStringClaimed(int number, CString& value) const;
    bool getFedAmountClaimed(int number, double& value) const;
    bool getFedAmountClaimed(int number, int& value) const;
    bool setFedString(int number, const CString& value);
    CString GetNetfileNameWithoutSuffix() const;
    void GetActiveProvinces(std::list<unsigned int>& provinces) const;

    // ---- operations with rules of their own
    STRUCT_FORMDATA_ITEM_2004* NewFormDataItem(ENUMTYPE_FORM type, int id, bool addToList, int sharedId, bool initNew);
    bool setFedAmount(int number, int flag, double value);
    void CoupleTaxReturn(CFamilyTaxData* other);
    // Copies the current person's mailing address into the other spouse's
    // T1; non-zero when it did (a coupled return with both T1s).
    int SyncMailingAddrToSpouseReturn();
    // The preparer's details into the T1 of each person that has one.
    void CopyTaxPreparerInfo();
    void GetFamilyReturnStatus(double& principal, double& spouse, double& total) const;
    int ValidateTaxReturn(unsigned char flag, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items, CString& fullName,
                          bool spouse, bool);
    bool AnyMsgBeforeNetfile(unsigned char flag, bool b);
    bool MaySchedule6Needed();
    // One spouse's return against the other's (spouseSide: the spouse's
    // against the taxpayer's); 0 and no message unless the spouse's return
    // holds a T1.
    int ValidateWithCoupled(unsigned char mode, std::list<CString>& messages, bool spouseSide);
    // Forwarded to the current person.
    int IsEligibleForElectronicFile(unsigned char mode, std::list<CString>& messages);
    int IsEligibleForReFile(unsigned char mode, std::list<CString>& messages);
    int DoSurveyBeforeReFile(std::list<CString>& messages);
    int prepareForReFile();
    void UnsetReFile();
    int ValidateT1135(unsigned char mode, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);

    // Makes a coupled return single: keeps the taxpayer (the spouse's return
    // emptied) or the spouse (who becomes the taxpayer; the former taxpayer's
    // return is freed). The kept return's shared identifiers are cleared, for
    // they name items of the return taken out.
    void DeCouple(bool keepSpouse);

    // ---- sharing an item with the spouse
    bool IsTaxFormSharedWithSpouse(CTaxData_Form* form) const;
    bool IsTaxSlipSharedWithSpouse(CTaxData_Form* slip) const;
    void ShareTaxFormWithSpouse(CTaxData_Form* form, int otherId);
    void ShareTaxSlipWithSpouse(CTaxData_Form* slip, int otherId);
    void UnShareTaxFormWithSpouse(CTaxData_Form* form);
    void UnShareTaxSlipWithSpouse(CTaxData_Form* slip);
    // Makes the other person's linked copy of one of `mine`'s slips: same
    // type, next identifier, the slip's values but not its auto-fill mark
    // (the other's own download did not make it); both items linked. The
    // shares are the caller's. None when the copy cannot be made.
    static STRUCT_SLIPDATA_ITEM_2004* linkCopyOfSlip(STRUCT_SLIPDATA_ITEM_2004& item, IndividualTaxData& other);

    // ---- the return file
    // 0 on success, -1 when damaged or too new (or the taxpayer has no
    // province), -3/-4/-5 when a person's block names an item that cannot
    // be made, 112 when the read password is not given correctly.
    int serialize(unsigned char edition, MyDataStream& stream);
    void _extraSerialize(unsigned char edition, MyDataStream& stream);
    // A new family return read from the file, or none when the file cannot
    // be opened (result 107); the caller tests `result` and owns the object.
    static CFamilyTaxData* serializeFromFile(const CString& path, int& result);
    // After a read that failed: true when not even the principal's person
    // block came through whole, so there is nothing to recover and the file
    // is not a return of this program (or is damaged past recovery).
    bool nothingRecovered() const { return !m_principalRead; }
    // Writes the return to `path` whole or not at all: the file is replaced
    // only when every byte was written.
    bool saveToFile(const CString& path);
    bool shouldCheckReadPassword() const;
    bool checkReadPassword(const CString& text) const;

    // ---- new returns
    int NewData(PPgDataNewReturnBasic* page);
    // The whole-return calculation; answers the number of forms added and removed.
    int Calculate(int kind, CTaxData_Form* changed);
    // Carries between the spouses what each one's next step needs of the other.
    void ExchangeCoupledTaxData(IndividualTaxData::EnumCalculateStep step);

    // ---- status texts and names
    CString GetFamilyReturnStatusString() const;
    static void getShortResult(const CString& name, double amount, CString& out);
    void getFamilyResult(CString& principal, CString& spouse, CString& family) const;
    void getFamilyFullName(CString& principal, CString& spouse) const;
    void getReport(int, QString& out) const;
    // Fills the person chooser: the taxpayer (-2) and, when coupled, the spouse (-1).
    void fillComboBox(QComboBox* box, bool selectSpouse);
    static void formDisplayName(bool markShared, const STRUCT_FORMDATA_ITEM_2004* item, CString& out);
    CString GetReturnFileNameWithoutSuffix() const;
    void updateFilingStatus(ENUMTYPE_FORM type, int status, const CString& text);
    // False, and neither return changed, for a jurisdiction without a library.
    bool ChangeProvince(ENUMTYPE_PROVINCE oldProvince, ENUMTYPE_PROVINCE newProvince, bool both);

    // ---- copy and compare
    CFamilyTaxData& operator=(const CFamilyTaxData& other);
    bool softCopy(const CFamilyTaxData& other);
    bool operator==(const CFamilyTaxData& other) const;
    bool operator!=(const CFamilyTaxData& other) const;

    // ---- prior-year import (priorimport.cpp)
    // Turns a family read from last year's file into this year's return.
    void Build2003DataTo2004(struct STRUCT_IMPORT_LASTYEAR_PARAM* param);

    // ---- auto-fill (autofill.cpp)
    // Fills the current person's return from the download, then calculates
    // the whole family. 0, or -1 without a current person.
    int AutoFillReturn(TDDTaxDataOnePerson& data, DataAFR* options);
    // Both persons' amounts that the last import or auto-fill left out, with
    // the text that tells the user which; empty when none was.
    QString takeLeftOutAmountsText(const QString& source);

    // ---- optimiser
    // Moves the shareable amounts between the spouses so that their combined
    // balance is smallest; meant for a scratch copy of a coupled return.
    void DoCoupledReturnOptimize(DataShareAmtDlg* shares);
    // In: the current split; out: the best split in [0, maxSplit).
    void DoPensionSplitOpt(double maxSplit, double& split);
    // In: the taxpayer's current shared donations; out: the best in [lower, upper).
    void DoDonationSplitOpt(double lower, double upper, double total, double& share);

private:
    ENUM_MultiProvsTaxMgrMode m_mode;
    CPersonalSettings m_settings;
    IndividualTaxData* m_persons[kPersons] = {};
    DependantInfoStruct m_dependants;
    // False after a read that failed inside the principal's person block.
    bool m_principalRead = true;
    int m_current = kTaxpayer;
};

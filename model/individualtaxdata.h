#pragma once
// One person's return: the lists of forms, slips, notes and interview data,
// the counter that numbers forms and slips, and the provincial libraries.

#include <list>

#include "multiprovstaxmgr.h"
#include "reservedarea.h"
#include "returnitems.h"

class DependantInfoStruct;
class MyDataStream;
class TaxData_T1New;
class TaxData_T1159;

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

    // ---- validation and filing checks
    int Validate(unsigned char flag, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);
    bool AnyMsgBeforeNetfile(unsigned char flag, bool b);
    bool MaySchedule6Needed();

    // ---- provincial libraries reached directly
    void SyncDepInfo(int formType, DependantInfoStruct* dependants);
    void SyncDepSelAcrossMultiProvinces(int value, int province);

private:
    void freeFormObject(CTaxData_Form* object, bool inList);
    void freeWizardItems();

    double m_carriedT1MAmount = 0.0;
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

#pragma once
// The item records of a person's return and the visitors that walk them.

#include <list>

#include "cstring.h"
#include "enumtypes.h"

class CTaxData_Form;

enum ENUM_MultiProvsTaxMgrMode : int {
    MULTIPROV_MODE_FILE = 0,   // a return read from a file: one provincial library
    MULTIPROV_MODE_NEW = 1,    // a new return: each form's own province's library
};

struct STRUCT_FORMDATA_ITEM_2004
{
    int formType = 0;
    int uniqueId = 0;
    int sharedId = 0;          // 0 not shared, else the linked form's id in the other spouse's return
    CTaxData_Form* object = nullptr;
};

struct STRUCT_SLIPDATA_ITEM_2004
{
    int slipType = 0;
    int uniqueId = 0;
    int sharedId = 0;
    CTaxData_Form* object = nullptr;
};

struct STRUCT_NOTEDATA_ITEM_2004
{
    int noteId = 0;
    CTaxData_Form* object = nullptr;
};

struct STRUCT_WIZDATA_ITEM_2004
{
    int kind = 0;              // ENUMTYPE_TAXWIZARD
    CTaxData_Form* object = nullptr;
};

// One validation result: the messages of one slip, one form or the return.
struct _STRUCT_FORM_VALIDATE_INFO
{
    // Coupled: checks against the spouse's return, which the dialog can show.
    enum Kind : int { Slip = 1, Form = 2, Return = 4, Coupled = 5 };
    int kind = 0;
    int type = 0;
    std::list<CString> messages;
};

// Visitors: begin, then doWork per item in list order until it answers
// false, then end, whose answer the walk returns.
class CEnumTaxFormObj
{
public:
    virtual ~CEnumTaxFormObj() = default;
    virtual bool doWork(STRUCT_FORMDATA_ITEM_2004* item, void* param) = 0;
    virtual bool begin(void*) { return true; }
    virtual bool end(void*) { return true; }
};

class CEnumTaxSlipObj
{
public:
    virtual ~CEnumTaxSlipObj() = default;
    virtual bool doWork(STRUCT_SLIPDATA_ITEM_2004* item, void* param) = 0;
    virtual bool begin(void*) { return true; }
    virtual bool end(void*) { return true; }
};

class CEnumTaxNoteObj
{
public:
    virtual ~CEnumTaxNoteObj() = default;
    virtual bool doWork(STRUCT_NOTEDATA_ITEM_2004* item, void* param) = 0;
    virtual bool begin(void*) { return true; }
    virtual bool end(void*) { return true; }
};

class CEnumTaxWizardObj
{
public:
    virtual ~CEnumTaxWizardObj() = default;
    virtual bool doWork(STRUCT_WIZDATA_ITEM_2004* item, void* param) = 0;
    virtual bool begin(void*) { return true; }
    virtual bool end(void*) { return true; }
};

// Sets every visited form's coupled flag to the bool `param` points at.
class CSetCoupledFlagObj : public CEnumTaxFormObj
{
public:
    bool doWork(STRUCT_FORMDATA_ITEM_2004* item, void* param) override;
    int count() const { return m_count; }

private:
    int m_count = 0;
};

#pragma once
// Per-type facts of the forms, slips, interview kinds and provinces, and the
// predicates over them. The rows themselves live in formtables.cpp.

// Form flags (FormInfo::flags).
enum FormFlag : unsigned {
    FF_Multiple   = 0x01,  // more than one instance allowed in a return
    FF_SFD        = 0x02,  // a financial statement sent as selected financial data
    FF_Sharable   = 0x04,  // may be shared with the spouse's return
    FF_Expired    = 0x08,  // no longer in use: dropped when read, never offered
    FF_Mandatory  = 0x10,  // every return of its province holds one
    FF_Dependants = 0x20,  // the form is handed the family's dependants record
};

struct FormInfo
{
    int type;                // ENUMTYPE_FORM; equals the row index
    const char* shortName;   // the form number as the agency prints it ("T2125", "Schedule 9")
    const char* longName;    // the agency's title
    const char* javaId;      // identifier of the report maker's class for the form
    const char* reportText;  // text the report maker files the form under
    const char* xmlLayout;   // file name of the report maker's layout
    int province;            // 0 federal, else the ENUMTYPE_PROVINCE of a provincial form
    unsigned flags;          // FormFlag bits
};

struct SlipInfo
{
    int type;                // ENUMTYPE_SLIP; equals the row index
    const char* name;        // the slip's code and title ("T4 Statement of Remuneration Paid")
    const char* shortName;   // the slip's code ("T4")
    const char* javaId;
    bool sharable;
};

struct TaxWizardInfo
{
    int kind;                // ENUMTYPE_TAXWIZARD; equals the row index
    const char* name;
    unsigned char alwaysPresent;  // every return holds one
};

struct ProvInfo
{
    int province;            // ENUMTYPE_PROVINCE; equals the row index
    const char* displayText; // "Ontario"
    const char* code;        // the agency's two-letter code ("ON"); empty where none
    const char* libFile;     // base name of the provincial library; empty where none
};

struct ProvinceFormEntry
{
    int formType;
    unsigned char makeOnProvinceChange;
};

struct ProvinceFormsRecord
{
    const ProvinceFormEntry* entries;
    int count;
};

struct FederalFormEntry
{
    int formType;
};

constexpr int MAX_FORM_TYPE = 192;
constexpr int MAX_SLIP_TYPE = 25;
constexpr int MAX_TAXWIZARD_KIND = 6;
constexpr int MAX_PROVINCE = 16;

// Indexed by type, kind or province; row 0 is an empty row where 0 is no type.
extern const FormInfo Global_Forms_Info[MAX_FORM_TYPE + 1];
extern const SlipInfo Global_Slips_Info[MAX_SLIP_TYPE + 1];
extern const TaxWizardInfo Global_TaxWizard_Info[MAX_TAXWIZARD_KIND + 1];
extern const ProvInfo Global_Provs_Info[MAX_PROVINCE + 1];
// The forms each province's returns may need, by province (0..16).
extern const ProvinceFormsRecord Province_Forms_Info[MAX_PROVINCE + 1];
// The federal forms a return may need, in the order they are made.
extern const FederalFormEntry Federal_Forms_Info[];
extern const int Federal_Forms_Num;

// Row lookups; null outside the table.
const FormInfo* formInfo(int type);
const SlipInfo* slipInfo(int type);
const TaxWizardInfo* taxWizardInfo(int kind);
const ProvInfo* provInfo(int province);

// Predicates. Types outside the tables answer false (province: 0).
bool IsMultipleForm(int type);
bool IsSFDForm(int type);
bool IsFormSharable(int type);
bool IsSlipSharable(int type);
bool IsFormExpired(int type, int mode);
// Whether every return of `province` must hold the form, in `edition`
// (1 EFILE, 2 NETFILE).
bool IsFormMandatory(unsigned char edition, int province, int type);
int getFormProv(int type);
// The provinces and territories (1 to 13).
bool IsProvinceSupported(int province);
// A jurisdiction whose tax the program works out: it has a provincial library
// (every province and territory but Quebec).
bool HasProvincialLibrary(int province);
// The province of an agency province code ("ON", "qc"); 0 when unknown.
int getProvince(const char* code);

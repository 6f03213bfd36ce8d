#pragma once
// The integer type codes of the return model.

typedef int ENUMTYPE_FORM;        // 1..192, facts in Global_Forms_Info
typedef int ENUMTYPE_SLIP;        // 1..25, facts in Global_Slips_Info
typedef int ENUMTYPE_TAXWIZARD;   // 1..6, facts in Global_TaxWizard_Info
typedef int ENUMTYPE_PROVINCE;    // 0 none, 1..13, 14+ non-resident kinds, 15 a T1159 return
typedef int ENUMTYPE_FROM;        // the kind of a return item

enum : int {
    FROM_WHOLE_RETURN = -1,
    FROM_FORM = 0,
    FROM_SLIP = 1,
    FROM_WIZARD = 2,
    FROM_NOTE = 3,
};

enum : int {
    PROV_NONE = 0,
    PROV_AB = 1, PROV_BC = 2, PROV_MB = 3, PROV_NB = 4, PROV_NL = 5, PROV_NS = 6, PROV_NT = 7,
    PROV_NU = 8, PROV_ON = 9, PROV_PE = 10, PROV_QC = 11, PROV_SK = 12, PROV_YT = 13,
    PROV_NONRESIDENT = 14,
    PROV_T1159 = 15,
    PROV_NONRESIDENT_217 = 16,
};

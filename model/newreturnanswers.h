#pragma once
// The answers of the new-return interview: the data holder its three pages
// bind to, and what a new return is built from.

#include "wsbasedata.h"

class PPgDataNewReturnBasic : public CWSBaseData
{
public:
    PPgDataNewReturnBasic();

    // Married (0) or common-law (1): the spouse's details are asked for.
    bool shouldAskSpouseInfo() const;

    CStringField* fld_FirstName;
    CStringField* fld_LastName;
    CStringField* fld_sin;
    CDateField* fld_dob;
    CIntField* fld_TaxPronv;
    CIntField* fld_MaritalStatus;
    CStringField* fld_FirstNameSpouse;
    CStringField* fld_LastNameSpouse;
    CBoolField* fld_Coupled;
    CBoolField* fld_SpouseNonResident;
    CStringField* fld_sinSpouse;
    CDateField* fld_dobSpouse;
    CIntField* fld_TaxPronvSpouse;
    CBoolField* fld_bSch3;
    CBoolField* fld_bSch4;
    CBoolField* fld_bSch6;
    CBoolField* fld_bSch7;
    CBoolField* fld_bSch11;
    CBoolField* fld_bT776;
};

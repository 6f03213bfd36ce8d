#pragma once
// The tax preparer's details that new forms start from (the settings of the
// preferences dialog). The application fills them from its settings at
// start; tests fill them directly.

#include "cstring.h"

struct PreparerSettings
{
    CString BusinessName;
    CString BusinessAddr;
    CString BusinessCity;
    CString BusinessProv;
    CString BusinessPostcode;
    CString BusinessPhone;
    CString BusinessEFileNum;
    CString DiscounterCode;
    // Signs the preparer in to the agency's EFILE service: kept in the
    // settings only, never in a client's return.
    CString EFilePassword;
    CString RepID;                // the preparer's representative identifier
    int PreAssessment = 0;
    int PostAssessment = 0;
};

PreparerSettings& preparerSettings();

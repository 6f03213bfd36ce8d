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
    int PreAssessment = 0;
    int PostAssessment = 0;
};

PreparerSettings& preparerSettings();

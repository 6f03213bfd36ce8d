#pragma once
// The application's settings that checking and filing a return read: the
// preparer's EFILER number and password, test mode, the no-warnings flag and
// the software identification. The application fills them at start and each
// time the preferences are applied; tests fill them directly.

#include "cstring.h"

struct FilingSettings
{
    CString EfilerId;             // the preparer's EFILE number
    CString EfilerPassword;
    bool TestMode = false;        // the agency's certification-test services
    bool NoWarningMsg = false;    // pre-filing warnings are not asked
    CString NetfileSoftwareCode;
    CString NetfileSoftwareDate;
    CString EfileSoftwareCode;
    CString EfileSoftwareDate;
};

FilingSettings& filingSettings();

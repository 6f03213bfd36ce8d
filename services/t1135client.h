#pragma once
// The agency's form-filing service for a T1135 statement: the statement
// goes in the NETFILE return envelope and the reply is read by the NETFILE
// reader. Blocks until the reply arrives.

#include "agencyclient.h"
#include "cstring.h"

struct StructT1135SoapResult
{
    int accepted = 0;            // 1 when the agency confirmed the statement
    CString confirmationCode;    // written only when accepted
    CString resultCode;          // with any processing-error code appended
    CString message;
};

// 0 when a reply was read, 1 when it was not XML (the record untouched),
// -1 (envelope), -10 (post failed) or -99.
int T1135SOAP_request(AgencyValues& values, const char* workFile, StructT1135SoapResult* result);

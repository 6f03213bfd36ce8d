#pragma once
// The agency's authorisation service (a preparer's T1013 request) and its
// pre-authorised debit service (a T183 debit agreement): the generated file
// sent in a SOAP envelope, and the reply read into one record. Blocks until
// the reply arrives.

#include <QList>

#include <cstdio>

#include "agencyclient.h"
#include "cstring.h"

struct StructT1013SoapResult
{
    int receivedFormsCount = 0;     // T1013: the forms the agency received
    CString confirmationNumber;
    CString message;                // codes and messages read, or a failure text
    QList<CString> responseCodes;   // every response or error code, in reply order
};

// The map of each service, every text escaped once as it is put.
void putT1013Values(AgencyValues& values, const CString& efilerId, const CString& password);
void putPadValues(AgencyValues& values, const CString& efilerId, const CString& password,
                  const CString& softwareCode, const CString& revisionDate, const CString& sin);

// isT1013 true for the authorisation service, false for the debit service.
// 0 when the reply was XML and read, -1 envelope not built, -10 post
// failed, -99 exception while posting, -100 reply not XML.
int T1013orT183PadSOAP_request(bool isT1013, AgencyValues& values, const char* file, StructT1013SoapResult* result);
// Part one, the file's content on one line (every CR and LF taken out) and
// the end part: 0, the template's result, or -100 when the file cannot be read.
int GetT1013OrT183PadRequest(bool isT1013, AgencyValues& values, const char* file, CString& out);

// The readers of each service's reply; the result file and its path are
// not used. Both return 0.
int parseT1013SoapResponseResult(FILE* resultFile, const CString& resultPath, const TiXmlElement* root,
                                 StructT1013SoapResult* result);
int parseT183PADSoapResponseResult(FILE* resultFile, const CString& resultPath, const TiXmlElement* root,
                                   StructT1013SoapResult* result);

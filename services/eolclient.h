#pragma once
// The agency's EFILE service: a return prepared by a tax preparer, sent
// over SOAP, and the reply read into a result record. Blocks until the
// reply arrives.

#include <cstdio>
#include <string>

#include "agencyclient.h"
#include "cstring.h"

struct StructEOLSoapResult
{
    CString resultCode = "-100";   // "-1" when the reply is not XML or holds nothing known
    CString transmissionNumber;
    CString spare;
    CString errorCodes;            // processing-error codes, one after another
    CString cvIndicator;
    CString message;
};

// 0 when a reply was read, 1 not XML, -2 nothing known in it, -10 envelope
// not built or post failed with nothing sent, kNoReplyAfterSending when the
// return went out and no reply came in time, -99 exception while posting.
int EOLSOAP_request(AgencyValues& values, const char* workFile, StructEOLSoapResult* result);
// The return element (or the T1135 statement) of the work file, its
// "\r\r\n" made "\r\n", between the two parts: 0, -1 or -10.
int GetEfileRequest(bool isT1Return, AgencyValues& values, const char* workFile, CString& out);
int ComposeEfileRequest(CString& out, AgencyValues& values, const CString& element);
// Kind 1 for EFILE; 101 reads the form-filing reply.
int parseEOLSoapResponseResult(FILE* resultFile, const std::string& reply, int kind, StructEOLSoapResult* result);

// The first three characters of the result code: "180", "182", "183", "580"
// or "582" (efile), "480" or "481" (not efile).
bool isEfileAcceptedCode(const CString& resultCode, bool efile);
bool isEfileAcceptedCode(const StructEOLSoapResult* result, bool efile);
// "184": accepted for review.
bool isEfileReviewCode(const CString& resultCode);
bool isEfileReviewCode(const StructEOLSoapResult* result);

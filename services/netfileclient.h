#pragma once
// The agency's NETFILE service: its terms and conditions (NETFILE or
// ReFILE) and the submission of an individual's return. The envelope
// builder and the reply reader also serve the T1135 client. Every exchange
// blocks until the reply arrives.

#include <cstdio>
#include <string>

#include "agencyclient.h"
#include "cstring.h"

struct StructNetfileSoapResult
{
    // Return reply: true with a confirmation. Terms reply: false on failure.
    bool accepted = false;
    CString confirmationCode;   // the confirmation code; the terms' hyperlink text
    CString spare;
    CString message;            // the lines read, or the fault text; the terms text
    CString resultCode;         // "ResultCode" with error codes appended; the terms' hyperlink target
};

// Reply kinds of the reader.
constexpr int kNetfileReplyKind = 1;
constexpr int kT1135ReplyKind = 101;

// The terms exchange alone: 0, -9 (envelope), -50 (post failed), 51 (reply
// not readable) or -99.
int NetfileSOAP_request1_internal(StructNetfileSoapResult* result, bool refile);
// 0 when the terms were read, -1 otherwise.
int parseNetfileTermSoapResponseResult(const std::string& reply, StructNetfileSoapResult* result);

// The return submission: 0 when a reply was read (accepted or not), 1 when
// it was not XML, -10 (envelope), -20 (post failed, nothing sent),
// kNoReplyAfterSending (sent, no reply in time) or -99.
int NetfileSOAP_request2(AgencyValues& values, const char* workFile, StructNetfileSoapResult* result);

// Part one, the return element (or the T1135 statement when isT1Return is
// false) cut from the work file, and the end part: 0, -1 or -10.
int GetNetfileRequest(bool isT1Return, AgencyValues& values, const char* workFile, CString& out);
int ComposeNetfileRequest(CString& out, AgencyValues& values, const CString& element);

// Reads a return reply (kind 1, or 101 for the T1135 service) and writes
// its message to `resultFile` (may be null): 0, or 1 when not XML.
int parseNetfileSoapResponseResult(FILE* resultFile, int kind, const std::string& reply,
                                   StructNetfileSoapResult* result);

// The element from the first `startTag` through the first `endTag` of the
// work file: 0, or -1 when the file cannot be read or the element is missing.
int cutWorkFileElement(const char* workFile, const char* startTag, const char* endTag, CString& element);

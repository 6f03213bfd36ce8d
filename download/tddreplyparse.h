#pragma once
// Reading the tax-data service's replies, apart from storing: the result of
// a stage or data reply, each person's item of an auto-fill delivery, and a
// whole reply per notice of a notice delivery. Everything is cut from the
// parsed document, whatever namespace prefixes the agency writes.

#include <string>
#include <vector>

#include "cstring.h"

struct StructTDDSoapResult
{
    CString ReturnCode;
    std::string value; // text of the asked sub-element
    CString error;     // fault string or a fixed message
};

// Reads Body/<responseTag>/ReturnCode and <subTag>: 0 when the response
// element is there, 1 when the reply is not XML, 10 when it is a fault or
// holds no response (error text set).
constexpr int kTokenReplyFault = 10;
int parseTDDTokenSoapResponseResult(std::string& reply, const char* responseTag, const char* subTag,
                                    StructTDDSoapResult* result);

constexpr int kReplyNotXml = -2;
constexpr int kReplyNoResponse = -5;

// The XML text of each IndividualIncomeTaxDataItem of an auto-fill data
// reply, in order; the count, or kReplyNotXml / kReplyNoResponse.
int readTddPersonItems(const std::string& reply, std::vector<std::string>& items);

// For each NoticeOfAssessmentItem of a notice data reply, the whole reply
// holding that one notice only; the count, or kReplyNotXml /
// kReplyNoResponse.
int readNoticeReplies(const std::string& reply, std::vector<std::string>& notices);

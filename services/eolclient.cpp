#include "eolclient.h"

#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "netfileclient.h"
#include "templateprocessor.h"
#include "utils.h"
#include "xmlguard.h"

namespace {

const TiXmlElement* firstLine(MyTiXmlHandle parent)
{
    return parent.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:MessageText").ToElement();
}

// Lines each followed by "\r\n", apostrophes plain; the message is emptied
// first only when there is a line.
void putLines(CString& message, const TiXmlElement* first)
{
    if (!first) return;
    message.Empty();
    for (const TiXmlElement* line = first; line; line = nextMessageLine(line))
        message += withPlainApostrophes(elementText(line)) + "\r\n";
}

void readProcessingError(MyTiXmlHandle error, StructEOLSoapResult* result)
{
    putLines(result->message, firstLine(error));
    MyTiXmlHandle description = error.FirstChildElement("t1rsp:ErrorCodeDescription");
    if (const TiXmlElement* code = description.FirstChildElement("t1rsp:ErrorCode").ToElement()) {
        const CString text = elementText(code);
        result->errorCodes += text;
        result->message += "Error code: (" + text + ")\r\n";
    }
    const TiXmlElement* line = firstLine(description);
    if (line) result->message += "Error Message:\r\n";
    for (bool first = true; line; line = nextMessageLine(line), first = false) {
        if (!first) result->message += "\r\n";
        result->message += withPlainApostrophes(elementText(line));
    }
}

// The first element of that local name at any depth under `element`.
const TiXmlElement* findDescendant(const TiXmlElement* element, const char* name)
{
    for (const TiXmlElement* child = element ? element->FirstChildElement() : nullptr; child;
         child = child->NextSiblingElement()) {
        if (xmlLocalNameIs(child, name)) return child;
        if (const TiXmlElement* found = findDescendant(child, name)) return found;
    }
    return nullptr;
}

bool startsWithAny(const CString& code, std::initializer_list<const char*> prefixes)
{
    const QByteArray first = code.bytes().left(3);
    for (const char* prefix : prefixes)
        if (first == prefix) return true;
    return false;
}

} // namespace

bool isEfileAcceptedCode(const CString& resultCode, bool efile)
{
    return efile ? startsWithAny(resultCode, {"180", "182", "183", "580", "582"})
                 : startsWithAny(resultCode, {"480", "481"});
}

bool isEfileAcceptedCode(const StructEOLSoapResult* result, bool efile)
{
    return result && isEfileAcceptedCode(result->resultCode, efile);
}

bool isEfileReviewCode(const CString& resultCode) { return startsWithAny(resultCode, {"184"}); }

bool isEfileReviewCode(const StructEOLSoapResult* result) { return result && isEfileReviewCode(result->resultCode); }

int ComposeEfileRequest(CString& out, AgencyValues& values, const CString& element)
{
    ensureAgencyTemplates();
    out.Empty();
    if (processTemplatePartInString(out, ":/net/net/ewspart1.xmt", values, 0) != 0) return -1;
    out += element;
    return processTemplatePartInString(out, ":/net/net/ewspartend.xmt", AgencyValues(), 0) != 0 ? -10 : 0;
}

int GetEfileRequest(bool isT1Return, AgencyValues& values, const char* workFile, CString& out)
{
    CString element;
    const int rc = isT1Return ? cutWorkFileElement(workFile, "<t1:T1Return", "</t1:T1Return>", element)
                              : cutWorkFileElement(workFile, "<t1135:ForeignIncomeVerificationStatement",
                                                   "</t1135:ForeignIncomeVerificationStatement>", element);
    if (rc != 0) return -1;
    element.Replace("\r\r\n", "\r\n");
    return ComposeEfileRequest(out, values, element);
}

int parseEOLSoapResponseResult(FILE* resultFile, const std::string& reply, int kind, StructEOLSoapResult* result)
{
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) {
        result->resultCode = "-1";
        result->errorCodes = "response error";
        return 1;
    }
    int rc = 0;
    MyTiXmlHandle body = MyTiXmlHandle(document.RootElement()).FirstChildElement("soapenv:Body");
    MyTiXmlHandle response =
        body.FirstChildElement(kind == kT1135ReplyKind ? "FrrmsEfileReturnResponse" : "t1ersp:EfileReturnResponse");
    if (const TiXmlElement* element = response.ToElement()) {
        result->message = CString(QByteArray::fromStdString(reply));
        result->resultCode = getElementSubEleStringText(element, "ResultCode");
        MyTiXmlHandle fileResponse = response.FirstChildElement("t1rsp:FileReturnResponse");
        if (isEfileAcceptedCode(result->resultCode, kind != kT1135ReplyKind)) {
            result->transmissionNumber = elementText(findDescendant(element, "TransmissionNumber"));
            result->cvIndicator = elementText(findDescendant(element, "t1ersp:CvIndicator"));
            const TiXmlElement* line = firstLine(fileResponse.FirstChildElement("t1rsp:Confirmation"));
            for (bool first = true; line; line = nextMessageLine(line), first = false) {
                if (first)
                    result->message = elementText(line);
                else
                    result->message += "\n" + elementText(line);
            }
        } else if (isEfileReviewCode(result->resultCode)) {
            if (!fileResponse.FirstChildElement("t1rsp:ProcessingError").isNull())
                readProcessingError(fileResponse.FirstChildElement("t1rsp:ProcessingError"), result);
        } else if (!fileResponse.FirstChildElement("t1rsp:Rejection").isNull()) {
            putLines(result->message, firstLine(fileResponse.FirstChildElement("t1rsp:Rejection")));
        } else if (!fileResponse.FirstChildElement("t1rsp:SystemError").isNull()) {
            putLines(result->message, firstLine(fileResponse.FirstChildElement("t1rsp:SystemError")));
        } else if (!fileResponse.FirstChildElement("t1rsp:ProcessingError").isNull()) {
            readProcessingError(fileResponse.FirstChildElement("t1rsp:ProcessingError"), result);
        }
    } else if (MyTiXmlHandle fault = body.FirstChildElement("soapenv:Fault"); !fault.isNull()) {
        const TiXmlElement* text = fault.FirstChildElement("faultstring").ToElement();
        result->message = text ? elementText(text) : CString("XML fault error");
    } else if (MyTiXmlHandle frrms = body.FirstChildElement("FrrmsEfileReturnResponse"); !frrms.isNull()) {
        result->resultCode = getElementSubEleStringText(frrms.ToElement(), "ResultCode");
        result->message = elementText(firstLine(
            frrms.FirstChildElement("t1rsp:FileReturnResponse").FirstChildElement("t1rsp:Rejection")));
    } else if (MyTiXmlHandle notice = body.FirstChildElement("pfeo:EolResponse"); !notice.isNull()) {
        result->resultCode = getElementSubEleStringText(notice.ToElement(), "resultCode");
        result->message = "132 means EFile system is not operational at this time.";
    } else {
        result->resultCode = "-1";
        result->message = "Efile error, no response, nor fault error";
        rc = -2;
    }
    writeResult(resultFile, result->message + "\n");
    return rc;
}

int EOLSOAP_request(AgencyValues& values, const char* workFile, StructEOLSoapResult* result)
{
    const AgencySettings settings = agencySettings();
    FilingResultFile resultFile(settings.resultFilePath, "wt");
    putEnvelopeDefaults(values);
    CString envelope;
    if (GetEfileRequest(true, values, workFile, envelope) != 0) {
        resultFile.write("Efile request creation failed.\n");
        return -10;
    }
    if (settings.testMode) {
        resultFile.writeTrace(envelope);
    } else {
        resultFile.write(GetCurTime(0) + "\n");
        resultFile.flush();
    }

    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.efileHost, kEfileServicePath), envelope, settings.timeoutMs,
                               reply)) {
    case AgencyPost::Failed:
        resultFile.write("EFile web service failed.\n");
        return -10;
    case AgencyPost::Exception:
        resultFile.write("Please try again, make sure Quillmere is permitted by firewall to use Internet.\n");
        resultFile.flush();
        return -99;
    case AgencyPost::Done:
        break;
    }
    return parseEOLSoapResponseResult(resultFile.file(), reply, 1, result);
}

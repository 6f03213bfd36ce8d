#include "eolclient.h"

#include <initializer_list>
#include <tinyxml.h>

#include "agencyreplytext.h"
#include "mytixmlhandle.h"
#include "netfileclient.h"
#include "xmlguard.h"

namespace {

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
            const TiXmlElement* line = firstMessageLine(fileResponse.FirstChildElement("t1rsp:Confirmation"));
            for (bool first = true; line; line = nextMessageLine(line), first = false) {
                if (first)
                    result->message = elementText(line);
                else
                    result->message += "\n" + elementText(line);
            }
        } else if (isEfileReviewCode(result->resultCode)) {
            if (MyTiXmlHandle error = fileResponse.FirstChildElement("t1rsp:ProcessingError"); !error.isNull())
                readProcessingError(error, result->message, result->errorCodes);
        } else {
            readRefusal(fileResponse, result->message, result->errorCodes);
        }
    } else if (MyTiXmlHandle fault = body.FirstChildElement("soapenv:Fault"); !fault.isNull()) {
        const TiXmlElement* text = fault.FirstChildElement("faultstring").ToElement();
        result->message = text ? elementText(text) : CString("XML fault error");
    } else if (MyTiXmlHandle frrms = body.FirstChildElement("FrrmsEfileReturnResponse"); !frrms.isNull()) {
        result->resultCode = getElementSubEleStringText(frrms.ToElement(), "ResultCode");
        result->message = elementText(firstMessageLine(
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

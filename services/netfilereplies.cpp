#include "netfileclient.h"

#include <tinyxml.h>

#include "agencyreplytext.h"
#include "mytixmlhandle.h"
#include "xmlguard.h"

int parseNetfileTermSoapResponseResult(const std::string& reply, StructNetfileSoapResult* result)
{
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) {
        // The gate refuses a reply whole, so there is no partly parsed
        // document to look for terms in: the reply stays "response error".
        result->accepted = false;
        result->resultCode = "response error";
        return -1;
    }
    MyTiXmlHandle terms = MyTiXmlHandle(document.RootElement())
                              .FirstChildElement("soapenv:Body")
                              .FirstChildElement("t1rsp:TermsAndConditionsResponse")
                              .FirstChildElement("t1rsp:TermsAndConditions");
    if (terms.isNull()) {
        result->accepted = false;
        result->resultCode = "unknown response error";
        return -1;
    }
    for (const TiXmlElement* line = firstMessageLine(terms); line; line = nextMessageLine(line))
        result->message += elementText(line) + "\r\n";
    if (const TiXmlElement* link =
            terms.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:Hyperlink").ToElement()) {
        result->confirmationCode = getElementSubEleStringText(link, "t1rsp:HyperlinkText");
        result->resultCode = getElementSubEleStringText(link, "t1rsp:HyperlinkTarget");
    }
    return 0;
}

int parseNetfileSoapResponseResult(FILE* resultFile, int kind, const std::string& reply,
                                   StructNetfileSoapResult* result)
{
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) {
        result->accepted = false;
        result->resultCode = "response error";
        writeResult(resultFile, "response error\n\n");
        return 1;
    }
    MyTiXmlHandle body = MyTiXmlHandle(document.RootElement()).FirstChildElement("soapenv:Body");
    MyTiXmlHandle response =
        body.FirstChildElement(kind == kT1135ReplyKind ? "FrrmsNetfileReturnResponse" : "t1rsp:NetfileReturnResponse");
    if (const TiXmlElement* code = response.FirstChildElement("ResultCode").ToElement())
        result->resultCode = elementText(code);

    MyTiXmlHandle fileResponse = response.FirstChildElement("t1rsp:FileReturnResponse");
    if (fileResponse.isNull()) {
        result->accepted = false;
        const TiXmlElement* fault =
            body.FirstChildElement("soapenv:Fault").FirstChildElement("faultstring").ToElement();
        result->message = fault ? elementText(fault) : CString("Error: no T1 return response and Fault");
    } else if (!fileResponse.FirstChildElement("t1rsp:Confirmation").isNull()) {
        MyTiXmlHandle confirmation = fileResponse.FirstChildElement("t1rsp:Confirmation");
        result->accepted = true;
        result->confirmationCode = getElementSubEleStringText(confirmation.ToElement(), "t1rsp:ConfirmationCode");
        for (const TiXmlElement* line = firstMessageLine(confirmation); line; line = nextMessageLine(line))
            result->message += elementText(line) + "\r\n";
    } else {
        result->accepted = false;
        readRefusal(fileResponse, result->message, result->resultCode);
    }
    writeResult(resultFile, result->message + "\n\n");
    return 0;
}

#include "t1013client.h"

#include <tinyxml.h>

#include "agencyreplytext.h"
#include "mytixmlhandle.h"

namespace {

// Each element from `first` on, with every following sibling: its text to
// the codes and, with a blank, to the message.
void addCodes(const TiXmlElement* first, StructT1013SoapResult* result)
{
    for (const TiXmlElement* code = first; code; code = code->NextSiblingElement()) {
        const CString text = elementText(code);
        result->responseCodes.append(text);
        result->message += text + " ";
    }
}

} // namespace

int parseT1013SoapResponseResult(FILE*, const CString&, const TiXmlElement* root, StructT1013SoapResult* result)
{
    MyTiXmlHandle body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body");
    MyTiXmlHandle batch = body.FirstChildElement("trisr:Response").FirstChildElement("trisr:BatchResponse");
    if (const TiXmlElement* detail = batch.FirstChildElement("trisr:BatchResponseDetail").ToElement()) {
        result->receivedFormsCount = getElementSubEleStringAsInt(detail, "trisr:ReceivedFormsCount", 0);
        result->confirmationNumber = getElementSubEleStringText(detail, "trisr:ConfirmationNumber");
    }
    result->message = "response codes: ";
    MyTiXmlHandle codes = batch.FirstChildElement("trisr:ResponseCodes");
    addCodes(codes.FirstChildElement("trisr:BatchLevelResponse")
                 .FirstChildElement("trisr:BatchResponseCode")
                 .FirstChildElement("trisr:ResponseCode")
                 .ToElement(),
             result);
    addCodes(codes.FirstChildElement("trisr:FormLevelResponse")
                 .FirstChildElement("trisr:FormResponseCode")
                 .FirstChildElement("trisr:ResponseCode")
                 .ToElement(),
             result);
    addCodes(batch.FirstChildElement("trisr:RejectedBatchForms")
                 .FirstChildElement("trisr:BatchLevelError")
                 .FirstChildElement("trisr:BatchErrorCode")
                 .FirstChildElement("trisr:ErrorCode")
                 .ToElement(),
             result);
    if (const TiXmlElement* fault = body.FirstChildElement("soapenv:Fault").ToElement())
        result->message += " Fault code: " + getElementSubEleStringText(fault, "faultcode") + " details:" +
                           getElementSubEleStringText(fault, "faultstring");
    return 0;
}

int parseT183PADSoapResponseResult(FILE*, const CString&, const TiXmlElement* root, StructT1013SoapResult* result)
{
    MyTiXmlHandle body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body");
    MyTiXmlHandle response = body.FirstChildElement("padrsp:PadCreateResponse");
    const TiXmlElement* start = nullptr;
    if (MyTiXmlHandle confirmation = response.FirstChildElement("padrsp:Confirmation"); !confirmation.isNull()) {
        result->confirmationNumber = getElementSubEleStringText(confirmation.ToElement(), "padrsp:ConfirmationNumber");
        start = confirmation.FirstChildElement("padrsp:ResponseCodeDescription").ToElement();
    }
    // The last of these present gives the codes and messages.
    for (const char* kind : {"padrsp:Rejection", "padrsp:ProcessingError", "padrsp:SystemError"})
        if (MyTiXmlHandle found = response.FirstChildElement(kind); !found.isNull())
            start = found.FirstChildElement("padrsp:ResponseCodeDescription").ToElement();
    for (const TiXmlElement* description = start; description; description = description->NextSiblingElement()) {
        result->responseCodes.append(getElementSubEleStringText(description, "padrsp:ResponseCode"));
        result->message += elementText(MyTiXmlHandle(description)
                                           .FirstChildElement("padrsp:EnglishMessage")
                                           .FirstChildElement("padrsp:MessageText")
                                           .ToElement()) +
                           "\n";
    }
    if (const TiXmlElement* fault = body.FirstChildElement("soapenv:Fault").ToElement())
        result->message += getElementSubEleStringText(fault, "faultstring");
    return 0;
}

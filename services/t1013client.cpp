#include "t1013client.h"

#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "templateprocessor.h"
#include "utils.h"
#include "xmlguard.h"

namespace {

// The generated file is read in chunks of this size.
constexpr size_t kChunkBytes = 8092;

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

void putT1013Values(AgencyValues& values, const CString& efilerId, const CString& password)
{
    putEscaped(values, "efilerid", efilerId);
    putEscaped(values, "password", password);
    values["taxyear"] = "2021";
}

void putPadValues(AgencyValues& values, const CString& efilerId, const CString& password,
                  const CString& softwareCode, const CString& revisionDate, const CString& sin)
{
    putEscaped(values, "efilerid", efilerId);
    putEscaped(values, "password", password);
    putEscaped(values, "softwarecode", softwareCode);
    putEscaped(values, "revdate", revisionDate);
    putEscaped(values, "sin", sin);
}

int GetT1013OrT183PadRequest(bool isT1013, AgencyValues& values, const char* file, CString& out)
{
    ensureAgencyTemplates();
    if (!values.count("nshost")) putEnvelopeDefaults(values);
    out.Empty();
    if (const int rc = processTemplatePartInString(
            out, isT1013 ? ":/net/net/t1013wspart1.xmt" : ":/net/net/t183padwspart1.xmt", values, 0))
        return rc;

    FILE* in = file ? std::fopen(file, "rb") : nullptr;
    if (!in) return -100;
    QByteArray content;
    char chunk[kChunkBytes];
    for (size_t got; (got = std::fread(chunk, 1, kChunkBytes, in)) >= 1;) content.append(chunk, int(got));
    std::fclose(in);
    content.replace('\r', QByteArray()).replace('\n', QByteArray());
    out += CString(content);

    return processTemplatePartInString(
        out, isT1013 ? ":/net/net/t1013wspartend.xmt" : ":/net/net/t183padwspartend.xmt", AgencyValues(), 0);
}

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

int T1013orT183PadSOAP_request(bool isT1013, AgencyValues& values, const char* file, StructT1013SoapResult* result)
{
    const AgencySettings settings = agencySettings();
    FilingResultFile resultFile(settings.resultFilePath, "wt");
    putEnvelopeDefaults(values);
    CString envelope;
    if (GetT1013OrT183PadRequest(isT1013, values, file, envelope) != 0) {
        resultFile.write("\n\n" + GetCurTime(0) + "\n");
        resultFile.write("request creation failed.\n");
        result->message = "request creation failed.";
        return -1;
    }
    if (settings.testMode) {
        resultFile.writeTrace(envelope);
    } else {
        resultFile.write("\n\n" + GetCurTime(0) + "\n");
        resultFile.flush();
    }

    int rc = 0;
    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.t1013Host, isT1013 ? kT1013ServicePath : kPadServicePath),
                               envelope, settings.timeoutMs, reply)) {
    case AgencyPost::Failed:
        resultFile.write("T1013 web service failed.\n");
        result->message = "web service failed.";
        rc = -10;
        break;
    case AgencyPost::Exception:
        resultFile.write("Please try again, make sure Quillmere is allowed by firewall to use Internet.\n");
        result->message = "web service exception failed.";
        rc = -99;
        break;
    case AgencyPost::Done:
        break;
    }
    resultFile.write(CString(QByteArray::fromStdString(reply)));

    if (rc == 0) {
        TiXmlDocument document;
        if (!parseXmlReply(reply, document)) {
            resultFile.write("cannot parse returned response.\n");
            result->message = "response parse failed.";
            rc = -100;
        } else if (isT1013) {
            parseT1013SoapResponseResult(resultFile.file(), settings.resultFilePath, document.RootElement(), result);
        } else {
            parseT183PADSoapResponseResult(resultFile.file(), settings.resultFilePath, document.RootElement(), result);
        }
    }
    resultFile.write(result->message + "\n\n");
    resultFile.close();
    return rc;
}

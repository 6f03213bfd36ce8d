#include "netfileclient.h"

#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "templateprocessor.h"
#include "utils.h"
#include "xmlguard.h"

namespace {

constexpr const char* kFirewallLine = "Please try again, make sure Quillmere is permitted by firewall to use Internet.\n";

// Each element from `first` on, with its following siblings: its text, then
// `after`. The message is emptied first only when there is a line.
void putLines(CString& message, const TiXmlElement* first, bool plainApostrophes)
{
    if (!first) return;
    message.Empty();
    for (const TiXmlElement* line = first; line; line = nextMessageLine(line)) {
        const CString text = elementText(line);
        message += plainApostrophes ? withPlainApostrophes(text) : text;
        message += "\r\n";
    }
}

const TiXmlElement* firstLine(MyTiXmlHandle parent)
{
    return parent.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:MessageText").ToElement();
}

void readProcessingError(MyTiXmlHandle error, StructNetfileSoapResult* result)
{
    putLines(result->message, firstLine(error), true);
    MyTiXmlHandle description = error.FirstChildElement("t1rsp:ErrorCodeDescription");
    if (const TiXmlElement* code = description.FirstChildElement("t1rsp:ErrorCode").ToElement()) {
        const CString text = elementText(code);
        result->resultCode += text;
        result->message += "Error code: (" + text + ")\r\n";
    }
    const TiXmlElement* line = firstLine(description);
    if (line) result->message += "Error Message:\r\n";
    for (bool first = true; line; line = nextMessageLine(line), first = false) {
        if (!first) result->message += "\r\n";
        result->message += withPlainApostrophes(elementText(line));
    }
}

} // namespace

int cutWorkFileElement(const char* workFile, const char* startTag, const char* endTag, CString& element)
{
    QByteArray bytes;
    if (!workFile || loadFileToString(QString::fromUtf8(workFile), bytes) != 0) return -1;
    const int start = bytes.indexOf(startTag);
    const int end = start < 0 ? -1 : bytes.indexOf(endTag);
    if (start < 0 || end <= start) return -1;
    element = CString(bytes.mid(start, end + int(qstrlen(endTag)) - start));
    return 0;
}

int ComposeNetfileRequest(CString& out, AgencyValues& values, const CString& element)
{
    ensureAgencyTemplates();
    out.Empty();
    if (processTemplatePartInString(out, ":/net/net/nwspart1.xmt", values, 0) != 0) return -1;
    out += element;
    CString end;
    if (processTemplatePartInString(end, ":/net/net/nwspartend.xmt", values, 0) != 0) return -10;
    out += end;
    return 0;
}

int GetNetfileRequest(bool isT1Return, AgencyValues& values, const char* workFile, CString& out)
{
    CString element;
    const int rc = isT1Return ? cutWorkFileElement(workFile, "<t1:T1Return", "</t1:T1Return>", element)
                              : cutWorkFileElement(workFile, "<t1135:ForeignIncomeVerificationStatement",
                                                   "</t1135:ForeignIncomeVerificationStatement>", element);
    if (rc != 0) return -1;
    return ComposeNetfileRequest(out, values, element);
}

int parseNetfileTermSoapResponseResult(const std::string& reply, StructNetfileSoapResult* result)
{
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) {
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
    for (const TiXmlElement* line = firstLine(terms); line; line = nextMessageLine(line))
        result->message += elementText(line) + "\r\n";
    if (const TiXmlElement* link =
            terms.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:Hyperlink").ToElement()) {
        result->confirmationCode = getElementSubEleStringText(link, "t1rsp:HyperlinkText");
        result->resultCode = getElementSubEleStringText(link, "t1rsp:HyperlinkTarget");
    }
    return 0;
}

int NetfileSOAP_request1_internal(StructNetfileSoapResult* result, bool refile)
{
    const AgencySettings settings = agencySettings();
    FilingResultFile resultFile(settings.resultFilePath, "at");
    resultFile.write("\n\n" + GetCurTime(0) + " \n");
    resultFile.flush();

    AgencyValues values;
    putEnvelopeDefaults(values);
    values["termrequestkw"] = refile ? "RefileTermsAndConditionsRequest" : "TermsAndConditionsRequest";
    CString envelope;
    if (processTemplatePartInString(envelope, ":/net/net/nwsreq.xmt", values, 0) != 0) {
        resultFile.write("cannot assemble request of Netfile Term and Agreement.\n");
        return -9;
    }

    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.netfileHost, kNetfileServicePath), envelope, settings.timeoutMs,
                               reply)) {
    case AgencyPost::Failed:
        resultFile.write("read Netfile Term failed.\n");
        return -50;
    case AgencyPost::Exception:
        resultFile.write(kFirewallLine);
        resultFile.flush();
        return -99;
    case AgencyPost::Done:
        break;
    }
    if (parseNetfileTermSoapResponseResult(reply, result) != 0) {
        resultFile.write("parses Netfile Term failed.\n");
        return 51;
    }
    return 0;
}

int NetfileSOAP_request2(AgencyValues& values, const char* workFile, StructNetfileSoapResult* result)
{
    const AgencySettings settings = agencySettings();
    FilingResultFile resultFile(settings.resultFilePath, "wt");
    putEnvelopeDefaults(values);
    CString envelope;
    if (GetNetfileRequest(true, values, workFile, envelope) != 0) {
        resultFile.write("cannot assemble Netfile request.\n");
        return -10;
    }
    if (settings.testMode) {
        resultFile.writeTrace(envelope);
    } else {
        resultFile.write(GetCurTime(0) + "\n");
        resultFile.flush();
    }

    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.netfileHost, kNetfileServicePath), envelope, settings.timeoutMs,
                               reply)) {
    case AgencyPost::Failed:
        resultFile.write("\n" + CString(QByteArray::fromStdString(reply)) + "\n");
        return -20;
    case AgencyPost::Exception:
        resultFile.write(kFirewallLine);
        resultFile.flush();
        return -99;
    case AgencyPost::Done:
        break;
    }
    return parseNetfileSoapResponseResult(resultFile.file(), kNetfileReplyKind, reply, result);
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
        for (const TiXmlElement* line = firstLine(confirmation); line; line = nextMessageLine(line))
            result->message += elementText(line) + "\r\n";
    } else {
        result->accepted = false;
        if (!fileResponse.FirstChildElement("t1rsp:Rejection").isNull())
            putLines(result->message, firstLine(fileResponse.FirstChildElement("t1rsp:Rejection")), true);
        else if (!fileResponse.FirstChildElement("t1rsp:SystemError").isNull())
            putLines(result->message, firstLine(fileResponse.FirstChildElement("t1rsp:SystemError")), true);
        else if (!fileResponse.FirstChildElement("t1rsp:ProcessingError").isNull())
            readProcessingError(fileResponse.FirstChildElement("t1rsp:ProcessingError"), result);
    }
    writeResult(resultFile, result->message + "\n\n");
    return 0;
}

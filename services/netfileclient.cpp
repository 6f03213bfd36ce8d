#include "netfileclient.h"

#include "templateprocessor.h"
#include "utils.h"

namespace {

constexpr const char* kFirewallLine =
    "Please try again, make sure Quillmere is permitted by firewall to use Internet.\n";

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
    putNamespaceHost(values);
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
    case AgencyPost::Unanswered:
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
    resultFile.startExchange(envelope, settings.testMode, GetCurTime(0) + "\n");

    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.netfileHost, kNetfileServicePath), envelope, settings.timeoutMs,
                               reply)) {
    case AgencyPost::Failed:
        resultFile.write("\n" + CString(QByteArray::fromStdString(reply)) + "\n");
        return -20;
    case AgencyPost::Unanswered:
        resultFile.write(kNoReplyAfterSendingLine);
        return kNoReplyAfterSending;
    case AgencyPost::Exception:
        resultFile.write(kFirewallLine);
        resultFile.flush();
        return -99;
    case AgencyPost::Done:
        break;
    }
    return parseNetfileSoapResponseResult(resultFile.file(), kNetfileReplyKind, reply, result);
}

#include "eolclient.h"

#include "netfileclient.h"
#include "templateprocessor.h"
#include "utils.h"

int ComposeEfileRequest(CString& out, AgencyValues& values, const CString& element)
{
    ensureAgencyTemplates();
    putNamespaceHost(values);
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
    resultFile.startExchange(envelope, settings.testMode, GetCurTime(0) + "\n");

    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.efileHost, kEfileServicePath), envelope, settings.timeoutMs,
                               reply)) {
    case AgencyPost::Failed:
        resultFile.write("EFile web service failed.\n");
        return -10;
    case AgencyPost::Unanswered:
        resultFile.write(kNoReplyAfterSendingLine);
        return kNoReplyAfterSending;
    case AgencyPost::Exception:
        resultFile.write("Please try again, make sure Quillmere is permitted by firewall to use Internet.\n");
        resultFile.flush();
        return -99;
    case AgencyPost::Done:
        break;
    }
    return parseEOLSoapResponseResult(resultFile.file(), reply, 1, result);
}

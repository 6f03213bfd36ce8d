#include "t1135client.h"

#include "netfileclient.h"
#include "utils.h"

int T1135SOAP_request(AgencyValues& values, const char* workFile, StructT1135SoapResult* result)
{
    const AgencySettings settings = agencySettings();
    FilingResultFile resultFile(settings.resultFilePath, "wt");
    putEnvelopeDefaults(values);
    CString envelope;
    if (GetNetfileRequest(false, values, workFile, envelope) != 0) {
        resultFile.write("T1135 request creation failed.\n");
        return -1;
    }
    resultFile.startExchange(envelope, settings.testMode, GetCurTime(0) + "\n");

    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.t1135Host, kT1135ServicePath), envelope, settings.timeoutMs,
                               reply)) {
    case AgencyPost::Failed:
    case AgencyPost::Unanswered:
        resultFile.write("T1135 web service failed.\n");
        resultFile.flush();
        return -10;
    case AgencyPost::Exception:
        resultFile.write("Please try again, make sure Quillmere is permitted by firewall to use Internet.\n");
        resultFile.flush();
        return -99;
    case AgencyPost::Done:
        resultFile.write("\n" + CString(QByteArray::fromStdString(reply)) + "\n");
        resultFile.flush();
        break;
    }

    StructNetfileSoapResult read;
    if (const int rc = parseNetfileSoapResponseResult(resultFile.file(), kT1135ReplyKind, reply, &read)) return rc;
    result->accepted = read.accepted ? 1 : 0;
    if (read.accepted) result->confirmationCode = read.confirmationCode;
    result->resultCode = read.resultCode;
    result->message = read.message;
    return 0;
}

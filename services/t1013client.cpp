#include "t1013client.h"

#include <tinyxml.h>

#include "templateprocessor.h"
#include "utils.h"
#include "xmlguard.h"

namespace {

// The generated file is read in chunks of this size.
constexpr size_t kChunkBytes = 8092;

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
    putNamespaceHost(values);
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
    resultFile.startExchange(envelope, settings.testMode, "\n\n" + GetCurTime(0) + "\n");

    int rc = 0;
    std::string reply;
    switch (postAgencyEnvelope(agencyUrl(settings.t1013Host, isT1013 ? kT1013ServicePath : kPadServicePath),
                               envelope, settings.timeoutMs, reply)) {
    case AgencyPost::Failed:
    case AgencyPost::Unanswered:
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

#pragma once
// What every agency filing client shares: where the services are and how
// long an exchange may take, the one post of a SOAP envelope, the filing
// result file written as a trace of each exchange, and the helpers that keep
// secrets out of that trace and values escaped in the envelopes.

#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include <QString>

#include "agencyreplytext.h"
#include "cstring.h"

class CT1AppConfig;

using AgencyValues = std::map<std::string, std::string>;

struct AgencySettings
{
    CString netfileHost;   // host (and port) of each service, without scheme
    CString efileHost;
    CString t1135Host;
    CString t1013Host;     // the T1013 and the pre-authorised debit services
    bool testMode = false; // the trace then holds the envelope sent, masked
    CString resultFilePath;
    int timeoutMs = 60000;
};

using AgencySettingsSource = std::function<AgencySettings()>;
// The settings are read afresh at each exchange; a null source leaves every
// host empty (every post then fails).
void setAgencySettingsSource(AgencySettingsSource source);
AgencySettings agencySettings();
// Hosts and test mode from the configuration, the result file from
// `resultFilePath` (asked at each exchange, so it follows the test mode).
void installAgencySettingsFor(const CT1AppConfig* config, std::function<CString()> resultFilePath);

// Service paths on their hosts.
constexpr const char* kNetfileServicePath = "/ebci/pfno/ws/services/FileReturnService";
constexpr const char* kEfileServicePath = "/ebci/pfeo/ws/services/FileReturnService";
constexpr const char* kT1135ServicePath = "/ebci/efes/frrms/ws/services/FileFormService";
constexpr const char* kT1013ServicePath = "/ebci/tdws/esub/services/TRISWebService";
constexpr const char* kPadServicePath = "/ebci/rjpt/epads_ws/services/PadCreateService";

QString agencyUrl(const CString& host, const char* path);

// The result of a return submission (NETFILE and EFILE) whose request went
// out with no reply after it: the return may have reached the agency.
constexpr int kNoReplyAfterSending = -21;
// Its line in the filing result file.
constexpr const char* kNoReplyAfterSendingLine = "No reply came from CRA after the return was sent.\n";

// Done: a reply came back. Failed: no reply, and the request never went
// out. Unanswered: the request went out and no whole reply came back in
// time, so the agency may hold what was sent.
enum class AgencyPost { Done, Failed, Unanswered, Exception };
// Posts the envelope as "text/xml; charset=UTF-8"; the reply's body, also
// of a fault sent with status 500, lands in `reply`.
AgencyPost postAgencyEnvelope(const QString& url, const CString& envelope, int timeoutMs, std::string& reply);

// Makes the envelope templates (":/net/net/...") and the terms available.
void ensureAgencyTemplates();

// The one way a text goes into a request map: XML-escaped, once.
void putEscaped(AgencyValues& values, const char* key, const CString& text);
// The host of the agency's namespaces, unless the map names one.
void putNamespaceHost(AgencyValues& values);
// Fixed values every submission puts: the namespace host and "origip".
void putEnvelopeDefaults(AgencyValues& values);

// The envelope with the contents of the elements holding a password, an
// access code, a S.I.N. or a birth date (any prefix, also those of the
// return inside) replaced by asterisks.
CString maskedEnvelope(const CString& envelope);

// The filing result file: the trace of one exchange. Opened with "wt"
// (emptied) or "at" (appended); a file that cannot be opened is skipped and
// the exchange goes on. Closed once: writes after the close are ignored.
class FilingResultFile
{
public:
    FilingResultFile(const CString& path, const char* mode);
    ~FilingResultFile();
    FilingResultFile(const FilingResultFile&) = delete;
    FilingResultFile& operator=(const FilingResultFile&) = delete;

    // Null once closed or when it never opened.
    FILE* file() const { return m_file; }
    // Writes the bytes as they are (a "%" stays a "%").
    void write(const CString& text);
    void flush();
    void close();
    // Test mode: the envelope, masked, then the file is closed for good.
    void writeTrace(const CString& envelope);
    // The exchange's first record: the trace in test mode, else the time line.
    void startExchange(const CString& envelope, bool testMode, const CString& timeLine);

private:
    FILE* m_file = nullptr;
};


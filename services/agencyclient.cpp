#include "agencyclient.h"

#include <QRegularExpression>
#include <exception>

#include "deploymentdata.h"
#include "qwebclient.h"
#include "t1appconfig.h"
#include "xmlstring.h"

namespace {

AgencySettingsSource& settingsSource()
{
    static AgencySettingsSource source;
    return source;
}

} // namespace

void setAgencySettingsSource(AgencySettingsSource source) { settingsSource() = std::move(source); }

AgencySettings agencySettings()
{
    const AgencySettingsSource& source = settingsSource();
    return source ? source() : AgencySettings();
}

void installAgencySettingsFor(const CT1AppConfig* config, std::function<CString()> resultFilePath)
{
    setAgencySettingsSource([config, resultFilePath]() {
        AgencySettings settings;
        settings.netfileHost = config->m_NETFILESERVER;
        settings.efileHost = config->m_EOLSERVER;
        settings.t1135Host = config->m_T1135SERVER;
        settings.t1013Host = config->m_T1013SERVER;
        settings.testMode = config->isTestMode();
        if (resultFilePath) settings.resultFilePath = resultFilePath();
        return settings;
    });
}

QString agencyUrl(const CString& host, const char* path)
{
    return QStringLiteral("https://") + host.toQString() + QString::fromLatin1(path);
}

AgencyPost postAgencyEnvelope(const QString& url, const CString& envelope, int timeoutMs, std::string& reply)
{
    reply.clear();
    try {
        QWebClient client(url, false);
        client.setTimeoutMs(timeoutMs);
        if (client.postSoapXML(envelope.toQString(), "text/xml; charset=UTF-8", reply)) return AgencyPost::Done;
        return client.requestSent() ? AgencyPost::Unanswered : AgencyPost::Failed;
    } catch (const std::exception&) {
        return AgencyPost::Exception;
    }
}

static void registerAgencyTemplates() { Q_INIT_RESOURCE(agencysoap); }

void ensureAgencyTemplates()
{
    static const bool done = (registerAgencyTemplates(), true);
    Q_UNUSED(done);
}

void putEscaped(AgencyValues& values, const char* key, const CString& text)
{
    values[key] = xmlEscaped(text.toQString()).c_str();
}

void putNamespaceHost(AgencyValues& values)
{
    if (!values.count("nshost")) values["nshost"] = CDeploymentData::agencyNamespaceHost().c_str();
}

void putEnvelopeDefaults(AgencyValues& values)
{
    putNamespaceHost(values);
    values["origip"] = "0.0.0.0";
}

CString maskedEnvelope(const CString& envelope)
{
    // Matched by local name, whatever the prefix: every element whose name
    // ends in SocialInsuranceNumber or BirthDate (the spouse's and the
    // dependants' too) and every password and access code. The tag and its
    // attributes stay, only the content goes.
    static const QRegularExpression secret(QStringLiteral(
        "(<(?:[A-Za-z0-9_.-]+:)?[A-Za-z0-9_.-]*(?:SocialInsuranceNumber|BirthDate|Password[A-Za-z0-9_.-]*|"
        "AccessCode[A-Za-z0-9_.-]*)(?:\\s[^>]*)?>)[^<]+(</)"),
        QRegularExpression::CaseInsensitiveOption);
    QString text = envelope.toQString();
    text.replace(secret, QStringLiteral("\\1********\\2"));
    return CString(text);
}

FilingResultFile::FilingResultFile(const CString& path, const char* mode)
{
    if (!path.IsEmpty()) m_file = std::fopen(path.c_str(), mode);
}

FilingResultFile::~FilingResultFile() { close(); }

void FilingResultFile::write(const CString& text) { writeResult(m_file, text); }

void FilingResultFile::flush()
{
    if (m_file) std::fflush(m_file);
}

void FilingResultFile::close()
{
    if (!m_file) return;
    std::fclose(m_file);
    m_file = nullptr;
}

void FilingResultFile::writeTrace(const CString& envelope)
{
    write(maskedEnvelope(envelope));
    flush();
    close();
}

void FilingResultFile::startExchange(const CString& envelope, bool testMode, const CString& timeLine)
{
    if (testMode) {
        writeTrace(envelope);
        return;
    }
    write(timeLine);
    flush();
}

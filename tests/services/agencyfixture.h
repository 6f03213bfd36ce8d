#pragma once
// What the agency clients' tests share: the fake agency over TLS, settings
// that send every client there and write the result file into a temporary
// folder, and readers of what the file and the fake received.

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <memory>

#include "agencyclient.h"
#include "fakeagency.h"
#include "fakehttpsserver.h"
#include "qwebclient.h"
#include "tlsfakeagency.h"

class AgencyFixture
{
public:
    bool testMode = false;
    int timeoutMs = 10000;

    bool start(QString* error)
    {
        if (!m_dir.isValid()) {
            *error = QStringLiteral("no temporary folder");
            return false;
        }
        if (!m_tls.start(m_dir.path(), "agency", error)) return false;
        setAgencySettingsSource([this]() { return settings(); });
        return true;
    }

    void stop()
    {
        setAgencySettingsSource(nullptr);
        m_tls.stop();
    }

    // A fresh exchange: nothing scripted or recorded, no result file.
    void reset()
    {
        testMode = false;
        timeoutMs = 10000;
        m_tls.clear();
        QFile::remove(resultPath());
        m_hostOverride.clear();
        m_resultOverride.clear();
    }

    AgencySettings settings() const
    {
        AgencySettings s;
        const CString host = m_hostOverride.isEmpty() ? CString(m_tls.server().host()) : CString(m_hostOverride);
        s.netfileHost = s.efileHost = s.t1135Host = s.t1013Host = host;
        s.testMode = testMode;
        s.resultFilePath = CString(m_resultOverride.isEmpty() ? resultPath() : m_resultOverride);
        s.timeoutMs = timeoutMs;
        return s;
    }

    // Sends every client to another host (a closed port, say).
    void useHost(const QString& host) { m_hostOverride = host; }
    // Sends the result file elsewhere (a path that cannot be opened, say).
    void useResultPath(const QString& path) { m_resultOverride = path; }

    FakeAgency& agency() { return m_tls.agency(); }
    FakeHttpsServer& server() { return m_tls.server(); }
    QString folder() const { return m_dir.path(); }
    QString resultPath() const { return m_dir.path() + "/netfileresult.txt"; }

    QByteArray resultBytes() const
    {
        QFile file(resultPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The result file with its leading time line ("yyyy-MM-dd HH:mm:ss"
    // then `after`) checked and taken off; a null array when it is not there.
    QByteArray afterTimeLine(const QByteArray& before, const QByteArray& after) const
    {
        const QByteArray bytes = resultBytes();
        const QRegularExpression time(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
        if (!bytes.startsWith(before)) return QByteArray();
        const int end = bytes.indexOf(after, before.size());
        if (end < 0 || !time.match(QString::fromUtf8(bytes.mid(before.size(), end - before.size()))).hasMatch())
            return QByteArray();
        return bytes.mid(end + after.size());
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_dir.path() + '/' + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return QString();
        file.write(bytes);
        return path;
    }

private:
    QTemporaryDir m_dir;
    TlsFakeAgency m_tls;
    QString m_hostOverride;
    QString m_resultOverride;
};

// A port on 127.0.0.1 that refuses connections.
inline QString closedHost()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

#pragma once
// What the download tests share: the fake agency with the settings that send
// the service there, a fresh store for each test, the browser's call back
// after sign-in, and a stand-in for the progress dialog.

#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <memory>

#include "fakehttpsserver.h"
#include "hashes.h"
#include "qwebclient.h"
#include "t1appconfig.h"
#include "tddhttpserver.h"
#include "tddwebservice.h"
#include "testauthority.h"
#include "workerdb.h"

constexpr const char* kKey = "TESTKEY0123456789ABCDEFGHIJKLMNO";
// Two valid S.I.N.s.
constexpr const char* kSin1 = "046454286";
constexpr const char* kSin2 = "123456782";

// The hash by which the agency's replies name a person.
inline QByteArray hashOf(const char* sin)
{
    SHA256 sha;
    sha.add(sin, std::strlen(sin));
    return QByteArray::fromStdString(sha.getHash());
}

// One person's item in an auto-fill delivery.
inline QByteArray autoFillItem(const char* sin)
{
    return "<ns2:IndividualIncomeTaxDataItem><ns2:IndividualTaxpayerIdentifier>" + hashOf(sin) +
           "</ns2:IndividualTaxpayerIdentifier></ns2:IndividualIncomeTaxDataItem>";
}

inline QByteArray autoFillDelivery(const QByteArray& items)
{
    return "<ns2:TaxDataDelivery xmlns:ns2=\"urn:tdd\"><ns2:TaxData>" + items + "</ns2:TaxData></ns2:TaxDataDelivery>";
}

// One person's notice of assessment, with its summary text.
inline QByteArray noticeItem(const char* sin, const QByteArray& summary)
{
    return "<NoticeOfAssessmentItem><IndividualTaxpayerIdentifier>" + hashOf(sin) +
           "</IndividualTaxpayerIdentifier><AssessmentSummaryText xml:lang=\"EN\">" + summary +
           "</AssessmentSummaryText></NoticeOfAssessmentItem>";
}

inline QByteArray noticeDelivery(const QByteArray& items)
{
    return "<NoticeOfAssessment><NoticeOfAssessmentData>" + items + "</NoticeOfAssessmentData></NoticeOfAssessment>";
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void fillAgencyConfig(CT1AppConfig& config, const QString& host, const char* key)
{
    config.m_NetfileSoftwareCode = "097";
    for (auto entry : {CT1AppConfig::TDD_AFR_SPKEY_NETFILE, CT1AppConfig::TDD_AFR_SPKEY_NETFILE_PLATFORM,
                       CT1AppConfig::TDD_NOA_SPKEY_NETFILE, CT1AppConfig::TDD_NOA_SPKEY_NETFILE_PLATFORM})
        config.m_TDDWebService[entry] = key;
    config.m_TDDWebService[CT1AppConfig::TDD_SERVICE_HOST] = host.toUtf8().constData();
    config.m_TDDWebService[CT1AppConfig::TDD_DELIVERY_PATH] = "/ebci/awsc/tdd/ws/";
    config.m_TDDWebService[CT1AppConfig::TDD_AFR_SERVICE_NAME] = "/CertTestDeliveryService";
    config.m_TDDWebService[CT1AppConfig::TDD_NOA_SERVICE_NAME] = "/CertTestNOAService";
    config.m_TDDWebService[CT1AppConfig::TDD_SIGNIN_HOST] = "signin.example";
    config.m_TDDWebService[CT1AppConfig::TDD_SIGNIN_PATH] = "/ebci/awsc/tdd/certtest/auth/start";
}

// The fake agency for the whole test case, and a store of its own for each test.
struct AgencyFixture
{
    QTemporaryDir dir;
    TestAuthority authority;
    std::unique_ptr<FakeHttpsServer> server;
    std::unique_ptr<WorkerDb> db;
    CT1AppConfig config;
    QSqlDatabase unused;

    // Starts the fake agency: a throw-away authority made in `dir`, the TLS
    // fake it signs, trusted through the certificate-file setting only, and
    // settings that send the service there. Why it did not start; empty once
    // it runs.
    QString start()
    {
        QString error;
        if (!TestAuthority::make(dir.path(), "tdd", authority, &error))
            return error.isEmpty() ? QStringLiteral("no test authority") : error;
        server.reset(new FakeHttpsServer(authority.serverCertificate, authority.serverKey));
        if (!server->start()) return QStringLiteral("the fake agency did not start");
        QWebClient::setExtraCertificateFile(authority.caCertificate);
        fillAgencyConfig(config, server->host(), kKey);
        return QString();
    }
    void stop()
    {
        QWebClient::setExtraCertificateFile(QString());
        server.reset();
    }
    // Before each test: no script, no requests kept, an empty database.
    bool freshStore()
    {
        server->clearScript();
        server->clearRequests();
        db.reset(new WorkerDb);
        return db->open();
    }
    // A service on this store and settings that does not pause between requests.
    void serve(TddWebService& service)
    {
        service.setConfig(&config);
        service.setDatabaseManager(&db->manager());
        service.setLogPaths(db->folder() + "/tddlog.txt", db->folder() + "/tddlog2.txt");
        service.setPacingMs(0, 0);
    }
    // A callback server whose service is served as above.
    std::unique_ptr<TddHttpServer> callbackServer()
    {
        auto http = std::make_unique<TddHttpServer>(unused);
        serve(http->webService());
        return http;
    }
};

// The callback port of these tests: a loopback port free when the process
// starts, not the program's own, which a copy of the program or another
// test run on this machine may hold.
inline int callbackTestPort()
{
    static const int port = [] {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return int(probe.serverPort());
    }();
    return port;
}

// No worker and no query left running.
inline bool isIdle(TddHttpServer& http) { return !http.dataWorker() && !http.webService().isInQuery(); }

// The browser after sign-in: calls back on `port` once it listens.
inline bool callBack(int port, const QByteArray& line)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(200)) {
            socket.write(line + "\r\n\r\n");
            socket.waitForBytesWritten(2000);
            socket.waitForReadyRead(2000);
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

// The browser signs in at once and calls back on `port` with the first token.
inline void signInCallsBack(TddWebService& service, int port)
{
    service.setUrlOpener([port](const QUrl&) { return callBack(port, "GET /taxdata?t=tokenA-first HTTP/1.1"); });
}

// Before each dialog test: a fresh store and, on it, a callback server whose
// browser signs in at once and calls back on `port`; null when the store did
// not open.
inline std::unique_ptr<TddHttpServer> signingInServer(AgencyFixture& agency, int port)
{
    if (!agency.freshStore()) return nullptr;
    std::unique_ptr<TddHttpServer> http = agency.callbackServer();
    signInCallsBack(http->webService(), port);
    return http;
}

// After each dialog test: once no worker or query runs (20 s at most), the
// callback server and the store closed; false, both left, when one still runs.
inline bool closeWhenIdle(AgencyFixture& agency, std::unique_ptr<TddHttpServer>& http)
{
    if (!QTest::qWaitFor([&http] { return !http || isIdle(*http); }, 20000)) return false;
    http.reset();
    agency.db.reset();
    return true;
}

// Stands in for the progress dialog: records what reaches it.
class ProgressRecorder : public QObject
{
    Q_OBJECT

public:
    QStringList codes;
    int recordCount = -1;
    QMap<QString, QString> messages;
    QString joined() const { return codes.join(','); }

public slots:
    void postProgress(int code, int detail)
    {
        codes << (detail ? QStringLiteral("%1:%2").arg(code).arg(detail) : QString::number(code));
    }
    void setRecordCount(int count) { recordCount = count; }
    void addNoticeMessage(const QString& sin, const QString& message) { messages[sin] = message; }
};


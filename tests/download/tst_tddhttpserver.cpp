// The callback server over real loopback on the callback port: the
// browser's request lines answered byte for byte, token A handed over, one
// data worker however many callbacks, nothing after a cancel; and whole
// downloads driven by a fake browser that checks the signed sign-in URL
// before calling back.

#include <QMessageAuthenticationCode>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QtTest>
#include <cstring>
#include <memory>

#include "faketaxdataservice.h"
#include "hashes.h"
#include "qwebclient.h"
#include "tddfixture.h"
#include "tddhttpserver.h"
#include "tddworkers.h"
#include "testauthority.h"
#include "workerdb.h"

namespace {

// A raw client: sends the pieces, returns all that came back before the
// server closed.
QByteArray exchange(const QList<QByteArray>& pieces)
{
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, quint16(callbackTestPort()));
    if (!client.waitForConnected(3000))
        return "<refused>";
    for (const QByteArray& piece : pieces) {
        client.write(piece);
        client.flush();
        QTest::qWait(30);
    }
    QByteArray reply;
    QElapsedTimer timer;
    timer.start();
    while (client.state() == QAbstractSocket::ConnectedState && timer.elapsed() < 5000) {
        QTest::qWait(10);
        reply += client.readAll();
    }
    return reply + client.readAll();
}

} // namespace

class TstTddHttpServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void requestLines_data();
    void requestLines();
    void splitRequestIsOneCallback();
    void twoCallbacksStartOneWorker();
    void stoppedServerRefusesCallbacks();
    void wholeDownloadThroughTheBrowser();
    void cancelDuringDataRounds();
    void refusedCallbackThenAGoodOne_data();
    void refusedCallbackThenAGoodOne();
    void agencyRefusesTheTokenThenASecondSignIn();

private:
    void waitForWorker();

    AgencyFixture m_agency;
    std::unique_ptr<TddHttpServer> m_http;
    std::unique_ptr<ProgressRecorder> m_dialog;
};

void TstTddHttpServer::initTestCase() { QCOMPARE(m_agency.start(), QString()); }

void TstTddHttpServer::cleanupTestCase() { m_agency.stop(); }

void TstTddHttpServer::init()
{
    QVERIFY(m_agency.freshStore());
    m_dialog.reset(new ProgressRecorder);
    m_http = m_agency.callbackServer();
    m_http->setLogPath(m_agency.db->folder() + "/tddlog2.txt");
    m_http->setLogoutScriptUrl("https://signin.example/cra.js");
    m_http->webService().setForWhich("2021", 1);
    m_http->setProgressDlg(m_dialog.get(), {kSin1, kSin2});
    QVERIFY(m_http->startAndListen(callbackTestPort()));
}

void TstTddHttpServer::cleanup()
{
    waitForWorker();
    m_http.reset();
    m_dialog.reset();
    m_agency.db.reset();
}

void TstTddHttpServer::waitForWorker()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_http->dataWorker(), 20000);
    QTRY_VERIFY(!m_http->webService().isInQuery());
    QCoreApplication::sendPostedEvents();
}

void TstTddHttpServer::requestLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body"); // "<page>" for the HTML page
    QTest::addColumn<QString>("tokenA");
    QTest::addColumn<bool>("worker");

    QTest::newRow("escaped token") << QByteArray("GET /taxdata?t=abc%2Bdef HTTP/1.1") << QByteArray("text/html")
                                   << QByteArray("<page>") << "abc+def" << true;
    QTest::newRow("notice path") << QByteArray("GET /expnoa?t=abcdefg HTTP/1.1") << QByteArray("text/html")
                                 << QByteArray("<page>") << "abcdefg" << true;
    QTest::newRow("short token") << QByteArray("GET /taxdata?t=abc HTTP/1.1") << QByteArray("text/plain")
                                 << QByteArray("Hello from Quillmere 2021") << "" << false;
    QTest::newRow("255 characters") << "GET /taxdata?t=" + QByteArray(255, 'k') + " HTTP/1.1" << QByteArray("text/html")
                                    << QByteArray("<page>") << QString(255, 'k') << true;
    QTest::newRow("256 characters") << "GET /taxdata?t=" + QByteArray(256, 'k') + " HTTP/1.1" << QByteArray("text/plain")
                                    << QByteArray("Hello from Quillmere 2021") << "" << false;
    QTest::newRow("32-character version") << "GET /taxdata?t=abcdefg HTTP/" + QByteArray(32, '1')
                                          << QByteArray("text/plain") << QByteArray("Hello from Quillmere 2021") << ""
                                          << false;
    QTest::newRow("logout") << QByteArray("GET /logout HTTP/1.1") << QByteArray("text/plain")
                            << QByteArray("You have logged out of CRA secure session!") << "" << false;
    QTest::newRow("favicon") << QByteArray("GET /favicon.ico HTTP/1.1") << QByteArray("text/plain")
                             << QByteArray("Hello from Quillmere 2021") << "" << false;
}

void TstTddHttpServer::requestLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(QString, tokenA);
    QFETCH(bool, worker);
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.data("10", "t"); // nothing to deliver: the worker ends at once

    const QByteArray reply = exchange({line + "\r\nHost: 127.0.0.1\r\n\r\n"});
    const int split = reply.indexOf("\n\n");
    QVERIFY2(split > 0, reply.constData());
    const QByteArray head = reply.left(split + 2);
    const QByteArray got = reply.mid(split + 2);
    QCOMPARE(head, "HTTP/1.0 200 OK\nContent-Type: " + contentType + "\nContent-Length: " +
                       QByteArray::number(got.size()) + "\n\n");
    if (body == "<page>") {
        QVERIFY(got.contains("Now back to Quillmere Auto-Fill Return or Express Notice Of Assessment!"));
        QVERIFY(got.contains("src=\"https://signin.example/cra.js\""));
        QVERIFY(got.contains("<a href=\"/logout\""));
    } else {
        QCOMPARE(got, body);
    }
    QCOMPARE(QString::fromStdString(m_http->webService().tokenA()), tokenA);
    waitForWorker();
    QCOMPARE(m_agency.server->count(FakeTaxDataService::kAutoFillPath), worker ? 1 : 0);
    QVERIFY(m_dialog->codes.startsWith("25"));
}

void TstTddHttpServer::splitRequestIsOneCallback()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.data("10", "t");
    const QByteArray request = "GET /taxdata?t=abcdefg HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    QVERIFY(exchange({request.left(20), request.mid(20)}).startsWith("HTTP/1.0 200 OK\nContent-Type: text/html\n"));
    waitForWorker();
    QCOMPARE(m_dialog->codes.count("25"), 1);
    QCOMPARE(m_agency.server->count(), 1);
}

void TstTddHttpServer::twoCallbacksStartOneWorker()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    for (int i = 0; i < 6; ++i)
        agency.data("0", "next-token");
    m_http->webService().setPacingMs(300, 0); // three rounds: the worker stays busy a while
    QVERIFY(exchange({"GET /taxdata?t=first-token HTTP/1.1\r\n\r\n"}).contains("text/html"));
    QVERIFY(m_http->dataWorker());
    QVERIFY(exchange({"GET /taxdata?t=second-token HTTP/1.1\r\n\r\n"}).contains("text/html"));
    waitForWorker();
    QCOMPARE(m_agency.server->count(FakeTaxDataService::kAutoFillPath), 3);
}

void TstTddHttpServer::stoppedServerRefusesCallbacks()
{
    m_http->stop();
    QVERIFY(!m_http->isRunning());
    QCOMPARE(exchange({"GET /taxdata?t=abcdefg HTTP/1.1\r\n\r\n"}), QByteArray("<refused>"));
    QVERIFY(m_dialog->codes.isEmpty());
    const QString log = QString::fromUtf8(fileBytes(m_agency.db->folder() + "/tddlog2.txt"));
    QVERIFY(log.contains("http server down\n"));
    for (const char* line : {"http server up", "http server down"}) // the application's log lines, with the time
        QVERIFY2(QRegularExpression(QString("^Log: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d %1$").arg(line),
                                    QRegularExpression::MultilineOption)
                     .match(log)
                     .hasMatch(),
                 qPrintable(log));
}

void TstTddHttpServer::wholeDownloadThroughTheBrowser()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    agency.data("0", "tokenA-round2");
    agency.data("20", "t", autoFillDelivery(autoFillItem(kSin1)));
    // The browser: checks the signed URL as the agency does, then calls back.
    QString browserError = "not called";
    m_http->webService().setUrlOpener([&](const QUrl& url) {
        const QUrlQuery q(url);
        const auto v = [&](const char* n) { return q.queryItemValue(n, QUrl::FullyDecoded).toUtf8(); };
        const QByteArray message = v("spID") +
                                   QUrl::toPercentEncoding("signin.example/ebci/awsc/tdd/certtest/auth/start") +
                                   v("timestamp") + QUrl::toPercentEncoding(v("auth")) + v("lang") +
                                   QUrl::toPercentEncoding(v("t") + v("swtaxyear"));
        const QByteArray mac = QMessageAuthenticationCode::hash(message, kKey, QCryptographicHash::Sha256).toBase64();
        if (mac != v("key") || v("t") != "tokenC-abc") {
            browserError = "bad signature";
            return false;
        }
        browserError.clear();
        QTcpSocket callback; // the agency's page sends the browser back to us
        callback.connectToHost(QHostAddress::LocalHost, quint16(callbackTestPort()));
        callback.waitForConnected(3000);
        callback.write("GET /taxdata?t=tokenA-first HTTP/1.1\r\n\r\n");
        callback.waitForBytesWritten(3000);
        callback.waitForReadyRead(3000);
        return true;
    });
    auto* auth = new ThreadTDDGetWebAuth(m_http->webService());
    QPointer<ThreadTDDGetWebAuth> authAlive(auth);
    auth->start();
    QTRY_VERIFY_WITH_TIMEOUT(m_dialog->codes.contains("99:1001"), 20000);
    QVERIFY2(browserError.isEmpty(), qPrintable(browserError));
    waitForWorker();
    QTRY_VERIFY(!authAlive); // deleted once finished
    QCOMPARE(m_dialog->joined(), QString("5,10,15,20,25,30,40,50,55,56,60,65,80,81,85,90,99:1001"));
    QCOMPARE(m_dialog->recordCount, 1);
    QCOMPARE(m_agency.db->value("select count(*) from tb_taxdata").toInt(), 1);
    const auto requests = agency.requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(1).token, QString("tokenA-first"));
    QCOMPARE(requests.at(2).token, QString("tokenA-round2"));
    for (const auto& r : requests)
        QVERIFY(r.digestOk);
}

void TstTddHttpServer::cancelDuringDataRounds()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    for (int i = 0; i < 3; ++i)
        agency.data("0", "next-token");
    m_http->webService().setPacingMs(200, 0);
    QVERIFY(exchange({"GET /taxdata?t=abcdefg HTTP/1.1\r\n\r\n"}).contains("text/html"));
    QPointer<ThreadTDDGetData> worker(m_http->dataWorker());
    QVERIFY(worker);
    // The dialog ends while the worker runs, as a cancel does.
    m_http->setProgressDlg(nullptr);
    m_http->stop();
    m_dialog.reset();
    waitForWorker();
    QTRY_VERIFY(!worker);
    QCOMPARE(m_agency.server->count(FakeTaxDataService::kAutoFillPath), 3);
    m_dialog.reset(new ProgressRecorder);
}

void TstTddHttpServer::refusedCallbackThenAGoodOne_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("element, escaped") << QByteArray("GET /taxdata?t=abc%3C%2FTokenIdentifier%3E HTTP/1.1");
    QTest::newRow("element, as sent") << QByteArray("GET /taxdata?t=abc</x>def HTTP/1.1");
    QTest::newRow("entity") << QByteArray("GET /taxdata?t=abc%26lt%3Bdef HTTP/1.1");
    QTest::newRow("quote") << QByteArray("GET /expnoa?t=abcdef%22 HTTP/1.1");
    QTest::newRow("apostrophe") << QByteArray("GET /TAXDATA?t=abcdef%27 HTTP/1.1");
    QTest::newRow("carriage return") << QByteArray("GET /taxdata?t=abcdef%0D%0AHost HTTP/1.1");
    QTest::newRow("tab") << QByteArray("GET /taxdata?t=abc%09defg HTTP/1.1");
}

// A web page the user visits may call the port with a token of its own: a
// token with markup or control characters starts nothing and reaches no
// request, and the browser's real callback still succeeds afterwards.
void TstTddHttpServer::refusedCallbackThenAGoodOne()
{
    QFETCH(QByteArray, line);
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.data("20", "t", autoFillDelivery(autoFillItem(kSin1)));
    const QByteArray refused = exchange({line + "\r\n\r\n"});
    QVERIFY2(refused.endsWith("\n\nHello from Quillmere 2021"), refused.constData());
    QVERIFY(!m_http->dataWorker());
    QCOMPARE(m_http->webService().tokenA(), std::string());
    QVERIFY(m_http->isRunning());
    QCOMPARE(m_agency.server->count(), 0);

    QVERIFY(exchange({"GET /taxdata?t=abc%2Bdef HTTP/1.1\r\n\r\n"}).contains("text/html"));
    waitForWorker();
    QCOMPARE(m_dialog->codes.last(), QStringLiteral("99:1001"));
    const auto requests = agency.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].token, QStringLiteral("abc+def"));
    QCOMPARE(requests[0].bodyTag, QStringLiteral("GetTDDNetfile"));
}

// The agency refuses the first token: the download waits for the user to
// sign in again (the server keeps listening), and the second callback
// brings the data.
void TstTddHttpServer::agencyRefusesTheTokenThenASecondSignIn()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.fault("Invalid token");
    agency.data("20", "t", autoFillDelivery(autoFillItem(kSin1)));
    QVERIFY(exchange({"GET /taxdata?t=tokenA-refused HTTP/1.1\r\n\r\n"}).contains("text/html"));
    waitForWorker();
    QCOMPARE(m_dialog->codes.last(), QStringLiteral("45"));
    QVERIFY(m_http->isRunning());

    QVERIFY(exchange({"GET /taxdata?t=tokenA-second HTTP/1.1\r\n\r\n"}).contains("text/html"));
    waitForWorker();
    QCOMPARE(m_dialog->codes.last(), QStringLiteral("99:1001"));
    QCOMPARE(m_dialog->recordCount, 1);
    const auto requests = agency.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].token, QStringLiteral("tokenA-refused"));
    QCOMPARE(requests[1].token, QStringLiteral("tokenA-second"));
}

QTEST_GUILESS_MAIN(TstTddHttpServer)
#include "tst_tddhttpserver.moc"

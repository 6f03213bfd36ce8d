// The web client's form post against a fake HTTPS server of ours: what a
// caller gets back for each kind of reply and failure, and that a request is
// sent exactly once.

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "fakehttpsserver.h"
#include "httpreply.h"
#include "qwebclient.h"
#include "testauthority.h"

Q_DECLARE_METATYPE(FakeReply)

class TstQWebClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void post_data();
    void post();
    void sendsFieldsAndCredentials();
    void untrustedWithoutTheCertificateFile();
    void nobodyListening();
    void damagedRepliesAreRefusedWithoutHarm();

private:
    QString url(const QByteArray& path) const { return "https://" + m_server->host() + path; }

    QTemporaryDir m_certs;
    TestAuthority m_trusted;
    TestAuthority m_other;
    std::unique_ptr<FakeHttpsServer> m_server;
};

void TstQWebClient::initTestCase()
{
    QString error;
    QVERIFY2(TestAuthority::make(m_certs.path(), "trusted", m_trusted, &error), qPrintable(error));
    QVERIFY2(TestAuthority::make(m_certs.path(), "other", m_other, &error), qPrintable(error));
    m_server.reset(new FakeHttpsServer(m_trusted.serverCertificate, m_trusted.serverKey));
    QVERIFY(m_server->start());
}

void TstQWebClient::cleanupTestCase()
{
    QWebClient::setExtraCertificateFile(QString());
    m_server.reset();
}

void TstQWebClient::init()
{
    QWebClient::setExtraCertificateFile(m_trusted.caCertificate);
    m_server->clearScript();
    m_server->clearRequests();
    QVERIFY(m_server->useCertificate(m_trusted.serverCertificate, m_trusted.serverKey));
}

void TstQWebClient::post_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<bool>("otherAuthority");
    QTest::addColumn<bool>("posted");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("received");

    QTest::newRow("200 with a body") << FakeReply::json("{\"points\":12}") << false << true << 200
                                     << "{\"points\":12}" << 1;
    QTest::newRow("500 fault: complete, body readable")
        << FakeReply::text("<soapenv:Fault>busy</soapenv:Fault>", 500) << false << true << 500
        << "<soapenv:Fault>busy</soapenv:Fault>" << 1;
    QTest::newRow("404 unknown page") << FakeReply::text("no", 404) << false << true << 404 << "no" << 1;
    QTest::newRow("UTF-8 body") << FakeReply::text("Qu\xc3\xa9" "bec") << false << true << 200 << "Québec" << 1;
    QTest::newRow("chunked body")
        << FakeReply::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nabcd\r\n3;x=1\r\nefg\r\n0\r\n\r\n")
        << false << true << 200 << "abcdefg" << 1;
    QTest::newRow("body to the end of the connection")
        << FakeReply::raw("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nuntil close") << false << true << 200
        << "until close" << 1;
    QTest::newRow("reply cut short") << FakeReply::raw("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\npartial")
                                     << false << false << 0 << "" << 1;
    QTest::newRow("not HTTP") << FakeReply::raw("hello\r\n\r\n") << false << false << 0 << "" << 1;
    QTest::newRow("dropped without a reply: sent once") << FakeReply::drop() << false << false << 0 << "" << 1;
    QTest::newRow("certificate from another authority") << FakeReply::json("{}") << true << false << 0 << "" << 0;
}

void TstQWebClient::post()
{
    QFETCH(FakeReply, reply);
    QFETCH(bool, otherAuthority);
    QFETCH(bool, posted);
    QFETCH(int, status);
    QFETCH(QString, body);
    QFETCH(int, received);
    m_server->script("/service", reply);
    if (otherAuthority) QVERIFY(m_server->useCertificate(m_other.serverCertificate, m_other.serverKey));

    QWebClient client(url("/service"), false);
    client.addQueryItem("a", "1");
    QString text = "stale";
    QCOMPARE(client.post(text, nullptr), posted);
    QCOMPARE(client.statusCode(), status);
    QCOMPARE(text, body);
    QCOMPARE(client.errorText().isEmpty(), posted);
    QCOMPARE(m_server->count("/service"), received);
}

void TstQWebClient::sendsFieldsAndCredentials()
{
    m_server->script("/form", FakeReply::json("{}"));
    QWebClient client(url("/form?v=2"), false);
    client.addQueryItem("name", "Lee & Fils");
    client.addQueryItem("plus", "a+b=c");
    client.addQueryItem("accent", "Montréal");
    client.addQueryItem("empty", "");
    QString reply;
    QVERIFY(client.post(reply, "bGVlQGV4YW1wbGUuY2E6czNjcmV0"));
    const QList<RecordedRequest> requests = m_server->requests("/form");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].query, QByteArray("v=2"));
    QCOMPARE(requests[0].header("authorization"), QByteArray("Basic bGVlQGV4YW1wbGUuY2E6czNjcmV0"));
    QCOMPARE(requests[0].header("host"), m_server->host().toLatin1());
    const QList<QPair<QString, QString>> expected = {
        {"name", "Lee & Fils"}, {"plus", "a+b=c"}, {"accent", "Montréal"}, {"empty", ""}};
    QCOMPARE(requests[0].formFields(), expected);
}

void TstQWebClient::untrustedWithoutTheCertificateFile()
{
    m_server->script("/service", FakeReply::json("{}"));
    QWebClient::setExtraCertificateFile(QString());
    QWebClient client(url("/service"), false);
    QString reply;
    QVERIFY(!client.post(reply, nullptr));
    QCOMPARE(m_server->count(), 0);
}

void TstQWebClient::nobodyListening()
{
    // A silent server and a closed port both end in failure, not a wait.
    m_server->script("/slow", FakeReply::silent());
    QWebClient slow(url("/slow"), false);
    slow.setTimeoutMs(500);
    QString reply;
    QVERIFY(!slow.post(reply, nullptr));
    QCOMPARE(slow.errorText(), QString("no reply in time"));
    QCOMPARE(m_server->count("/slow"), 1);

    QWebClient closed("https://127.0.0.1:1/service", false);
    QVERIFY(!closed.post(reply, nullptr));
    QVERIFY(!closed.errorText().isEmpty());
}

void TstQWebClient::damagedRepliesAreRefusedWithoutHarm()
{
    // Good replies cut, flipped and padded at random (fixed seed): reading
    // them must never crash, and a reply read as complete has a status.
    const QList<QByteArray> good = {
        "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello",
        "HTTP/1.1 500 Err\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
        "HTTP/1.0 200 OK\r\n\r\nbody to the end",
    };
    QRandomGenerator random(2021);
    int complete = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes = good[i % good.size()];
        bytes.truncate(random.bounded(bytes.size() + 1));
        for (int flips = random.bounded(4); flips > 0 && !bytes.isEmpty(); --flips)
            bytes[random.bounded(bytes.size())] = char(random.bounded(256));
        if (random.bounded(4) == 0) bytes += QByteArray(random.bounded(8), char(random.bounded(256)));
        HttpReply reply;
        reply.append(bytes.left(bytes.size() / 2));
        reply.isComplete(false);
        reply.append(bytes.mid(bytes.size() / 2));
        if (reply.isComplete(true)) {
            ++complete;
            QVERIFY(reply.status() > 0);
        }
    }
    QVERIFY(complete > 0);
}

QTEST_GUILESS_MAIN(TstQWebClient)
#include "tst_qwebclient.moc"

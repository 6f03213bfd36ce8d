// The web client's form post against a fake HTTPS server of ours: what a
// caller gets back for each kind of reply and failure, and that a request is
// sent exactly once.

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
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
    void sendsEachKindOfRequest_data();
    void sendsEachKindOfRequest();
    void replySizeBound_data();
    void replySizeBound();
    void onlyHttpsAddresses_data();
    void onlyHttpsAddresses();
    void worksFromAWorkerThread();
    void refusesLineBreaksInHeaders_data();
    void refusesLineBreaksInHeaders();
    void untrustedWithoutTheCertificateFile();
    void nobodyListening();
    void damagedRepliesAreRefusedWithoutHarm();
    void replyReadInAnyPieces_data();
    void replyReadInAnyPieces();
    void multipartUpload_data();
    void multipartUpload();

private:
    QString url(const QByteArray& path) const { return "https://" + m_server->host() + path; }

    QTemporaryDir m_certs;
    TestAuthority m_trusted;
    TestAuthority m_other;
    std::unique_ptr<FakeHttpsServer> m_server;
};

void TstQWebClient::multipartUpload_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file there
    QTest::addColumn<QString>("uploadName");
    QTest::newRow("binary file") << QByteArray("\x00\x01\r\n--boundary\r\n\xff", 16) << "12310901-a.r21";
    QTest::newRow("quote and line break in the name") << QByteArray("x") << "a\"b\r\nX-Evil: 1.r21";
    QTest::newRow("unreadable file: nothing sent") << QByteArray() << "gone.r21";
}

void TstQWebClient::multipartUpload()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, uploadName);
    QTemporaryDir dir;
    const QString path = dir.filePath("upload.r21");
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    m_server->script("/upload", FakeReply::text("ok"));
    QWebClient client(url("/upload"), path, uploadName, "file");
    client.addQueryItem("email", "a@b.ca");
    client.addQueryItem("msg", "two\nlines");
    QString reply;
    QCOMPARE(client.post(reply, nullptr), !content.isEmpty());
    if (content.isEmpty()) {
        QCOMPARE(m_server->count(), 0);
        return;
    }
    QCOMPARE(client.statusCode(), 200);
    const QList<RecordedRequest> received = m_server->requests("/upload");
    QCOMPARE(received.size(), 1);
    const QList<FormPart> parts = received.first().formParts();
    QCOMPARE(parts.size(), 3);
    // The file first, then the items in the order they were added.
    QCOMPARE(parts[0].name, QStringLiteral("file"));
    QCOMPARE(parts[0].body, content);
    QString sentName = uploadName;
    sentName.replace('\r', ' ').replace('\n', ' ');
    QCOMPARE(parts[0].fileName, sentName);
    QCOMPARE(parts[1].name + "=" + parts[1].body, QString("email=a@b.ca"));
    QCOMPARE(parts[2].name + "=" + parts[2].body, QString("msg=two\nlines"));
}

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
    QTest::addColumn<QString>("certificate"); // the server's; empty for the trusted one
    QTest::addColumn<bool>("posted");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("received");

    QTest::newRow("200 with a body") << FakeReply::json("{\"points\":12}") << QString() << true << 200
                                     << "{\"points\":12}" << 1;
    QTest::newRow("500 fault: complete, body readable")
        << FakeReply::text("<soapenv:Fault>busy</soapenv:Fault>", 500) << QString() << true << 500
        << "<soapenv:Fault>busy</soapenv:Fault>" << 1;
    QTest::newRow("404 unknown page") << FakeReply::text("no", 404) << QString() << true << 404 << "no" << 1;
    QTest::newRow("UTF-8 body") << FakeReply::text("Qu\xc3\xa9" "bec") << QString() << true << 200 << "Québec" << 1;
    QTest::newRow("chunked body")
        << FakeReply::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nabcd\r\n3;x=1\r\nefg\r\n0\r\n\r\n")
        << QString() << true << 200 << "abcdefg" << 1;
    QTest::newRow("body to the end of the connection")
        << FakeReply::raw("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nuntil close") << QString() << true << 200
        << "until close" << 1;
    QTest::newRow("chunk size near the 64-bit limit")
        << FakeReply::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7ffffffffffffffe\r\nab\r\n0\r\n\r\n")
        << QString() << false << 0 << "" << 1;
    QTest::newRow("reply cut short") << FakeReply::raw("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\npartial")
                                     << QString() << false << 0 << "" << 1;
    QTest::newRow("not HTTP") << FakeReply::raw("hello\r\n\r\n") << QString() << false << 0 << "" << 1;
    QTest::newRow("negative status") << FakeReply::raw("HTTP/1.1 -3 X\r\nContent-Length: 0\r\n\r\n") << QString()
                                     << false << 0 << "" << 1;
    QTest::newRow("status not three digits") << FakeReply::raw("HTTP/1.1 +200 OK\r\nContent-Length: 0\r\n\r\n")
                                             << QString() << false << 0 << "" << 1;
    QTest::newRow("dropped without a reply: sent once") << FakeReply::drop() << QString() << false << 0 << "" << 1;
    QTest::newRow("empty body") << FakeReply::text("") << QString() << true << 200 << "" << 1;
    QTest::newRow("500 with an empty body") << FakeReply::text("", 500) << QString() << true << 500 << "" << 1;
    QTest::newRow("connection reset: sent once") << FakeReply::reset() << QString() << false << 0 << "" << 1;
    QTest::newRow("certificate from another authority")
        << FakeReply::json("{}") << QString("other authority") << false << 0 << "" << 0;
    QTest::newRow("certificate for another host")
        << FakeReply::json("{}") << QString("other host") << false << 0 << "" << 0;
    QTest::newRow("expired certificate") << FakeReply::json("{}") << QString("expired") << false << 0 << "" << 0;
}

void TstQWebClient::post()
{
    QFETCH(FakeReply, reply);
    QFETCH(QString, certificate);
    QFETCH(bool, posted);
    QFETCH(int, status);
    QFETCH(QString, body);
    QFETCH(int, received);
    m_server->script("/service", reply);
    if (certificate == "other authority")
        QVERIFY(m_server->useCertificate(m_other.serverCertificate, m_other.serverKey));
    else if (certificate == "other host")
        QVERIFY(m_server->useCertificate(m_trusted.otherHostCertificate, m_trusted.serverKey));
    else if (certificate == "expired")
        QVERIFY(m_server->useCertificate(m_trusted.expiredCertificate, m_trusted.serverKey));

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

void TstQWebClient::sendsEachKindOfRequest_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<QByteArray>("authorization");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("replyBody");

    const QByteArray basic = "Basic " + QByteArray("lee@example.ca:p=ss w+rd").toBase64();
    const QByteArray form = "application/x-www-form-urlencoded";
    const QByteArray soap = "text/xml; charset=UTF-8";
    const QByteArray envelope = "<S:Envelope><S:Body><Montr\xc3\xa9" "al/></S:Body></S:Envelope>";
    const QByteArray fault = "<soapenv:Fault><faultstring>bad \xc3\xa9</faultstring></soapenv:Fault>";
    QTest::newRow("Basic") << "basic" << FakeReply::json("{}") << basic << form << QByteArray("k=v") << QByteArray("{}");
    QTest::newRow("Bearer") << "bearer" << FakeReply::json("{\"s\":1}") << QByteArray("Bearer tok.EN-42") << form
                            << QByteArray("k=v") << QByteArray("{\"s\":1}");
    QTest::newRow("SOAP") << "soap" << FakeReply::text("<ok/>") << QByteArray() << soap << envelope << QByteArray("<ok/>");
    QTest::newRow("SOAP fault with 500: the bytes as sent")
        << "soap" << FakeReply::text(fault, 500) << QByteArray() << soap << envelope << fault;
}

void TstQWebClient::sendsEachKindOfRequest()
{
    QFETCH(QString, kind);
    QFETCH(FakeReply, reply);
    QFETCH(QByteArray, authorization);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, replyBody);
    m_server->script("/svc", reply);

    QWebClient client(url("/svc"), false);
    client.addQueryItem("k", "v");
    QByteArray got;
    if (kind == "soap") {
        std::string bytes;
        QVERIFY(client.postSoapXML(QString::fromUtf8(body), contentType.constData(), bytes));
        got = QByteArray::fromStdString(bytes);
    } else {
        QString text;
        if (kind == "basic")
            QVERIFY(client.post(text, QByteArray("lee@example.ca:p=ss w+rd").toBase64().constData()));
        else
            QVERIFY(client.post(text, QString("tok.EN-42"), "Bearer"));
        got = text.toUtf8();
    }
    QCOMPARE(got, replyBody);
    QCOMPARE(client.statusCode(), reply.status);
    const QList<RecordedRequest> requests = m_server->requests("/svc");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].method, QByteArray("POST"));
    QCOMPARE(requests[0].header("authorization"), authorization);
    QCOMPARE(requests[0].header("content-type"), contentType);
    QCOMPARE(requests[0].body, body);
}

void TstQWebClient::replySizeBound_data()
{
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<bool>("posted");
    // The bound counts the whole reply; the fake's headers take under 200 bytes.
    QTest::newRow("well under") << 1000 << true;
    QTest::newRow("over") << 5000 << false;
    QTest::newRow("far over, in many reads") << 400000 << false;
}

void TstQWebClient::replySizeBound()
{
    QFETCH(int, bodySize);
    QFETCH(bool, posted);
    m_server->script("/big", FakeReply::text(QByteArray(bodySize, 'x')));
    QWebClient client(url("/big"), false);
    client.setMaxReplyBytes(4096);
    QString reply;
    QCOMPARE(client.post(reply, nullptr), posted);
    QCOMPARE(reply.size(), posted ? bodySize : 0);
}

void TstQWebClient::onlyHttpsAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("http") << "http://%1/svc";
    QTest::newRow("no scheme") << "%1/svc";
    QTest::newRow("ftp") << "ftp://%1/svc";
    QTest::newRow("no host") << "https:///svc";
}

void TstQWebClient::onlyHttpsAddresses()
{
    QFETCH(QString, address);
    m_server->script("/svc", FakeReply::json("{}"));
    QWebClient client(address.contains("%1") ? address.arg(m_server->host()) : address, false);
    QString reply;
    QVERIFY(!client.post(reply, nullptr));
    std::string bytes;
    QVERIFY(!client.postSoapXML("<a/>", "text/xml; charset=UTF-8", bytes));
    QCOMPARE(m_server->count(), 0);
}

void TstQWebClient::worksFromAWorkerThread()
{
    // The download workers post from their own threads, with no event loop
    // running there; the same calls must behave as on the main thread.
    m_server->script("/form", FakeReply::json("{\"ok\":1}", 500));
    m_server->script("/soap", FakeReply::text("<r/>"));
    m_server->script("/stall", FakeReply::silent());
    QString formReply;
    std::string soapReply;
    bool formPosted = false;
    bool soapPosted = false;
    bool stallPosted = true;
    int formStatus = 0;
    QString stallError;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        QWebClient form(url("/form"), false);
        form.addQueryItem("kw", "a b&c");
        formPosted = form.post(formReply, QString("T0K"), "Bearer");
        formStatus = form.statusCode();
        QWebClient soap(url("/soap"), false);
        soapPosted = soap.postSoapXML("<q/>", "text/xml; charset=UTF-8", soapReply);
        QWebClient stall(url("/stall"), false);
        stall.setTimeoutMs(300);
        stallPosted = stall.post(formReply, nullptr);
        stallError = stall.errorText();
    }));
    worker->start();
    QVERIFY(worker->wait(20000));
    QVERIFY(formPosted);
    QCOMPARE(formStatus, 500);
    QVERIFY(soapPosted);
    QCOMPARE(soapReply, std::string("<r/>"));
    QVERIFY(!stallPosted);
    QCOMPARE(stallError, QString("no reply in time"));
    QCOMPARE(m_server->requests("/form").value(0).header("authorization"), QByteArray("Bearer T0K"));
    const QList<QPair<QString, QString>> fields = {{"kw", "a b&c"}};
    QCOMPARE(m_server->requests("/form").value(0).formFields(), fields);
}

void TstQWebClient::refusesLineBreaksInHeaders_data()
{
    // A token or type that ends a header line would let its text add headers
    // of its own to the request.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("Basic credentials") << "basic" << QByteArray("dXNlcg==\r\nX-Injected: 1");
    QTest::newRow("Bearer token") << "bearer" << QByteArray("tok\nX-Injected: 1");
    QTest::newRow("SOAP content type") << "soap" << QByteArray("text/xml\r\nX-Injected: 1");
}

void TstQWebClient::refusesLineBreaksInHeaders()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, value);
    m_server->script("/svc", FakeReply::json("{}"));
    QWebClient client(url("/svc"), false);
    QString reply;
    std::string bytes;
    if (kind == "basic")
        QVERIFY(!client.post(reply, value.constData()));
    else if (kind == "bearer")
        QVERIFY(!client.post(reply, QString::fromLatin1(value), "Bearer"));
    else
        QVERIFY(!client.postSoapXML("<a/>", value.constData(), bytes));
    QVERIFY(!client.errorText().contains("Injected"));
    QCOMPARE(m_server->count(), 0);
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

void TstQWebClient::replyReadInAnyPieces_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("needsClose");   // framed by the end of the connection
    QTest::addColumn<int>("status");        // 0: never complete
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 11\r\n\r\nhello worldEXTRA") << false
                            << 200 << QByteArray("hello world");
    QTest::newRow("empty length") << QByteArray("HTTP/1.1 204 No Content\r\nContent-Length: 0\r\n\r\n") << false
                                  << 204 << QByteArray();
    QTest::newRow("chunks with an extension and trailers")
        << QByteArray("HTTP/1.1 500 Error\r\nTransfer-Encoding: chunked\r\nContent-Length: 3\r\n\r\n"
                      "5;name=x\r\nhello\r\n1\r\n \r\nA\r\n0123456789\r\n0\r\nX-Trailer: 1\r\n\r\n")
        << false << 500 << QByteArray("hello 0123456789");
    QTest::newRow("chunk data holding line ends")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n4\r\n\r\n\r\n\r\n0\r\n\r\n") << false
        << 200 << QByteArray("\r\n\r\n");
    QTest::newRow("to the end of the connection") << QByteArray("HTTP/1.0 200 OK\r\n\r\nbody\r\n\r\nto the end")
                                                  << true << 200 << QByteArray("body\r\n\r\nto the end");
    QTest::newRow("a chunk size that is not a number")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nhello\r\n0\r\n\r\n") << false << 0
        << QByteArray();
    QTest::newRow("cut inside a chunk") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\nhel")
                                        << true << 0 << QByteArray();
    QTest::newRow("shorter than its length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhel") << true
                                             << 0 << QByteArray();
    QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH\r\n\r\nhello") << true << 0 << QByteArray();
}

void TstQWebClient::replyReadInAnyPieces()
{
    // However the socket cuts the reply (one byte at a time, pieces that
    // split the blank line or a size line, all at once), the reader gets the
    // same status and body, and says complete only once the reply is.
    QFETCH(QByteArray, bytes);
    QFETCH(bool, needsClose);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    for (int piece : {1, 2, 3, 5, 7, 16, int(bytes.size())}) {
        HttpReply reply;
        bool completeEarly = false;
        for (int at = 0; at < bytes.size(); at += piece) {
            reply.append(bytes.mid(at, piece));
            completeEarly = completeEarly || reply.isComplete(false);
        }
        const bool complete = reply.isComplete(true);
        QCOMPARE(complete, status != 0);
        QCOMPARE(completeEarly, status != 0 && !needsClose);
        if (!complete) continue;
        QCOMPARE(reply.status(), status);
        QCOMPARE(reply.body(), body);
    }
}

QTEST_GUILESS_MAIN(TstQWebClient)
#include "tst_qwebclient.moc"

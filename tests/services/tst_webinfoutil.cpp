// The web-information query against the fake HTTPS server: what is posted,
// and how each reply is read.

#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include "deploymentdata.h"
#include "fakehttpsserver.h"
#include "testauthority.h"
#include "webinfoutil.h"

namespace {
const QByteArray kPath = "/phpproj/pfweb/info/quillmereinfo.php";
}

class TstWebInfoUtil : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void replies_data();
    void replies();
    void postsTheKeywords();
    void refusedConnection();

private:
    QTemporaryDir m_certs;
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;
};

void TstWebInfoUtil::initTestCase()
{
    QString error;
    QVERIFY2(TestAuthority::make(m_certs.path(), "info", m_authority, &error), qPrintable(error));
    m_server.reset(new FakeHttpsServer(m_authority.serverCertificate, m_authority.serverKey));
    QVERIFY(m_server->start());
    CDeploymentData::setCertificateFile(m_authority.caCertificate);
}

void TstWebInfoUtil::cleanupTestCase()
{
    CDeploymentData::useDeploymentServices();
    CDeploymentData::setCertificateFile(QString());
    m_server.reset();
}

void TstWebInfoUtil::init()
{
    CDeploymentData::useLocalServices(m_server->port());
    m_server->clearScript();
    m_server->clearRequests();
}

void TstWebInfoUtil::replies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text"); // "before" when left alone

    const QByteArray word300 = QByteArray(300, 'w');
    QTest::newRow("200 and two words: the first") << QByteArray("200 a b") << 200 << 200 << "a";
    QTest::newRow("404 leaves the text") << QByteArray("404 x") << 200 << 404 << "before";
    QTest::newRow("empty: no code") << QByteArray() << 200 << -1 << "before";
    QTest::newRow("199 copies") << QByteArray("199 low") << 200 << 199 << "low";
    QTest::newRow("201 copies") << QByteArray("201 high") << 200 << 201 << "high";
    QTest::newRow("198 does not") << QByteArray("198 w") << 200 << 198 << "before";
    QTest::newRow("202 does not") << QByteArray("202 w") << 200 << 202 << "before";
    QTest::newRow("300-character word cut at 255") << "200 " + word300 << 200 << 200
                                                   << QString(CWebInfoUtil::kMaxWordLength, 'w');
    QTest::newRow("blanks and line breaks around") << QByteArray("  200\r\n\tword\r\n") << 200 << 200 << "word";
    QTest::newRow("accented word") << QByteArray("200 Montr\xc3\xa9" "al") << 200 << 200 << "Montréal";
    QTest::newRow("code without a word") << QByteArray("200") << 200 << 200 << "";
    QTest::newRow("not a code") << QByteArray("OK 200 a") << 200 << -1 << "before";
    QTest::newRow("code too large for an int") << QByteArray("99999999999 a") << 200 << -1 << "before";
    QTest::newRow("negative code") << QByteArray("-5 a") << 200 << -5 << "before";
    QTest::newRow("the body counts, not the HTTP status") << QByteArray("200 fromBody") << 500 << 200 << "fromBody";
}

void TstWebInfoUtil::replies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    QFETCH(int, code);
    QFETCH(QString, text);
    m_server->script(kPath, FakeReply::text(reply, status));
    CWebInfoUtil info;
    CString got("before");
    QCOMPARE(info.getInfoByTwoKeyWords("a", "b", got), code);
    QCOMPARE(got.toQString(), text);
    QCOMPARE(m_server->count(kPath), 1);
}

void TstWebInfoUtil::postsTheKeywords()
{
    m_server->script(kPath, FakeReply::text("200 x"));
    CWebInfoUtil info;
    CString text;
    QCOMPARE(info.getInfoByTwoKeyWords("Lee & Fils=1", "Montr\xc3\xa9" "al +2", text), 200);
    const QList<RecordedRequest> requests = m_server->requests(kPath);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].method, QByteArray("POST"));
    QVERIFY(requests[0].header("authorization").isEmpty());
    const QList<QPair<QString, QString>> fields = {{"kw1", "Lee & Fils=1"}, {"kw2", "Montréal +2"}};
    QCOMPARE(requests[0].formFields(), fields);
}

void TstWebInfoUtil::refusedConnection()
{
    // A port that was free a moment ago: nothing listens there.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    CDeploymentData::useLocalServices(port);
    CWebInfoUtil info;
    CString text("before");
    QCOMPARE(info.getInfoByTwoKeyWords("a", "b", text), CWebInfoUtil::kNoCode);
    QCOMPARE(text.toQString(), QString("before"));
}

QTEST_GUILESS_MAIN(TstWebInfoUtil)
#include "tst_webinfoutil.moc"

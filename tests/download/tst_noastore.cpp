// Notices of assessment stored from a worker thread, with the rendering
// service played by the fake: the page's file named by masked S.I.N. and
// taxpayer id, the message without a T1 notice, a failed render, the masked
// account number under any prefix, and logs without a full S.I.N.

#include <QtTest>
#include <memory>
#include <tinyxml.h>

#include "deploymentdata.h"
#include "fakehttpsserver.h"
#include "fakenoticerenderer.h"
#include "noataxdata.h"
#include "testauthority.h"
#include "workerdb.h"
#include "xmlguard.h"

Q_DECLARE_METATYPE(FakeReply)

namespace {

const char* const kSin = "046454286";

QString noticeXml(const QString& summaries, bool t1Notice)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<ns2:NoticeOfAssessmentItem xmlns:ns2=\"urn:noa\"><ns2:IndividualTaxpayerIdentifier>ab12"
           "</ns2:IndividualTaxpayerIdentifier>" +
           summaries +
           (t1Notice ? "<ns2:T1Notice><ns2:Deposit><ns2:MaskedAccountNumber>****1234</ns2:MaskedAccountNumber>"
                       "</ns2:Deposit><ns2:Line>kept</ns2:Line></ns2:T1Notice>"
                     : "") +
           "</ns2:NoticeOfAssessmentItem>\n";
}

const char* const kEnglish = "<ns2:AssessmentSummaryText xml:lang=\"EN\">Your refund is $120</ns2:AssessmentSummaryText>";
const char* const kFrench = "<ns2:AssessmentSummaryText xml:lang=\"fr\">Votre remboursement</ns2:AssessmentSummaryText>";

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("<no file>");
}

}   // namespace

class TestNoaStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup() { m_db.reset(); }
    void t1NoticeWrittenAndStored();
    void messageWithoutT1Notice_data();
    void messageWithoutT1Notice();
    void secondSaveLeavesTheNewerRow();
    void sinsEndingAlikeGetTheirOwnFiles();
    void failedRenderLeavesNoFile_data();
    void failedRenderLeavesNoFile();
    void failedInsertKeepsTheEarlierRow();
    void accountNumberMasked_data();
    void accountNumberMasked();
    void maskedSin_data();
    void maskedSin();

private:
    // Parses the notice and saves it for `sin` on a worker; the result, and
    // the log and the stored XML through the pointers.
    int save(const QString& xml, const char* sin, QByteArray* log = nullptr);
    int uidOf(const char* sin);

    QTemporaryDir m_certs;
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;
    std::unique_ptr<FakeNoticeRenderer> m_renderer;
    std::unique_ptr<WorkerDb> m_db;
};

void TestNoaStore::initTestCase()
{
    QString error;
    QVERIFY2(TestAuthority::make(m_certs.path(), "noa", m_authority, &error), qPrintable(error));
    m_server.reset(new FakeHttpsServer(m_authority.serverCertificate, m_authority.serverKey));
    QVERIFY(m_server->start());
    m_renderer.reset(new FakeNoticeRenderer(*m_server));
    CDeploymentData::setCertificateFile(m_authority.caCertificate);
    CDeploymentData::useLocalServices(m_server->port());
}

void TestNoaStore::cleanupTestCase()
{
    CDeploymentData::useDeploymentServices();
    CDeploymentData::setCertificateFile(QString());
    m_renderer.reset();
    m_server.reset();
}

void TestNoaStore::init()
{
    m_server->clearScript();
    m_server->clearRequests();
    m_db.reset(new WorkerDb);
    QVERIFY(m_db->open());
}

int TestNoaStore::save(const QString& xml, const char* sin, QByteArray* log)
{
    int result = -1;
    const QByteArray written = m_db->onWorker("NOA_DB_Connection", [&](QSqlDatabase* conn, FILE* file) {
        TiXmlDocument doc;
        std::string text = xml.toStdString();
        if (!parseXmlReply(text, doc)) return;
        NOATaxDataOnePerson notice(CString(m_db->folder() + "/noa"), CString(m_db->folder()), 2021);
        if (notice.parseXMLData(doc.RootElement()) == 0) result = notice.saveToSqliteDB(conn, file, sin, text);
    });
    if (log) *log = written;
    return result;
}

int TestNoaStore::uidOf(const char* sin)
{
    return m_db->value(QString("select id from tb_taxpayers where sin='%1'").arg(sin)).toInt();
}

void TestNoaStore::t1NoticeWrittenAndStored()
{
    m_renderer->answerPage("<html>notice of xxxxx4286</html>");
    QByteArray log;
    QCOMPARE(save(noticeXml(kEnglish, true), kSin, &log), 1);

    const int uid = uidOf(kSin);
    QVERIFY(uid > 0);
    const QString path = m_db->folder() + QString("/noa2021_xxxxx4286_%1.html").arg(uid);
    QCOMPARE(m_db->value("select htmlfile from tb_taxnoa").toString(), path);
    QCOMPARE(fileText(path), QString("<html>notice of xxxxx4286</html>"));
    const QString data = m_db->value("select data1 from tb_taxnoa").toString();
    QCOMPARE(data, noticeXml(kEnglish, true).replace("****1234", "xxxxx4286"));
    QCOMPARE(m_db->value("select taxyear from tb_taxnoa").toInt(), 2021);

    // The form carries the masked notice, the save time and the year, in order.
    const auto posts = m_renderer->posts();
    QCOMPARE(posts.size(), 1);
    QCOMPARE(posts[0].size(), 3);
    QCOMPARE(posts[0][0], qMakePair(QString("noaxml"), data));
    QCOMPARE(posts[0][1].first, QString("testtime"));
    QCOMPARE(posts[0][1].second, m_db->value("select create_time from tb_taxnoa").toString());
    QCOMPARE(posts[0][2], qMakePair(QString("taxyear"), QString("2021")));

    QCOMPARE(log, QByteArray("cannot locate id=0\nxslt=0 save into db=1\n"));
    QVERIFY(!log.contains(kSin));
    // The wait cursor asked of this thread was set and restored.
    QCoreApplication::processEvents();
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestNoaStore::messageWithoutT1Notice_data()
{
    QTest::addColumn<QString>("summaries");
    QTest::addColumn<QString>("message");
    QTest::newRow("English summary") << QString(kFrench) + kEnglish
                                     << "For tax payer (S.I.N. xxxxx4286), Your refund is $120.";
    QTest::newRow("French only") << QString(kFrench) << "For tax payer (S.I.N. xxxxx4286), no message presents.";
    QTest::newRow("none") << QString() << "For tax payer (S.I.N. xxxxx4286), no message presents.";
}

void TestNoaStore::messageWithoutT1Notice()
{
    QFETCH(QString, summaries);
    QFETCH(QString, message);
    QByteArray log;
    QCOMPARE(save(noticeXml(summaries, false), kSin, &log), 1);
    QCOMPARE(m_db->value("select htmlfile from tb_taxnoa").toString(), message);
    QCOMPARE(m_server->count(FakeNoticeRenderer::kPath), 0);
    QCOMPARE(QDir(m_db->folder()).entryList({"noa2021_*"}), QStringList());
    QVERIFY(log.endsWith("save into db=1\n") && !log.contains("xslt"));
}

void TestNoaStore::secondSaveLeavesTheNewerRow()
{
    m_renderer->answerPage("<html>first</html>");
    m_renderer->answerPage("<html>second</html>");
    QCOMPARE(save(noticeXml(kEnglish, true), kSin), 1);
    QCOMPARE(save(noticeXml(kEnglish, true), kSin), 1);
    QCOMPARE(m_db->value("select count(*) from tb_taxnoa").toInt(), 1);
    QCOMPARE(fileText(m_db->value("select htmlfile from tb_taxnoa").toString()), QString("<html>second</html>"));
}

void TestNoaStore::sinsEndingAlikeGetTheirOwnFiles()
{
    m_renderer->answerPage("<html>first person</html>");
    m_renderer->answerPage("<html>second person</html>");
    QCOMPARE(save(noticeXml(kEnglish, true), "046454286"), 1);
    QCOMPARE(save(noticeXml(kEnglish, true), "130694286"), 1);
    const QString first =
        m_db->value(QString("select htmlfile from tb_taxnoa where uid=%1").arg(uidOf("046454286"))).toString();
    const QString second =
        m_db->value(QString("select htmlfile from tb_taxnoa where uid=%1").arg(uidOf("130694286"))).toString();
    QVERIFY(first != second);
    QCOMPARE(fileText(first), QString("<html>first person</html>"));
    QCOMPARE(fileText(second), QString("<html>second person</html>"));
}

void TestNoaStore::failedRenderLeavesNoFile_data()
{
    QTest::addColumn<FakeReply>("failure");
    QTest::newRow("server error") << FakeReply::text("<html>error</html>", 500);
    QTest::newRow("dropped") << FakeReply::drop();
    QTest::newRow("empty page") << FakeReply::text("");
}

void TestNoaStore::failedRenderLeavesNoFile()
{
    QFETCH(FakeReply, failure);
    // An older page of the same name must not stand for the new notice.
    QVERIFY(m_db->run("insert into tb_taxpayers (name, sin) values ('Maya', '046454286')"));
    const int uid = uidOf(kSin);
    const QString path = m_db->folder() + QString("/noa2021_xxxxx4286_%1.html").arg(uid);
    QFile older(path);
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("<html>older</html>") > 0);
    older.close();

    m_renderer->fail(failure);
    QByteArray log;
    QCOMPARE(save(noticeXml(kEnglish, true), kSin, &log), 1);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m_db->value("select htmlfile from tb_taxnoa").toString(), path);
    QCOMPARE(log, QByteArray("xslt=-1 save into db=1\n"));
}

void TestNoaStore::failedInsertKeepsTheEarlierRow()
{
    QCOMPARE(save(noticeXml(kEnglish, false), kSin), 1);
    QVERIFY(m_db->run("create trigger refuse before insert on tb_taxnoa begin select raise(fail, 'refused'); end"));
    QByteArray log;
    QCOMPARE(save(noticeXml(kFrench, false), kSin, &log), 0);
    QVERIFY(log.endsWith("save into db=0\n"));
    QCOMPARE(m_db->value("select count(*) from tb_taxnoa").toInt(), 1);
    QCOMPARE(m_db->value("select htmlfile from tb_taxnoa").toString(),
             QString("For tax payer (S.I.N. xxxxx4286), Your refund is $120."));
}

void TestNoaStore::accountNumberMasked_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("masked");

    const QString body = "<r xmlns:a=\"urn:a\" xmlns:ns12=\"urn:b\" xmlns:longprefix=\"urn:c\"><x>1</x>"
                         "<%1MaskedAccountNumber>%2</%1MaskedAccountNumber><y>MaskedAccountNumber</y></r>";
    for (const char* prefix : {"", "a:", "ns12:", "longprefix:"})
        QTest::newRow(prefix[0] ? prefix : "no prefix")
            << body.arg(prefix, "****1234") << body.arg(prefix, "xxxxx4286") << true;
    const QString undeclared = "<r><ns2:x>1</ns2:x><ns2:MaskedAccountNumber>%1</ns2:MaskedAccountNumber></r>";
    QTest::newRow("undeclared prefix") << undeclared.arg("****1234") << undeclared.arg("xxxxx4286") << true;
    QTest::newRow("element with children") << body.arg("", "<d>1</d>") << body.arg("", "xxxxx4286") << true;
    QTest::newRow("none") << "<r><x>MaskedAccountNumber</x></r>" << "<r><x>MaskedAccountNumber</x></r>" << false;
    QTest::newRow("not XML") << "MaskedAccountNumber>1</MaskedAccountNumber>"
                             << "MaskedAccountNumber>1</MaskedAccountNumber>" << false;
}

void TestNoaStore::accountNumberMasked()
{
    QFETCH(QString, xml);
    QFETCH(QString, expected);
    QFETCH(bool, masked);
    std::string text = xml.toStdString();
    QCOMPARE(NOATaxDataOnePerson::maskAccountNumber(text, "xxxxx4286"), masked);
    QCOMPARE(QString::fromStdString(text), expected);
}

void TestNoaStore::maskedSin_data()
{
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("masked");
    QTest::newRow("nine digits") << "046454286" << "xxxxx4286";
    QTest::newRow("five characters") << "04645" << "xxxxx";
    QTest::newRow("empty") << "" << "xxxxx";
}

void TestNoaStore::maskedSin()
{
    QFETCH(QString, sin);
    QFETCH(QString, masked);
    QCOMPARE(NOATaxDataOnePerson::maskedSIN(sin.toStdString()).toQString(), masked);
}

QTEST_MAIN(TestNoaStore)
#include "tst_noastore.moc"

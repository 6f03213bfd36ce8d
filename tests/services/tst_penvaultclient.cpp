// The e-signature and e-delivery client against the fake service: what each
// operation posts, and what it shows or stores for each reply.

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include "deploymentdata.h"
#include "fakehttpsserver.h"
#include "fakepenvault.h"
#include "familytaxdata.h"
#include "individualtaxdata.h"
#include "penvaultclient.h"
#include "prompt.h"
#include "scenario.h"
#include "taxdataform.h"
#include "testauthority.h"

Q_DECLARE_METATYPE(FakeReply)

namespace {

const QString kEmail = QStringLiteral("preparer@example.ca");
const QString kPassword = QStringLiteral("pw:Secret+1");
const QString kSin = QStringLiteral("046454286");
const QByteArray kPdf = "%PDF-1.4 fake body\r\n--not-a-boundary\r\n%%EOF";

const QByteArray kReturn = R"({ "province": 9,
  "taxpayer": { "t1": { "first_name": "Ann", "last_name": "Lee", "sin": "046454286",
                        "birth_date": "1960-05-01", "marital_status": 5,
                        "fields": { "home_phone": "4165550100" } },
                "forms": [ { "type": 96 }, { "type": 53 } ] } })";

enum Operation { Delivery, Signing };

// Answers every question (Yes, or Ok) and notes whether the wait cursor was
// up when it was asked: no message may show under it.
class CursorWitness : public Prompt::Handler
{
public:
    CursorWitness() : m_previous(Prompt::handler()) { Prompt::setHandler(this); }
    ~CursorWitness() override { Prompt::setHandler(m_previous); }
    Prompt::Answer ask(const Prompt::Request& request) override
    {
        texts << request.text;
        busy << (QGuiApplication::overrideCursor() != nullptr);
        return Prompt::Answer::pressed(request.kind == Prompt::Kind::Question ? Prompt::Yes : Prompt::Ok);
    }
    QStringList texts;
    QList<bool> busy;

private:
    Prompt::Handler* m_previous;
};

} // namespace

class TstPenvaultClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void uploads_data();
    void uploads();
    void uploadReplies_data();
    void uploadReplies();
    void notSent_data();
    void notSent();
    void noMessageUnderWaitCursor_data();
    void noMessageUnderWaitCursor();
    void login_data();
    void login();
    void statusQuery_data();
    void statusQuery();
    void filingRecord_data();
    void filingRecord();
    void sinTypedThreeWays_data();
    void sinTypedThreeWays();

private:
    CTaxData_Form* form(int type) const { return m_family->taxpayer()->GetFormData(type, false); }
    QString pdfPath() const { return m_certs.filePath(QStringLiteral("Lee Ann.pdf")); }

    QTemporaryDir m_certs;
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;
    std::unique_ptr<FakePenvault> m_fake;
    std::unique_ptr<CFamilyTaxData> m_family;
    PenvaultSettings m_settings;
    std::unique_ptr<PenvaultClient> m_client;
};

void TstPenvaultClient::initTestCase()
{
    QString error;
    QVERIFY2(TestAuthority::make(m_certs.path(), "esign", m_authority, &error), qPrintable(error));
    m_server.reset(new FakeHttpsServer(m_authority.serverCertificate, m_authority.serverKey));
    QVERIFY(m_server->start());
    CDeploymentData::setCertificateFile(m_authority.caCertificate);
    m_fake.reset(new FakePenvault(*m_server, kEmail, kPassword, CDeploymentData::s_esignMsg1Key));
    QFile pdf(pdfPath());
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.write(kPdf);
}

void TstPenvaultClient::cleanupTestCase()
{
    CDeploymentData::setCertificateFile(QString());
    m_client.reset();
    m_server.reset();
}

void TstPenvaultClient::init()
{
    m_server->clearScript();
    m_server->clearRequests();
    QString error;
    m_family = Scenario::build(kReturn, &error);
    QVERIFY2(m_family, qPrintable(error));
    m_settings = PenvaultSettings();
    m_settings.email = kEmail;
    m_settings.password = kPassword;
    m_settings.host = m_server->host();
    m_settings.filingReport = true;
    m_client.reset(new PenvaultClient([this] { return m_settings; }));
    m_client->setTimeoutMs(1500);
}

void TstPenvaultClient::uploads_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("formType");
    QTest::addColumn<bool>("pagePosition");
    QTest::addColumn<QString>("formItem");

    QTest::newRow("delivery T1135") << int(Delivery) << 101 << false << "T1135";
    QTest::newRow("delivery T1134") << int(Delivery) << 177 << false << "T1134";
    QTest::newRow("delivery whole return") << int(Delivery) << 0 << false << "T1GEN";
    QTest::newRow("delivery T183 is general") << int(Delivery) << 96 << false << "T1GEN";
    QTest::newRow("signing T183 with position") << int(Signing) << 96 << true << "T183";
    QTest::newRow("signing T185") << int(Signing) << 181 << false << "T185";
    QTest::newRow("signing T1013") << int(Signing) << 117 << false << "T1013";
    QTest::newRow("signing RC71 by name") << int(Signing) << 53 << false << "RC71";
}

void TstPenvaultClient::uploads()
{
    QFETCH(int, operation);
    QFETCH(int, formType);
    QFETCH(bool, pagePosition);
    QFETCH(QString, formItem);

    m_fake->answerUpload(4711, QStringLiteral("Request sent."));
    Prompt::Scripted prompts;
    prompts.press(Prompt::Yes).press(Prompt::Ok);
    const QString to = QStringLiteral("ann@example.ca");
    if (operation == Delivery)
        m_client->submitDocDelivery(formType, to, kSin, "Ann Lee", pdfPath(), nullptr);
    else
        m_client->submitFormType(m_family->taxpayer(), formType, pagePosition, to, kSin, "Ann Lee", pdfPath(),
                                 nullptr);

    const auto requests = m_server->requests(FakePenvault::kUploadPath);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(m_fake->faultOfUpload(requests[0]), QString());
    const FakePenvault::Form sent = FakePenvault::readForm(requests[0]);
    QCOMPARE(sent.file, kPdf);
    QCOMPARE(sent.fileName, QStringLiteral("Lee Ann.pdf"));
    QCOMPARE(sent.value("email"), to);
    QCOMPARE(sent.value("password"), QStringLiteral("4286"));
    QCOMPARE(sent.value("licdata"), kSin);
    QCOMPARE(sent.value("form"), formItem);
    QCOMPARE(sent.value("func"), operation == Delivery ? QStringLiteral("DOCDELI") : QStringLiteral("PENVAULT"));
    QCOMPARE(sent.value("sender_note"),
             QStringLiteral("This is for Ann Lee (tax year 2021), default password is last 4 digits of S.I.N."));
    QCOMPARE(sent.names().contains("date_pos"), pagePosition);
    if (pagePosition) {
        const QJsonArray position = QJsonDocument::fromJson(sent.value("date_pos").toUtf8()).array();
        QCOMPARE(position.size(), 1);
        QCOMPARE(position[0].toObject().value("page").toInt(-1), 0);
    }

    QCOMPARE(prompts.asked().size(), 2);
    QVERIFY(prompts.titles()[0].startsWith(operation == Delivery ? "Send Document for E-Delivery through "
                                                                  : "Send Document for E-Signature through "));
    QVERIFY(prompts.texts()[0].contains(to));
    QVERIFY(prompts.texts()[0].contains(QStringLiteral("using 4286 (last 4 digits")));
    QCOMPARE(prompts.texts()[1], QStringLiteral("Request sent."));
    if (operation == Signing) {
        const int holder = formType == 96 ? 96 : 53;
        QCOMPARE(form(holder)->getString("esignature").toQString(), QStringLiteral("4711"));
        QCOMPARE(form(holder == 96 ? 53 : 96)->getString("esignature").toQString(), QString());
    }
}

void TstPenvaultClient::uploadReplies_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("stored");

    const QByteArray tooLong = "{\"sr_id\": 5, \"message\": \"" + QByteArray(1100, 'x') + "\"}";
    for (int op : {int(Delivery), int(Signing)}) {
        const char* name = op == Delivery ? "delivery" : "signing";
        QTest::addRow("%s: 401", name) << op << FakeReply::text("Unauthorized", 401)
                                       << "Invalid result returned.Unauthorized" << false;
        QTest::addRow("%s: not JSON", name) << op << FakeReply::text("<html>oops</html>")
                                            << "Invalid result returned.<html>oops</html>" << false;
        QTest::addRow("%s: an array", name) << op << FakeReply::json("[{\"message\": \"hi\", \"sr_id\": 3}]")
                                            << "Invalid result returned.[{\"message\": \"hi\", \"sr_id\": 3}]"
                                            << false;
        QTest::addRow("%s: over 1024 characters", name)
            << op << FakeReply::json(tooLong) << "Invalid result returned." + QString::fromLatin1(tooLong) << false;
        QTest::addRow("%s: stall", name) << op << FakeReply::silent()
                                         << "Network query failed, check firewall settings." << false;
        QTest::addRow("%s: dropped", name) << op << FakeReply::drop()
                                           << "Network query failed, check firewall settings." << false;
    }
    QTest::newRow("delivery: no message key") << int(Delivery) << FakeReply::json("{\"sr_id\": 8}")
                                              << "Invalid result returned.{\"sr_id\": 8}" << false;
    QTest::newRow("signing: no sr_id") << int(Signing) << FakeReply::json("{\"message\": \"ok\"}")
                                       << "Invalid result returned.{\"message\": \"ok\"}" << false;
    // The reader gives 0 for what is no integer: no request to keep.
    QTest::newRow("signing: sr_id as text") << int(Signing) << FakeReply::json(R"({"sr_id": "4712", "message": "ok"})")
                                            << R"(Invalid result returned.{"sr_id": "4712", "message": "ok"})"
                                            << false;
    QTest::newRow("signing: sr_id beyond an integer")
        << int(Signing) << FakeReply::json(R"({"sr_id": 12345678901, "message": "ok"})")
        << R"(Invalid result returned.{"sr_id": 12345678901, "message": "ok"})" << false;
    QTest::newRow("signing: sr_id without message") << int(Signing) << FakeReply::json("{\"sr_id\": 77}")
                                                    << QString() << true;
}

void TstPenvaultClient::uploadReplies()
{
    QFETCH(int, operation);
    QFETCH(FakeReply, reply);
    QFETCH(QString, shown);
    QFETCH(bool, stored);

    m_server->script(FakePenvault::kUploadPath, reply);
    Prompt::Scripted prompts;
    prompts.press(Prompt::Yes).press(Prompt::Ok);
    QElapsedTimer clock;
    clock.start();
    if (operation == Delivery)
        m_client->submitDocDelivery(0, "ann@example.ca", kSin, "Ann Lee", pdfPath(), nullptr);
    else
        m_client->submitFormType(m_family->taxpayer(), 96, true, "ann@example.ca", kSin, "Ann Lee", pdfPath(),
                                 nullptr);
    // The time limit ends a stalled exchange, with room for a loaded machine.
    QVERIFY(clock.elapsed() < 15000);
    QCOMPARE(m_server->count(FakePenvault::kUploadPath), 1);
    QCOMPARE(prompts.texts().mid(1), shown.isEmpty() ? QStringList() : QStringList{shown});
    QCOMPARE(!form(96)->getString("esignature").IsEmpty(), stored);
}

void TstPenvaultClient::notSent_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("shown");

    const QString notReady = QStringLiteral(
        "Enter Penvault points email/password in preference, they are used for Pen-vault purpose.");
    QTest::newRow("no e-mail") << QString() << kPassword << true << notReady;
    QTest::newRow("no password") << kEmail << QString() << true << notReady;
    QTest::newRow("confirmation declined") << kEmail << kPassword << false << QString();
}

void TstPenvaultClient::notSent()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(bool, confirm);
    QFETCH(QString, shown);

    m_settings.email = email;
    m_settings.password = password;
    m_fake->answerUpload(1, "sent");
    for (int op : {int(Delivery), int(Signing)}) {
        Prompt::Scripted prompts;
        prompts.press(shown.isEmpty() ? (confirm ? Prompt::Yes : Prompt::No) : Prompt::Ok);
        if (op == Delivery)
            m_client->submitDocDelivery(0, "ann@example.ca", kSin, "Ann Lee", pdfPath(), nullptr);
        else
            m_client->submitFormType(m_family->taxpayer(), 96, true, "ann@example.ca", kSin, "Ann Lee", pdfPath(),
                                     nullptr);
        QCOMPARE(prompts.asked().size(), 1);
        if (!shown.isEmpty()) QCOMPARE(prompts.texts()[0], shown);
    }
    QCOMPARE(m_server->count(), 0);
    QVERIFY(form(96)->getString("esignature").IsEmpty());
}

void TstPenvaultClient::noMessageUnderWaitCursor_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("pdfThere");
    QTest::addColumn<FakeReply>("reply");

    for (int op : {int(Delivery), int(Signing)}) {
        const char* name = op == Delivery ? "delivery" : "signing";
        QTest::addRow("%s: no PDF", name) << op << false << FakeReply::json("{\"sr_id\": 5, \"message\": \"ok\"}");
        QTest::addRow("%s: sent", name) << op << true << FakeReply::json("{\"sr_id\": 5, \"message\": \"ok\"}");
        QTest::addRow("%s: 401", name) << op << true << FakeReply::text("Unauthorized", 401);
    }
}

void TstPenvaultClient::noMessageUnderWaitCursor()
{
    QFETCH(int, operation);
    QFETCH(bool, pdfThere);
    QFETCH(FakeReply, reply);

    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) QSKIP("no cursor without a GUI application");
    m_server->script(FakePenvault::kUploadPath, reply);
    const QString pdf = pdfThere ? pdfPath() : m_certs.filePath(QStringLiteral("gone.pdf"));
    CursorWitness witness;
    if (operation == Delivery)
        m_client->submitDocDelivery(0, "ann@example.ca", kSin, "Ann Lee", pdf, nullptr);
    else
        m_client->submitFormType(m_family->taxpayer(), 96, true, "ann@example.ca", kSin, "Ann Lee", pdf, nullptr);
    QCOMPARE(witness.texts.size(), 2);
    if (!pdfThere) QVERIFY2(witness.texts[1].contains(QStringLiteral("gone.pdf")), qPrintable(witness.texts[1]));
    QCOMPARE(witness.busy, (QList<bool>{false, false}));
    QCOMPARE(m_server->count(FakePenvault::kUploadPath), pdfThere ? 1 : 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TstPenvaultClient::login_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("result");

    QTest::newRow("token") << FakeReply::json("{\"access_token\": \"tok-123\"}") << 0;
    QTest::newRow("401 with a token-like body") << FakeReply::json("{\"access_token\": \"tok-123\"}", 401) << 99;
    QTest::newRow("no token") << FakeReply::json("{\"error\": \"bad\"}") << 99;
    QTest::newRow("empty token") << FakeReply::json("{\"access_token\": \"\"}") << 99;
    QTest::newRow("not JSON") << FakeReply::text("Unauthorized") << 99;
    QTest::newRow("stall") << FakeReply::silent() << 99;
}

void TstPenvaultClient::login()
{
    QFETCH(FakeReply, reply);
    QFETCH(int, result);

    m_server->script(FakePenvault::kLoginPath, reply);
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QString token = "stale";
    QCOMPARE(m_client->loginToPenvaultCA(token, nullptr), result);
    const auto requests = m_server->requests(FakePenvault::kLoginPath);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(m_fake->faultOfLogin(requests[0]), QString());
    QCOMPARE(token, result == 0 ? QStringLiteral("tok-123") : QString());
    QCOMPARE(prompts.asked().size(), result == 0 ? 0 : 1);
    if (result != 0) {
        QVERIFY(prompts.texts()[0].startsWith("Cannot login into " + m_server->host()));
        QCOMPARE(prompts.texts()[0].count(m_server->host()), 2);
    }
}

void TstPenvaultClient::statusQuery_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<QString>("requestId");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("stored");

    const auto status = [](const char* body) { return FakeReply::json(body); };
    QTest::newRow("T183 without identifier") << 96 << QString() << status("{}")
                                             << "E-Signature request has not been initiated!" << false;
    QTest::newRow("RC71 with a blank identifier") << 53 << QStringLiteral("  ") << status("{}")
                                                  << "E-Signature request has not been initiated!" << false;
    QTest::newRow("T183 completed with a time")
        << 96 << "4711" << status(R"({"sr_id": 4711, "status": "completed", "completed_at_utc": "2022-03-01T15:04:05Z"})")
        << "Status: completed Signed time: 2022-03-01T15:04:05Z" << true;
    QTest::newRow("T183 completed without a time")
        << 96 << "4711" << status(R"({"sr_id": 4711, "status": "completed"})")
        << "Status: completed No signed time is returned." << false;
    // A service may send finer fractions of a second than milliseconds.
    QTest::newRow("T183 completed, time in microseconds")
        << 96 << "4711"
        << status(R"({"sr_id": 4711, "status": "completed", "completed_at_utc": "2022-03-01T15:04:05.123456Z"})")
        << "Status: completed Signed time: 2022-03-01T15:04:05.123456Z" << true;
    QTest::newRow("T183 completed, time with a zero offset")
        << 96 << "4711"
        << status(R"({"sr_id": 4711, "status": "completed", "completed_at_utc": "2022-03-01T15:04:05+00:00"})")
        << "Status: completed Signed time: 2022-03-01T15:04:05+00:00" << true;
    QTest::newRow("T183 completed with a malformed time")
        << 96 << "4711" << status(R"({"sr_id": 4711, "status": "completed", "completed_at_utc": "yesterday"})")
        << "Status: completed Signed time: yesterday" << false;
    QTest::newRow("T183 completed with a local time")
        << 96 << "4711"
        << status(R"({"sr_id": 4711, "status": "completed", "completed_at_utc": "2022-03-01T15:04:05+05:00"})")
        << "Status: completed Signed time: 2022-03-01T15:04:05+05:00" << false;
    QTest::newRow("T183 completed, impossible date")
        << 96 << "4711" << status(R"({"sr_id": 4711, "status": "completed", "completed_at_utc": "2022-02-30T15:04:05Z"})")
        << "Status: completed Signed time: 2022-02-30T15:04:05Z" << false;
    QTest::newRow("RC71 completed keeps nothing")
        << 53 << "99" << status(R"({"sr_id": 99, "status": "completed", "completed_at_utc": "2022-03-01T15:04:05Z"})")
        << "Status: completed Signed time: 2022-03-01T15:04:05Z" << false;
    QTest::newRow("Completed is case-sensitive")
        << 96 << "4711" << status(R"({"sr_id": 4711, "status": "Completed", "completed_at_utc": "2022-03-01T15:04:05Z"})")
        << "Status: Completed Signature time is not available." << false;
    QTest::newRow("pending") << 96 << "4711" << status(R"({"sr_id": 4711, "status": "pending"})")
                             << "Status: pending Signature time is not available." << false;
    QTest::newRow("no status") << 96 << "4711" << status(R"({"sr_id": 4711})")
                               << "Status:  Signature time is not available." << false;
    QTest::newRow("no sr_id") << 96 << "4711" << status(R"({"status": "completed"})")
                              << R"(Invalid result returned.{"status": "completed"})" << false;
    QTest::newRow("401") << 96 << "4711" << FakeReply::text("Unauthorized", 401)
                         << "Invalid result returned.Unauthorized" << false;
    QTest::newRow("stall") << 96 << "4711" << FakeReply::silent()
                           << "Network query failed, check firewall settings." << false;
}

void TstPenvaultClient::statusQuery()
{
    QFETCH(int, formType);
    QFETCH(QString, requestId);
    QFETCH(FakeReply, reply);
    QFETCH(QString, shown);
    QFETCH(bool, stored);

    form(formType)->setString("esignature", CString(requestId));
    m_fake->answerLogin("tok-9");
    m_server->script(FakePenvault::statusPath(requestId.trimmed()), reply);
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QCOMPARE(m_client->getFormTime(m_family->taxpayer(), formType, nullptr), stored);
    QCOMPARE(prompts.texts(), QStringList{shown});

    const bool queried = !requestId.trimmed().isEmpty();
    const auto requests = m_server->requests(FakePenvault::statusPath(requestId.trimmed()));
    QCOMPARE(requests.size(), queried ? 1 : 0);
    if (queried) QCOMPARE(m_fake->faultOfStatus(requests[0], "tok-9"), QString());
    QCOMPARE(m_server->count(FakePenvault::kLoginPath), queried ? 1 : 0);

    CTaxData_Form* t183 = form(96);
    QCOMPARE(t183->getBool("is_esigned"), stored);
    if (stored) {
        const QDateTime local = QDateTime(QDate(2022, 3, 1), QTime(15, 4, 5), Qt::UTC).toLocalTime();
        QCOMPARE(t183->getDate("date"), local.date());
        QCOMPARE(t183->getString("signed_time").toQString(), local.time().toString("hh:mm:ss"));
    } else {
        QVERIFY(t183->getString("signed_time").IsEmpty());
    }
}

void TstPenvaultClient::filingRecord_data()
{
    QTest::addColumn<bool>("filingReport");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("formType");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<QString>("formItem");
    QTest::addColumn<int>("result");

    const FakeReply ok = FakeReply::text("OK");
    QTest::newRow("off: nothing") << false << kPassword << 1 << true << ok << QString() << 0;
    QTest::newRow("no password: -1") << true << QString() << 1 << true << ok << QString() << -1;
    QTest::newRow("T1 accepted") << true << kPassword << 1 << true << ok << "T1" << 0;
    QTest::newRow("T183 rejected") << true << kPassword << 96 << false << ok << "T183PAD" << 0;
    QTest::newRow("T1013") << true << kPassword << 117 << true << ok << "T1013" << 0;
    QTest::newRow("other by name") << true << kPassword << 53 << true << ok << "RC71" << 0;
    QTest::newRow("200 characters") << true << kPassword << 1 << true << FakeReply::text(QByteArray(200, 'k'))
                                    << "T1" << 0;
    QTest::newRow("201 characters: -99") << true << kPassword << 1 << true
                                         << FakeReply::text(QByteArray(201, 'k')) << "T1" << -99;
    QTest::newRow("401: -100") << true << kPassword << 1 << true << FakeReply::text("Unauthorized", 401) << "T1"
                               << -100;
    QTest::newRow("500: -100") << true << kPassword << 1 << true << FakeReply::text("", 500) << "T1" << -100;
    QTest::newRow("stall: -100") << true << kPassword << 1 << true << FakeReply::silent() << "T1" << -100;
}

void TstPenvaultClient::filingRecord()
{
    QFETCH(bool, filingReport);
    QFETCH(QString, password);
    QFETCH(int, formType);
    QFETCH(bool, accepted);
    QFETCH(FakeReply, reply);
    QFETCH(QString, formItem);
    QFETCH(int, result);

    m_settings.filingReport = filingReport;
    m_settings.password = password;
    m_server->script(FakePenvault::kFilingPath, reply);
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QCOMPARE(m_client->sendFilingRecord(m_family->taxpayer(), formType, accepted, "CONF1", "Accepted."), result);
    QCOMPARE(prompts.texts(), result == -1 ? QStringList{"Enter Penvault points email/password in preference, they "
                                                         "are used for filing report."}
                                           : QStringList());
    const auto requests = m_server->requests(FakePenvault::kFilingPath);
    QCOMPARE(requests.size(), formItem.isEmpty() ? 0 : 1);
    if (formItem.isEmpty()) return;
    QCOMPARE(m_fake->faultOfFiling(requests[0]), QString());
    const FakePenvault::Form sent = FakePenvault::readForm(requests[0]);
    QCOMPARE(sent.value("licdata"), QStringLiteral("0*****286"));
    QCOMPARE(sent.value("form"), formItem);
    QCOMPARE(sent.value("status"), accepted ? QStringLiteral("30100") : QStringLiteral("30110"));
    QCOMPARE(sent.value("taxpayer_name"), QStringLiteral("Ann Lee"));
    QCOMPARE(sent.value("taxpayer_phone"), QStringLiteral("4165550100"));
    QCOMPARE(sent.value("confirmation_code"), QStringLiteral("CONF1"));
    QCOMPARE(sent.value("filing_message"), QStringLiteral("Accepted."));
    QCOMPARE(sent.value("tax_year_end"), QStringLiteral("2021/12/31"));
}

void TstPenvaultClient::sinTypedThreeWays_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nine digits") << "046454286";
    QTest::newRow("blanks") << "046 454 286";
    QTest::newRow("hyphens") << "046-454-286";
}

// However the S.I.N. was typed, the client is told and sent the same four
// digits as password, and the filing record masks the same digits.
void TstPenvaultClient::sinTypedThreeWays()
{
    QFETCH(QString, typed);
    form(1)->setString("sin", CString(typed));
    QCOMPARE(PenvaultClient::maskedSin(typed), QStringLiteral("0*****286"));

    m_fake->answerUpload(4711, QStringLiteral("Request sent."));
    Prompt::Scripted prompts;
    prompts.press(Prompt::Yes).press(Prompt::Ok);
    m_client->submitDocDelivery(0, "ann@example.ca", CString(typed), "Ann Lee", pdfPath(), nullptr);
    const auto uploads = m_server->requests(FakePenvault::kUploadPath);
    QCOMPARE(uploads.size(), 1);
    QCOMPARE(m_fake->faultOfUpload(uploads[0]), QString());
    const FakePenvault::Form upload = FakePenvault::readForm(uploads[0]);
    QCOMPARE(upload.value("password"), QStringLiteral("4286"));
    QCOMPARE(upload.value("licdata"), kSin);
    QVERIFY2(prompts.texts().value(0).contains(QStringLiteral("using 4286 (last 4 digits")),
             qPrintable(prompts.texts().value(0)));

    m_server->script(FakePenvault::kFilingPath, FakeReply::text("OK"));
    QCOMPARE(m_client->sendFilingRecord(m_family->taxpayer(), 1, true, "CONF1", "Accepted."), 0);
    const auto records = m_server->requests(FakePenvault::kFilingPath);
    QCOMPARE(records.size(), 1);
    QCOMPARE(m_fake->faultOfFiling(records[0]), QString());
    QCOMPARE(FakePenvault::readForm(records[0]).value("licdata"), QStringLiteral("0*****286"));
}

QTEST_MAIN(TstPenvaultClient)
#include "tst_penvaultclient.moc"

// The NETFILE client against the fake agency over TLS: the terms exchange
// and its dialog, the return envelope as the agency parses it, and every
// kind of reply read into the record and the result file.

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "agencyfixture.h"
#include "deploymentdata.h"
#include "dlgfilingterm.h"
#include "eolclient.h"
#include "familytaxdata.h"
#include "filingsettings.h"
#include "individualtaxdata.h"
#include "netfileclient.h"
#include "netfileterms.h"
#include "prompt.h"
#include "scenario.h"
#include "t1appconfig.h"

namespace {

const QByteArray kRsp = "xmlns:t1rsp=\"http://agency.example/t1rsp\"";

FakeReply returnReply(const QByteArray& resultCode, const QByteArray& fileResponse)
{
    return FakeAgency::soap("<t1rsp:NetfileReturnResponse " + kRsp + "><ResultCode>" + resultCode +
                            "</ResultCode><t1rsp:FileReturnResponse>" + fileResponse +
                            "</t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

const QByteArray kWorkFile = "<?xml version=\"1.0\"?>\n<t1:T1Return xmlns:t1=\"http://agency.example/t1\">\n"
                             "<t1:Line>1</t1:Line>\n</t1:T1Return>\ntrailing";

// A couple, the taxpayer filed before (so the access code goes), each with a
// S.I.N. typed grouped and a T183 (for EFILE), and a dependant.
const QByteArray kCouple = R"({ "province": 9,
  "taxpayer": { "t1": { "first_name": "Ann", "last_name": "Lee", "sin": "046 454 286",
                        "birth_date": "1961-05-02", "marital_status": 0,
                        "fields": { "filed_before": 0, "netfile_access_code": "AB12CD34" } },
                "forms": [ { "type": 96 } ],
                "dependants": [ { "first_name": "Kim", "birth_date": "2012-06-03", "relationship": 1 } ] },
  "spouse": { "province": 9, "t1": { "first_name": "Bo", "last_name": "Lee", "sin": "130-692-544",
                                     "birth_date": "1959-11-04", "marital_status": 0 },
              "forms": [ { "type": 96 } ] } })";

} // namespace

Q_DECLARE_METATYPE(FakeReply)

class TstNetfileClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void termsExchange_data();
    void termsExchange();
    void returnReplies_data();
    void returnReplies();
    void returnWithoutReply_data();
    void returnWithoutReply();
    void envelopeAsTheAgencyReadsIt();
    void testModeTraceIsMaskedAndClosed();
    void envelopeFailures();
    void unopenableResultFileIsSkipped();
    void settingsFromTheConfiguration();
    void coupledReturnTraceHoldsNoSecret_data();
    void coupledReturnTraceHoldsNoSecret();

    void termsDialogNeedsTheAgreeBox();
    void termsDialogCancelled();
    void refileTermsUseThePublishedPage();
    void termsRefusedConnection();

private:
    AgencyValues filerValues() const;
    // Runs the terms step while `drive` handles the dialog once it shows.
    int runTerms(bool refile, int& agreement, std::function<void(DlgFilingTerm*)> drive);

    AgencyFixture m_fx;
};

void TstNetfileClient::initTestCase()
{
    QString error;
    QVERIFY2(m_fx.start(&error), qPrintable(error));
}

void TstNetfileClient::cleanupTestCase() { m_fx.stop(); }

void TstNetfileClient::init() { m_fx.reset(); }

AgencyValues TstNetfileClient::filerValues() const
{
    AgencyValues values;
    putEscaped(values, "sin", "123456782");
    putEscaped(values, "bod", "1980-01-02");
    values["agreement"] = "1";
    values["firsttime"] = "0";
    putEscaped(values, "accesscode", "AB&CD");
    putEscaped(values, "givenname", "O'Brien & <Sons>");
    putEscaped(values, "familyname", "Lévesque");
    return values;
}

void TstNetfileClient::termsExchange_data()
{
    QTest::addColumn<bool>("refile");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QByteArray>("fileTail");

    const FakeReply twoLines =
        FakeAgency::terms({"You agree to REFILE terms.", "Read them &amp; keep a copy."}, "Terms of use", "https://agency.example/terms");
    QTest::newRow("two lines and a link") << false << twoLines << 0
                                          << "You agree to REFILE terms.\r\nRead them & keep a copy.\r\n"
                                          << "Terms of use" << "https://agency.example/terms" << QByteArray();
    QTest::newRow("refile") << true << FakeAgency::terms({"ReFILE terms."}, "ReFILE", "https://x.example/")
                            << 0 << "ReFILE terms.\r\n" << "ReFILE" << "https://x.example/" << QByteArray();
    QTest::newRow("no terms") << false << FakeAgency::soap("<Other/>") << 51 << "" << ""
                              << "unknown response error" << QByteArray("parses Netfile Term failed.\n");
    QTest::newRow("not xml") << false << FakeReply::text("<html>busy") << 51 << "" << "" << "response error"
                             << QByteArray("parses Netfile Term failed.\n");
    QTest::newRow("reset") << false << FakeReply::reset() << -50 << "" << "" << ""
                           << QByteArray("read Netfile Term failed.\n");
}

void TstNetfileClient::termsExchange()
{
    QFETCH(bool, refile);
    QFETCH(FakeReply, reply);
    QFETCH(int, rc);
    QFETCH(QString, message);
    QFETCH(QString, linkText);
    QFETCH(QString, resultCode);
    QFETCH(QByteArray, fileTail);

    refile ? m_fx.agency().refileTerms(reply) : m_fx.agency().netfileTerms(reply);
    // The terms append to what an earlier exchange left.
    m_fx.writeFile("netfileresult.txt", "earlier");
    StructNetfileSoapResult result;
    QCOMPARE(NetfileSOAP_request1_internal(&result, refile), rc);
    QCOMPARE(result.message.toQString(), message);
    QCOMPARE(result.confirmationCode.toQString(), linkText);
    QCOMPARE(result.resultCode.toQString(), resultCode);
    QVERIFY(!result.accepted);
    QCOMPARE(m_fx.afterTimeLine("earlier\n\n", " \n"), fileTail);

    const auto sent = m_fx.agency().requests(FakeAgency::kNetfilePath);
    QCOMPARE(sent.size(), 1);
    QVERIFY(sent[0].wellFormed);
    QCOMPARE(sent[0].bodyElement,
             refile ? QStringLiteral("RefileTermsAndConditionsRequest") : QStringLiteral("TermsAndConditionsRequest"));
}

void TstNetfileClient::returnReplies_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("rc");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QByteArray>("fileTail");

    QTest::newRow("confirmation keeps quotes")
        << returnReply("1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>NF123</t1rsp:ConfirmationCode>" +
                                FakeAgency::englishMessage({"We\xE2\x80\x99ve received it.", "Thank you."}) + "</t1rsp:Confirmation>")
        << 0 << true << "NF123" << QString::fromUtf8("We\xE2\x80\x99ve received it.\r\nThank you.\r\n") << "1"
        << QByteArray("We\xE2\x80\x99ve received it.\r\nThank you.\r\n\n\n");
    QTest::newRow("rejection loses quotes")
        << returnReply("2", "<t1rsp:Rejection>" + FakeAgency::englishMessage({"We\xE2\x80\x99re unable to accept it."}) + "</t1rsp:Rejection>")
        << 0 << false << "" << "We're unable to accept it.\r\n" << "2"
        << QByteArray("We're unable to accept it.\r\n\n\n");
    QTest::newRow("system error")
        << returnReply("3", "<t1rsp:SystemError>" + FakeAgency::englishMessage({"Service down.", "Later."}) + "</t1rsp:SystemError>")
        << 0 << false << "" << "Service down.\r\nLater.\r\n" << "3" << QByteArray("Service down.\r\nLater.\r\n\n\n");
    QTest::newRow("processing error with code")
        << returnReply("4", "<t1rsp:ProcessingError>" + FakeAgency::englishMessage({"Could not process."}) +
                                "<t1rsp:ErrorCodeDescription><t1rsp:ErrorCode>E101</t1rsp:ErrorCode>" +
                                FakeAgency::englishMessage({"Bad field.", "It\xE2\x80\x99s wrong."}) +
                                "</t1rsp:ErrorCodeDescription></t1rsp:ProcessingError>")
        << 0 << false << "" << "Could not process.\r\nError code: (E101)\r\nError Message:\r\nBad field.\r\nIt's wrong."
        << "4E101" << QByteArray("Could not process.\r\nError code: (E101)\r\nError Message:\r\nBad field.\r\nIt's wrong.\n\n");
    QTest::newRow("fault 500") << FakeAgency::fault("Server busy") << 0 << false << "" << "Server busy" << ""
                               << QByteArray("Server busy\n\n");
    QTest::newRow("neither") << FakeAgency::soap("<Other/>") << 0 << false << ""
                             << "Error: no T1 return response and Fault" << ""
                             << QByteArray("Error: no T1 return response and Fault\n\n");
    QTest::newRow("percent unchanged")
        << returnReply("1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>C</t1rsp:ConfirmationCode>" +
                                FakeAgency::englishMessage({"100% done %s %d"}) + "</t1rsp:Confirmation>")
        << 0 << true << "C" << "100% done %s %d\r\n" << "1" << QByteArray("100% done %s %d\r\n\n\n");
    QTest::newRow("not xml") << FakeReply::text("<html><body>oops") << 1 << false << "" << "" << "response error"
                             << QByteArray("response error\n\n");
    QTest::newRow("empty") << FakeReply::text("") << 1 << false << "" << "" << "response error"
                           << QByteArray("response error\n\n");
}

void TstNetfileClient::returnReplies()
{
    QFETCH(FakeReply, reply);
    QFETCH(int, rc);
    QFETCH(bool, accepted);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, resultCode);
    QFETCH(QByteArray, fileTail);

    if (reply.action == FakeReply::Silent) m_fx.timeoutMs = 300;
    m_fx.agency().netfileReturn(reply);
    m_fx.writeFile("netfileresult.txt", "left from before");
    AgencyValues values = filerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructNetfileSoapResult result;
    QCOMPARE(NetfileSOAP_request2(values, work.toUtf8().constData(), &result), rc);
    QCOMPARE(result.accepted, accepted);
    QCOMPARE(result.confirmationCode.toQString(), confirmation);
    QCOMPARE(result.message.toQString(), message);
    QCOMPARE(result.resultCode.toQString(), resultCode);
    QVERIFY(result.spare.IsEmpty());
    QCOMPARE(m_fx.afterTimeLine("", "\n"), fileTail);
}

void TstNetfileClient::returnWithoutReply_data()
{
    // Refused before anything went out, the return cannot have reached the
    // agency; once it went out, a reset or a stall leaves it unknown.
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("rc");
    QTest::addColumn<int>("sent");
    QTest::addColumn<QByteArray>("fileTail");
    QTest::newRow("connection refused") << false << FakeReply() << -20 << 0 << QByteArray("\n\n");
    QTest::newRow("reset after the post") << true << FakeReply::reset() << kNoReplyAfterSending << 1
                                          << QByteArray("No reply came from CRA after the return was sent.\n");
    QTest::newRow("stall after the post") << true << FakeReply::silent() << kNoReplyAfterSending << 1
                                          << QByteArray("No reply came from CRA after the return was sent.\n");
}

void TstNetfileClient::returnWithoutReply()
{
    QFETCH(bool, reachable);
    QFETCH(FakeReply, reply);
    QFETCH(int, rc);
    QFETCH(int, sent);
    QFETCH(QByteArray, fileTail);
    m_fx.timeoutMs = 300;
    if (reachable)
        m_fx.agency().netfileReturn(reply);
    else
        m_fx.useHost(closedHost());
    AgencyValues values = filerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructNetfileSoapResult result;
    QCOMPARE(NetfileSOAP_request2(values, work.toUtf8().constData(), &result), rc);
    QVERIFY(!result.accepted);
    QCOMPARE(m_fx.agency().requests(FakeAgency::kNetfilePath).size(), sent);
    QCOMPARE(m_fx.afterTimeLine("", "\n"), fileTail);
}

void TstNetfileClient::envelopeAsTheAgencyReadsIt()
{
    m_fx.agency().netfileReturn(returnReply("1", "<t1rsp:Confirmation/>"));
    AgencyValues values = filerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructNetfileSoapResult result;
    QCOMPARE(NetfileSOAP_request2(values, work.toUtf8().constData(), &result), 0);
    QVERIFY(result.accepted);
    QCOMPARE(QString::fromStdString(values["origip"]), QStringLiteral("0.0.0.0"));

    const auto sent = m_fx.agency().requests(FakeAgency::kNetfilePath);
    QCOMPARE(sent.size(), 1);
    const FakeAgency::Request& request = sent[0];
    QVERIFY(request.wellFormed);
    QCOMPARE(request.bodyElement, QStringLiteral("FileReturnRequest"));
    QVERIFY(!request.raw.contains("$$("));
    const QStringList order = {"FileReturnRequest", "TaxpayerSocialInsuranceNumber", "TaxpayerBirthDate", "TaxYear",
                               "AgreementIndicator", "FirstTimeFilerIndicator", "OriginatingIP",
                               "NetfileAccessCode", "TaxReturnForm", "T1Return", "Line", "GivenName", "FamilyName"};
    QCOMPARE(request.elements.mid(request.elements.indexOf("FileReturnRequest")), order);
    QCOMPARE(request.text("TaxpayerSocialInsuranceNumber"), QStringLiteral("123456782"));
    QCOMPARE(request.text("TaxYear"), QStringLiteral("2021"));
    QCOMPARE(request.text("OriginatingIP"), QStringLiteral("0.0.0.0"));
    QCOMPARE(request.text("NetfileAccessCode"), QStringLiteral("AB&CD"));
    QCOMPARE(request.text("GivenName"), QStringLiteral("O'Brien & <Sons>"));
    QCOMPARE(request.text("FamilyName"), QStringLiteral("Lévesque"));
    // The return element goes as it is in the work file.
    QVERIFY(request.raw.contains("<t1:T1Return xmlns:t1=\"http://agency.example/t1\">\n<t1:Line>1</t1:Line>\n</t1:T1Return>"));
    QVERIFY(!request.raw.contains("trailing"));
}

void TstNetfileClient::testModeTraceIsMaskedAndClosed()
{
    m_fx.testMode = true;
    m_fx.agency().netfileReturn(returnReply(
        "1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>NF9</t1rsp:ConfirmationCode>" + FakeAgency::englishMessage({"Done."}) +
                 "</t1rsp:Confirmation>"));
    AgencyValues values = filerValues();
    const QString work = m_fx.writeFile(
        "work.xml", "<t1:T1Return xmlns:t1=\"http://agency.example/t1\" xmlns:tp=\"http://agency.example/tp\">"
                    "<tp:SocialInsuranceNumber>123456782</tp:SocialInsuranceNumber><tp:BirthDate>1980-01-02"
                    "</tp:BirthDate><t1:Line>5</t1:Line></t1:T1Return>");
    StructNetfileSoapResult result;
    QCOMPARE(NetfileSOAP_request2(values, work.toUtf8().constData(), &result), 0);
    // The reply is still read into the record.
    QVERIFY(result.accepted);
    QCOMPARE(result.confirmationCode, CString("NF9"));
    QCOMPARE(result.message, CString("Done.\r\n"));

    const auto sent = m_fx.agency().requests(FakeAgency::kNetfilePath);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].text("NetfileAccessCode"), QStringLiteral("AB&CD"));
    const QByteArray trace = m_fx.resultBytes();
    // The envelope sent, secrets masked, and nothing after it.
    QCOMPARE(trace, maskedEnvelope(CString(sent[0].raw)).bytes());
    for (const char* secret : {"123456782", "1980-01-02", "AB&amp;CD"}) QVERIFY2(!trace.contains(secret), secret);
    QVERIFY(trace.contains("<t1rq:NetfileAccessCode>********</t1rq:NetfileAccessCode>"));
    QVERIFY(trace.contains("<tp:SocialInsuranceNumber>********</tp:SocialInsuranceNumber>"));
    QVERIFY(trace.contains("<t1:Line>5</t1:Line>"));
    QVERIFY(sent[0].raw.contains("<tp:SocialInsuranceNumber>123456782</tp:SocialInsuranceNumber>"));
    QVERIFY(trace.contains("<comm:GivenName>O&apos;Brien &amp; &lt;Sons&gt;</comm:GivenName>"));
}

void TstNetfileClient::coupledReturnTraceHoldsNoSecret_data()
{
    QTest::addColumn<bool>("efile");
    QTest::addColumn<int>("person");
    QTest::newRow("NETFILE, taxpayer") << false << 0;
    QTest::newRow("NETFILE, spouse") << false << 1;
    QTest::newRow("EFILE, taxpayer") << true << 0;
    QTest::newRow("EFILE, spouse") << true << 1;
}

// The test-mode trace of a coupled return's real envelope: the request
// carries both spouses' S.I.N.s and birth dates, the access code or the
// EFILE password; the trace none of them, whatever the element's prefix.
void TstNetfileClient::coupledReturnTraceHoldsNoSecret()
{
    QFETCH(bool, efile);
    QFETCH(int, person);
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(kCouple, &error);
    QVERIFY2(family, qPrintable(error));
    IndividualTaxData* filer = person == 0 ? family->taxpayer() : family->spouse();
    const FilingSettings before = filingSettings();
    filingSettings().EfilerId = "A1B2C";
    filingSettings().EfilerPassword = "pw&Secret1";

    FILE* out = std::fopen(QFile::encodeName(m_fx.folder() + "/work.ws").constData(), "wb");
    QVERIFY(out);
    const int written = filer->CreateElectronicFile(nullptr, out, efile ? 1 : 2);
    std::fclose(out);
    QCOMPARE(written, 0);
    AgencyValues values;
    if (efile) {
        filer->getEfileDataInfo(values, 1);
    } else {
        CString email;
        double amount = 0;
        filer->getNetfileDataInfo(values, 1, email, amount, 0);
    }
    m_fx.testMode = true;
    const QByteArray workPath = QFile::encodeName(m_fx.folder() + "/work.ws");
    if (efile) {
        m_fx.agency().efile(FakeAgency::soap("<none/>"));
        StructEOLSoapResult result;
        QCOMPARE(EOLSOAP_request(values, workPath.constData(), &result), -2); // the fake answers nothing known
    } else {
        m_fx.agency().netfileReturn(returnReply("1", "<t1rsp:Confirmation/>"));
        StructNetfileSoapResult result;
        NetfileSOAP_request2(values, workPath.constData(), &result);
    }
    filingSettings() = before;

    const auto sent = m_fx.agency().requests(efile ? FakeAgency::kEfilePath : FakeAgency::kNetfilePath);
    QCOMPARE(sent.size(), 1);
    const QByteArray request = sent[0].raw;
    const QByteArray trace = m_fx.resultBytes();
    QVERIFY(trace.contains("<t1:T1Return"));
    const QList<QByteArray> secrets = {"046454286", "130692544", "1961-05-02", "19610502", "1959-11-04", "19591104",
                                       "2012-06-03", "20120603", "AB12CD34", "pw&amp;Secret1"};
    int inRequest = 0;
    for (const QByteArray& secret : secrets) {
        if (request.contains(secret)) ++inRequest;
        QVERIFY2(!trace.contains(secret), secret.constData());
    }
    // The request did carry them: the test looks at the real thing.
    QVERIFY2(request.contains("046454286") && request.contains("130692544"), request.constData());
    QVERIFY(inRequest >= 3);
    QVERIFY(trace.contains("SpouseSocialInsuranceNumber>********</"));
    if (efile)
        QCOMPARE(trace.count("<ef:PasswordID>********</ef:PasswordID>"), 2);
    else if (person == 0)
        QVERIFY(trace.contains("<t1rq:NetfileAccessCode>********</t1rq:NetfileAccessCode>"));
}

void TstNetfileClient::envelopeFailures()
{
    AgencyValues values = filerValues();
    StructNetfileSoapResult result;
    QCOMPARE(NetfileSOAP_request2(values, (m_fx.folder() + "/missing.xml").toUtf8().constData(), &result), -10);
    QCOMPARE(m_fx.resultBytes(), QByteArray("cannot assemble Netfile request.\n"));
    const QString noReturn = m_fx.writeFile("noreturn.xml", "</t1:T1Return><t1:T1Return>");
    QCOMPARE(NetfileSOAP_request2(values, noReturn.toUtf8().constData(), &result), -10);
    values.erase("sin");
    CString out;
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    QCOMPARE(GetNetfileRequest(true, values, work.toUtf8().constData(), out), -1);
    QCOMPARE(m_fx.server().count(), 0);
}

void TstNetfileClient::unopenableResultFileIsSkipped()
{
    m_fx.useResultPath(m_fx.folder() + "/no such folder/netfileresult.txt");
    m_fx.agency().netfileReturn(returnReply(
        "1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>NF5</t1rsp:ConfirmationCode></t1rsp:Confirmation>"));
    m_fx.agency().netfileTerms(FakeAgency::terms({"Terms."}, "T", "https://agency.example/nf"));
    AgencyValues values = filerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructNetfileSoapResult terms, result;
    QCOMPARE(NetfileSOAP_request1_internal(&terms, false), 0);
    QCOMPARE(terms.message, CString("Terms.\r\n"));
    QCOMPARE(NetfileSOAP_request2(values, work.toUtf8().constData(), &result), 0);
    QVERIFY(result.accepted);
    QCOMPARE(result.confirmationCode, CString("NF5"));
    QCOMPARE(m_fx.server().count(), 2);
}

void TstNetfileClient::settingsFromTheConfiguration()
{
    CT1AppConfig config;
    config.m_NETFILESERVER = "netfile.example";
    config.m_EOLSERVER = "efile.example";
    config.m_T1135SERVER = "t1135.example";
    config.m_T1013SERVER = "t1013.example";
    config.m_MODEDEBUG = true;
    installAgencySettingsFor(&config, []() { return CString("/run/netfileresult.ws"); });
    const AgencySettings settings = agencySettings();
    // Back to the fake agency for the tests that follow.
    setAgencySettingsSource([this]() { return m_fx.settings(); });
    QCOMPARE(settings.netfileHost, CString("netfile.example"));
    QCOMPARE(settings.efileHost, CString("efile.example"));
    QCOMPARE(settings.t1135Host, CString("t1135.example"));
    QCOMPARE(settings.t1013Host, CString("t1013.example"));
    QVERIFY(settings.testMode);
    QCOMPARE(settings.resultFilePath, CString("/run/netfileresult.ws"));
    QCOMPARE(agencyUrl(settings.netfileHost, kNetfileServicePath),
             QStringLiteral("https://netfile.example/ebci/pfno/ws/services/FileReturnService"));
}

int TstNetfileClient::runTerms(bool refile, int& agreement, std::function<void(DlgFilingTerm*)> drive)
{
    bool driven = false;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&]() {
        auto* dialog = qobject_cast<DlgFilingTerm*>(QApplication::activeModalWidget());
        if (!dialog || driven) return;
        driven = true;
        drive(dialog);
    });
    poll.start();
    return NetfileSOAP_request1(agreement, refile, nullptr);
}

void TstNetfileClient::termsDialogNeedsTheAgreeBox()
{
    // The agency's text is shown as written, never read as markup.
    m_fx.agency().netfileTerms(
        FakeAgency::terms({"I agree to the REFILE terms &amp; &lt;b&gt;rules&lt;/b&gt;."}, "NETFILE terms", "https://agency.example/nf"));
    int agreement = 0;
    bool stayedOpen = false;
    Qt::TextFormat agreeFormat = Qt::AutoText;
    QString title, agreeText, link;
    const int rc = runTerms(false, agreement, [&](DlgFilingTerm* dialog) {
        title = dialog->windowTitle();
        agreeText = dialog->findChild<QLabel*>("lblAgree")->text();
        agreeFormat = dialog->findChild<QLabel*>("lblAgree")->textFormat();
        link = dialog->findChild<QLabel*>("lblLink")->text();
        auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        stayedOpen = dialog->isVisible();
        QTest::mouseClick(dialog->findChild<QCheckBox*>("fld_bAgree"), Qt::LeftButton);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(stayedOpen);
    QCOMPARE(rc, 0);
    QCOMPARE(agreement, 1);
    QCOMPARE(title, QStringLiteral("NETFILE terms"));
    QCOMPARE(agreeText, QStringLiteral("I agree to the NETFILE terms & <b>rules</b>.\r\n"));
    QCOMPARE(agreeFormat, Qt::PlainText);
    QCOMPARE(link, QStringLiteral("<a href=\"https://agency.example/nf\">https://agency.example/nf</a>"));
}

void TstNetfileClient::termsDialogCancelled()
{
    m_fx.agency().netfileTerms(FakeAgency::terms({"Terms."}, "T", "https://agency.example/nf"));
    int agreement = 0;
    const int rc = runTerms(false, agreement, [](DlgFilingTerm* dialog) {
        QTest::mouseClick(dialog->findChild<QCheckBox*>("fld_bAgree"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    QCOMPARE(rc, 10);
    QCOMPARE(agreement, 2);
}

void TstNetfileClient::refileTermsUseThePublishedPage()
{
    m_fx.agency().refileTerms(FakeAgency::terms({"The REFILE terms."}, "ReFILE terms", "https://agency.example/other"));
    int agreement = 0;
    QString agreeText, link;
    const int rc = runTerms(true, agreement, [&](DlgFilingTerm* dialog) {
        agreeText = dialog->findChild<QLabel*>("lblAgree")->text();
        link = dialog->findChild<QLabel*>("lblLink")->text();
        QTest::mouseClick(dialog->findChild<QCheckBox*>("fld_bAgree"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    QCOMPARE(rc, 0);
    QCOMPARE(agreement, 1);
    QCOMPARE(agreeText, QStringLiteral("The REFILE terms.\r\n"));
    const QString page = CDeploymentData::agencyRefileTermsUrl();
    QVERIFY(page.endsWith("/en/revenue-agency/services/e-services/e-services-individuals/netfile-overview/"
                          "refile-terms-conditions-privacy-notice.html"));
    QCOMPARE(link, QStringLiteral("<a href=\"%1\">%1</a>").arg(page));
}

void TstNetfileClient::termsRefusedConnection()
{
    Prompt::Scripted prompt;
    prompt.press(Prompt::Ok);
    m_fx.useHost(closedHost());
    int agreement = 7;
    QCOMPARE(NetfileSOAP_request1(agreement, false, nullptr), -50);
    QCOMPARE(agreement, 7);
    QCOMPARE(prompt.texts(), QStringList{"Msg: Error in connecting to CRA server.; Code: -50."});
}

QTEST_MAIN(TstNetfileClient)
#include "tst_netfileclient.moc"

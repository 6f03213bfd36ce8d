// The EFILE client against the fake agency: the envelope as the agency
// parses it, the code tests, and each reply read into the record and the
// result file.

#include <QtTest>

#include "agencyfixture.h"
#include "eolclient.h"

Q_DECLARE_METATYPE(FakeReply)

namespace {

const QByteArray kNs = "xmlns:t1ersp=\"http://agency.example/t1ersp\" xmlns:t1rsp=\"http://agency.example/t1rsp\"";

FakeReply eol(const QByteArray& code, const QByteArray& inside, const QByteArray& fileResponse = QByteArray())
{
    return FakeAgency::soap("<t1ersp:EfileReturnResponse " + kNs + "><ResultCode>" + code + "</ResultCode>" + inside +
                            "<t1rsp:FileReturnResponse>" + fileResponse +
                            "</t1rsp:FileReturnResponse></t1ersp:EfileReturnResponse>");
}

FakeReply accepted(const QByteArray& code)
{
    return eol(code, "<TransmissionNumber>TN42</TransmissionNumber><t1ersp:CvIndicator>Y</t1ersp:CvIndicator>",
               "<t1rsp:Confirmation>" + FakeAgency::englishMessage({"Accepted.", "Keep TN42."}) + "</t1rsp:Confirmation>");
}

const QByteArray kWorkFile = "head\r\r\n<t1:T1Return xmlns:t1=\"http://agency.example/t1\">\r\r\n<t1:Line>1</t1:Line>\r\r\n"
                             "</t1:T1Return>\r\r\n";

AgencyValues preparerValues()
{
    AgencyValues values;
    putEscaped(values, "efilerID", "X1234");
    putEscaped(values, "efpasd", "p<&>w");
    putEscaped(values, "dcn", "X1234-0001");
    values["ENOAFlag"] = "Y";
    values["precntctcode"] = "2";
    values["postcntctcode"] = "3";
    values["firsttime"] = "0";
    return values;
}

} // namespace

class TstEolClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_fx.reset(); }
    void codeTests_data();
    void codeTests();
    void replies_data();
    void replies();
    void refusedConnectionSendsNothing();
    void envelopeAsTheAgencyReadsIt();
    void signatureBlocks();
    void testModeTrace();

private:
    AgencyFixture m_fx;
};

void TstEolClient::initTestCase()
{
    QString error;
    QVERIFY2(m_fx.start(&error), qPrintable(error));
}

void TstEolClient::cleanupTestCase() { m_fx.stop(); }

void TstEolClient::codeTests_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("efileAccepted");
    QTest::addColumn<bool>("formAccepted");
    QTest::addColumn<bool>("review");
    QTest::newRow("180") << "180" << true << false << false;
    QTest::newRow("182 and more") << "182XYZ" << true << false << false;
    QTest::newRow("183") << "183" << true << false << false;
    QTest::newRow("580") << "580" << true << false << false;
    QTest::newRow("582") << "582" << true << false << false;
    QTest::newRow("18") << "18" << false << false << false;
    QTest::newRow("181") << "181" << false << false << false;
    QTest::newRow("480") << "480" << false << true << false;
    QTest::newRow("481") << "4810" << false << true << false;
    QTest::newRow("184") << "1841" << false << false << true;
    QTest::newRow("empty") << "" << false << false << false;
}

void TstEolClient::codeTests()
{
    QFETCH(QString, code);
    QFETCH(bool, efileAccepted);
    QFETCH(bool, formAccepted);
    QFETCH(bool, review);
    QCOMPARE(isEfileAcceptedCode(CString(code), true), efileAccepted);
    QCOMPARE(isEfileAcceptedCode(CString(code), false), formAccepted);
    QCOMPARE(isEfileReviewCode(CString(code)), review);
    StructEOLSoapResult record;
    record.resultCode = code;
    QCOMPARE(isEfileAcceptedCode(&record, true), efileAccepted);
    QCOMPARE(isEfileReviewCode(&record), review);
}

void TstEolClient::replies_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QString>("transmission");
    QTest::addColumn<QString>("errorCodes");
    QTest::addColumn<QString>("cv");
    QTest::addColumn<QString>("message");   // "*" for the whole reply

    for (const char* code : {"180", "182AB", "183", "580", "582"})
        QTest::newRow(code) << accepted(code) << 0 << code << "TN42" << "" << "Y" << "Accepted.\nKeep TN42.";
    QTest::newRow("accepted without lines") << eol("180", "<TransmissionNumber>T1</TransmissionNumber>") << 0 << "180"
                                            << "T1" << "" << "" << "*";
    QTest::newRow("18 is not accepted") << eol("18", "<TransmissionNumber>T1</TransmissionNumber>") << 0 << "18" << ""
                                        << "" << "" << "*";
    QTest::newRow("184 with an error code")
        << eol("184", "", "<t1rsp:ProcessingError>" + FakeAgency::englishMessage({"Held for review."}) +
                              "<t1rsp:ErrorCodeDescription><t1rsp:ErrorCode>E55</t1rsp:ErrorCode>" +
                              FakeAgency::englishMessage({"Check line 10400."}) + "</t1rsp:ErrorCodeDescription></t1rsp:ProcessingError>")
        << 0 << "184" << "" << "E55" << ""
        << "Held for review.\r\nError code: (E55)\r\nError Message:\r\nCheck line 10400.";
    QTest::newRow("184 without an error") << eol("184", "") << 0 << "184" << "" << "" << "" << "*";
    QTest::newRow("rejection")
        << eol("200", "", "<t1rsp:Rejection>" + FakeAgency::englishMessage({"We couldn\xE2\x80\x99t accept it."}) + "</t1rsp:Rejection>")
        << 0 << "200" << "" << "" << "" << "We couldn't accept it.\r\n";
    QTest::newRow("fault") << FakeAgency::fault("Invalid password") << 0 << "-100" << "" << "" << ""
                           << "Invalid password";
    QTest::newRow("fault without text") << FakeAgency::soap("<soapenv:Fault><faultcode>x</faultcode></soapenv:Fault>", 500)
                                        << 0 << "-100" << "" << "" << "" << "XML fault error";
    QTest::newRow("frrms")
        << FakeAgency::soap("<FrrmsEfileReturnResponse " + kNs + "><ResultCode>481</ResultCode><t1rsp:FileReturnResponse>"
                            "<t1rsp:Rejection>" + FakeAgency::englishMessage({"Form refused."}) +
                            "</t1rsp:Rejection></t1rsp:FileReturnResponse></FrrmsEfileReturnResponse>")
        << 0 << "481" << "" << "" << "" << "Form refused.";
    QTest::newRow("service notice")
        << FakeAgency::soap("<pfeo:EolResponse xmlns:pfeo=\"http://agency.example/pfeo\"><resultCode>132</resultCode>"
                            "</pfeo:EolResponse>")
        << 0 << "132" << "" << "" << "" << "132 means EFile system is not operational at this time.";
    QTest::newRow("none") << FakeAgency::soap("<Other/>") << -2 << "-1" << "" << "" << ""
                          << "Efile error, no response, nor fault error";
    QTest::newRow("not xml") << FakeReply::text("<<>") << 1 << "-1" << "" << "response error" << "" << "";
    QTest::newRow("reset after the post: the return may have reached the agency")
        << FakeReply::reset() << kNoReplyAfterSending << "-100" << "" << "" << "" << "";
}

void TstEolClient::replies()
{
    QFETCH(FakeReply, reply);
    QFETCH(int, rc);
    QFETCH(QString, resultCode);
    QFETCH(QString, transmission);
    QFETCH(QString, errorCodes);
    QFETCH(QString, cv);
    QFETCH(QString, message);

    m_fx.agency().efile(reply);
    AgencyValues values = preparerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructEOLSoapResult result;
    QCOMPARE(EOLSOAP_request(values, work.toUtf8().constData(), &result), rc);
    const QString expected = message == "*" ? QString::fromUtf8(reply.body) : message;
    QCOMPARE(result.resultCode.toQString(), resultCode);
    QCOMPARE(result.transmissionNumber.toQString(), transmission);
    QCOMPARE(result.errorCodes.toQString(), errorCodes);
    QCOMPARE(result.cvIndicator.toQString(), cv);
    QCOMPARE(result.message.toQString(), expected);
    QVERIFY(result.spare.IsEmpty());

    QByteArray tail = expected.toUtf8() + "\n";
    if (rc == 1) tail.clear();
    if (rc == -10) tail = "EFile web service failed.\n";
    if (rc == kNoReplyAfterSending) tail = kNoReplyAfterSendingLine;
    QCOMPARE(m_fx.afterTimeLine("", "\n"), tail);
}

void TstEolClient::refusedConnectionSendsNothing()
{
    // Nothing went out: the post failed, and no doubt about a duplicate.
    m_fx.useHost(closedHost());
    AgencyValues values = preparerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructEOLSoapResult result;
    QCOMPARE(EOLSOAP_request(values, work.toUtf8().constData(), &result), -10);
    QCOMPARE(m_fx.afterTimeLine("", "\n"), QByteArray("EFile web service failed.\n"));
}

void TstEolClient::envelopeAsTheAgencyReadsIt()
{
    m_fx.agency().efile(accepted("180"));
    AgencyValues values = preparerValues();
    values["testcaseID"] = "7";
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructEOLSoapResult result;
    QCOMPARE(EOLSOAP_request(values, work.toUtf8().constData(), &result), 0);
    const auto sent = m_fx.agency().requests(FakeAgency::kEfilePath);
    QCOMPARE(sent.size(), 1);
    const FakeAgency::Request& request = sent[0];
    QVERIFY(request.wellFormed);
    QCOMPARE(request.bodyElement, QStringLiteral("EfileReturnRequest"));
    QVERIFY(!request.raw.contains("$$("));
    const QStringList order = {"EfileReturnRequest", "TransmitterEfilerNumber", "PasswordID", "TaxYear", "EfileData",
                               "PasswordID", "DocumentControlNumber", "TaxPreparerEfilerNumber",
                               "TaxPreparerReturnControlNumber", "EfilerNOARetrievalAuthorizationIndicator",
                               "TaxPreparerPreAssessmentReviewContactCode",
                               "TaxPreparerPostAssessmentReviewContactCode", "FirstTimeFilerIndicator",
                               "TestCaseIdentifier", "OriginatingIP", "TaxReturnForm", "T1Return", "Line"};
    QCOMPARE(request.elements.mid(request.elements.indexOf("EfileReturnRequest")), order);
    QCOMPARE(request.texts.value("PasswordID"), (QStringList{"p<&>w", "p<&>w"}));
    QCOMPARE(request.text("TaxYear"), QStringLiteral("2021"));
    QCOMPARE(request.text("OriginatingIP"), QStringLiteral("0.0.0.0"));
    QCOMPARE(request.text("TestCaseIdentifier"), QStringLiteral("7"));
    QCOMPARE(request.text("TaxPreparerReturnControlNumber"), QStringLiteral("X1234-0001"));
    // The return's "\r\r\n" line ends go as "\r\n".
    QVERIFY(!request.raw.contains("\r\r\n"));
    QVERIFY(request.raw.contains("<t1:T1Return xmlns:t1=\"http://agency.example/t1\">\r\n<t1:Line>1</t1:Line>\r\n</t1:T1Return>"));
    QVERIFY(request.raw.contains("xsi:schemaLocation=\"http://"));
    QVERIFY(request.raw.contains("t1wsefilerequest.xsd\""));
}

void TstEolClient::signatureBlocks()
{
    m_fx.agency().efile(accepted("180"));
    AgencyValues values = preparerValues();
    values["esigned_needed"] = " ";
    values["esigned"] = "Y";
    values["esigndate"] = "2022-03-01";
    values["esigntime"] = "10:11:12";
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructEOLSoapResult result;
    QCOMPARE(EOLSOAP_request(values, work.toUtf8().constData(), &result), 0);
    const FakeAgency::Request request = m_fx.agency().requests(FakeAgency::kEfilePath).value(0);
    QVERIFY(request.wellFormed);
    QCOMPARE(request.text("T183ElectronicSignatureDate"), QStringLiteral("2022-03-01"));
    QVERIFY(!request.elements.contains("RC71ElectronicSignatureData"));
    QVERIFY(!request.elements.contains("DiscounterRegistrationNumber"));
    QVERIFY(!request.raw.contains("$$("));
}

void TstEolClient::testModeTrace()
{
    m_fx.testMode = true;
    m_fx.agency().efile(accepted("180"));
    AgencyValues values = preparerValues();
    const QString work = m_fx.writeFile("work.xml", kWorkFile);
    StructEOLSoapResult result;
    QCOMPARE(EOLSOAP_request(values, work.toUtf8().constData(), &result), 0);
    QCOMPARE(result.transmissionNumber, CString("TN42"));
    const QList<RecordedRequest> sent = m_fx.server().requests(FakeAgency::kEfilePath);
    const QByteArray trace = m_fx.resultBytes();
    QCOMPARE(trace, maskedEnvelope(CString(sent.value(0).body)).bytes());
    QVERIFY(!trace.contains("p&lt;&amp;&gt;w"));
    QCOMPARE(trace.count("<ef:PasswordID>********</ef:PasswordID>"), 2);
}

QTEST_MAIN(TstEolClient)
#include "tst_eolclient.moc"

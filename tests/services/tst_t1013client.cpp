// The T1013 and pre-authorised debit clients against the fake agency: the
// file sent on one line, the user-name token, the envelopes as the agency
// parses them, and each reply read into the record and the result file.

#include <QtTest>

#include "agencyfixture.h"
#include "t1013client.h"

Q_DECLARE_METATYPE(FakeReply)

namespace {

const QByteArray kTris = "xmlns:trisr=\"http://agency.example/trisr\"";
const QByteArray kPad = "xmlns:padrsp=\"http://agency.example/padrsp\"";

FakeReply t1013Reply(const QByteArray& count, const QByteArray& inside)
{
    return FakeAgency::soap("<trisr:Response " + kTris + "><trisr:BatchResponse><trisr:BatchResponseDetail>"
                            "<trisr:ReceivedFormsCount>" + count + "</trisr:ReceivedFormsCount>"
                            "<trisr:ConfirmationNumber>C77</trisr:ConfirmationNumber></trisr:BatchResponseDetail>" +
                            inside + "</trisr:BatchResponse></trisr:Response>");
}

QByteArray padDescriptions(const QList<QPair<QByteArray, QByteArray>>& entries)
{
    QByteArray out;
    for (const auto& entry : entries)
        out += "<padrsp:ResponseCodeDescription><padrsp:ResponseCode>" + entry.first +
               "</padrsp:ResponseCode><padrsp:EnglishMessage><padrsp:MessageText>" + entry.second +
               "</padrsp:MessageText></padrsp:EnglishMessage></padrsp:ResponseCodeDescription>";
    return out;
}

FakeReply padReply(const QByteArray& inside)
{
    return FakeAgency::soap("<padrsp:PadCreateResponse " + kPad + ">" + inside + "</padrsp:PadCreateResponse>");
}

const QByteArray kT1013File = "<T1013Form>\r\n<Name>\xC3\x89lodie Lav\xC3\xA9</Name>\r\n</T1013Form>\r\n";
const QByteArray kPadFile = "<padrq:Agreement>\r\n<padrq:Amount>100</padrq:Amount>\r\n</padrq:Agreement>\r\n";

} // namespace

class TstT1013Client : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_fx.reset(); }
    void replies_data();
    void replies();
    void t1013Envelope();
    void lineEndsAcrossTheChunkBoundary();
    void tokenIsChecked();
    void padEnvelope();
    void testModeTrace();
    void missingFile();

private:
    StructT1013SoapResult submit(bool isT1013, AgencyValues values, const QByteArray& content, int& rc);
    AgencyFixture m_fx;
};

void TstT1013Client::initTestCase()
{
    QString error;
    QVERIFY2(m_fx.start(&error), qPrintable(error));
}

void TstT1013Client::cleanupTestCase() { m_fx.stop(); }

StructT1013SoapResult TstT1013Client::submit(bool isT1013, AgencyValues values, const QByteArray& content, int& rc)
{
    const QString file = m_fx.writeFile("form.xml", content);
    StructT1013SoapResult result;
    rc = T1013orT183PadSOAP_request(isT1013, values, file.toUtf8().constData(), &result);
    return result;
}

void TstT1013Client::replies_data()
{
    QTest::addColumn<bool>("isT1013");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("rc");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("middle");   // between the reply and the message in the file

    QTest::newRow("t1013 codes in order")
        << true
        << t1013Reply("3", "<trisr:ResponseCodes><trisr:BatchLevelResponse><trisr:BatchResponseCode>"
                           "<trisr:ResponseCode>B1</trisr:ResponseCode><trisr:ResponseCode>B2</trisr:ResponseCode>"
                           "</trisr:BatchResponseCode></trisr:BatchLevelResponse><trisr:FormLevelResponse>"
                           "<trisr:FormResponseCode><trisr:ResponseCode>F1</trisr:ResponseCode></trisr:FormResponseCode>"
                           "</trisr:FormLevelResponse></trisr:ResponseCodes>")
        << 0 << 3 << "C77" << QStringList{"B1", "B2", "F1"} << "response codes: B1 B2 F1 " << QByteArray();
    QTest::newRow("t1013 rejected batch")
        << true
        << t1013Reply("x", "<trisr:RejectedBatchForms><trisr:BatchLevelError><trisr:BatchErrorCode>"
                           "<trisr:ErrorCode>E9</trisr:ErrorCode></trisr:BatchErrorCode></trisr:BatchLevelError>"
                           "</trisr:RejectedBatchForms>")
        << 0 << 0 << "C77" << QStringList{"E9"} << "response codes: E9 " << QByteArray();
    QTest::newRow("t1013 fault") << true << FakeAgency::fault("Busy") << 0 << 0 << "" << QStringList()
                                 << "response codes:  Fault code: soapenv:Server details:Busy" << QByteArray();
    QTest::newRow("t1013 not xml") << true << FakeReply::text("<html>") << -100 << 0 << "" << QStringList()
                                   << "response parse failed." << QByteArray("cannot parse returned response.\n");
    QTest::newRow("t1013 reset") << true << FakeReply::reset() << -10 << 0 << "" << QStringList()
                                 << "web service failed." << QByteArray();
    QTest::newRow("debit confirmed")
        << false
        << padReply("<padrsp:Confirmation><padrsp:ConfirmationNumber>P55</padrsp:ConfirmationNumber>" +
                    padDescriptions({{"A1", "Agreement received."}}) + "</padrsp:Confirmation>")
        << 0 << 0 << "P55" << QStringList{"A1"} << "Agreement received.\n" << QByteArray();
    QTest::newRow("debit system error wins")
        << false
        << padReply("<padrsp:Confirmation><padrsp:ConfirmationNumber>P56</padrsp:ConfirmationNumber>" +
                    padDescriptions({{"A1", "Received."}}) + "</padrsp:Confirmation><padrsp:Rejection>" +
                    padDescriptions({{"R1", "Refused."}}) + "</padrsp:Rejection><padrsp:SystemError>" +
                    padDescriptions({{"S1", "Down."}, {"S2", "Later."}}) + "</padrsp:SystemError>")
        << 0 << 0 << "P56" << QStringList{"S1", "S2"} << "Down.\nLater.\n" << QByteArray();
    QTest::newRow("debit fault") << false << FakeAgency::fault("Bad password") << 0 << 0 << "" << QStringList()
                                 << "Bad password" << QByteArray();
    QTest::newRow("debit not xml") << false << FakeReply::text("") << -100 << 0 << "" << QStringList()
                                   << "response parse failed." << QByteArray("cannot parse returned response.\n");
    QTest::newRow("debit stall") << false << FakeReply::silent() << -10 << 0 << "" << QStringList()
                                 << "web service failed." << QByteArray();
}

void TstT1013Client::replies()
{
    QFETCH(bool, isT1013);
    QFETCH(FakeReply, reply);
    QFETCH(int, rc);
    QFETCH(int, count);
    QFETCH(QString, confirmation);
    QFETCH(QStringList, codes);
    QFETCH(QString, message);
    QFETCH(QByteArray, middle);

    if (reply.action == FakeReply::Silent) m_fx.timeoutMs = 300;
    isT1013 ? m_fx.agency().t1013(reply) : m_fx.agency().pad(reply);
    AgencyValues values;
    isT1013 ? putT1013Values(values, "X1234", "secret")
            : putPadValues(values, "X1234", "secret", "097P", "2022-03-02", "046454286");
    int got = 0;
    const StructT1013SoapResult result = submit(isT1013, values, isT1013 ? kT1013File : kPadFile, got);
    QCOMPARE(got, rc);
    QCOMPARE(result.receivedFormsCount, count);
    QCOMPARE(result.confirmationNumber.toQString(), confirmation);
    QStringList readCodes;
    for (const CString& code : result.responseCodes) readCodes << code.toQString();
    QCOMPARE(readCodes, codes);
    QCOMPARE(result.message.toQString(), message);

    // Time line, failure line, the reply as received, then the message.
    const QByteArray received = reply.action == FakeReply::Answer ? reply.body : QByteArray();
    const QByteArray failure = rc == -10 ? QByteArray("T1013 web service failed.\n") : QByteArray();
    QCOMPARE(m_fx.afterTimeLine("\n\n", "\n"), failure + received + middle + message.toUtf8() + "\n\n");
}

void TstT1013Client::t1013Envelope()
{
    m_fx.agency().t1013(t1013Reply("1", QByteArray()));
    AgencyValues values;
    putT1013Values(values, "O'Brien & <Sons>", "p<&>w");
    int rc = 0;
    submit(true, values, kT1013File, rc);
    QCOMPARE(rc, 0);
    const auto sent = m_fx.agency().requests(FakeAgency::kT1013Path);
    QCOMPARE(sent.size(), 1);
    const FakeAgency::Request& request = sent[0];
    QVERIFY(request.wellFormed);
    QVERIFY(request.raw.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QCOMPARE(request.text("Username"), QStringLiteral("O'Brien & <Sons>"));
    QCOMPARE(request.text("Password"), QStringLiteral("p<&>w"));
    QCOMPARE(request.text("type"), QStringLiteral("2021"));
    QCOMPARE(request.bodyElement, QStringLiteral("Request"));
    // The file on one line, its accented name intact.
    QVERIFY(request.raw.contains("<file><T1013Form><Name>\xC3\x89lodie Lav\xC3\xA9</Name></T1013Form></file>"));
    QCOMPARE(request.text("Name"), QStringLiteral("Élodie Lavé"));
    QVERIFY(!request.raw.contains("$$("));
}

void TstT1013Client::lineEndsAcrossTheChunkBoundary()
{
    m_fx.agency().t1013(t1013Reply("1", QByteArray()));
    AgencyValues values;
    putT1013Values(values, "X1", "pw");
    // A CR at the last byte of the first chunk, its LF the first of the next.
    const QByteArray first(8091, 'a');
    int rc = 0;
    submit(true, values, first + "\r\nbb\r\n" + QByteArray(9000, 'c') + "\r\n", rc);
    QCOMPARE(rc, 0);
    const auto sent = m_fx.agency().requests(FakeAgency::kT1013Path);
    QCOMPARE(sent.value(0).text("file"), QString::fromLatin1(first + "bb" + QByteArray(9000, 'c')));
}

void TstT1013Client::tokenIsChecked()
{
    m_fx.agency().t1013(t1013Reply("1", QByteArray()));
    AgencyValues values;
    putT1013Values(values, "", "pw");
    int rc = 0;
    const StructT1013SoapResult result = submit(true, values, kT1013File, rc);
    QCOMPARE(rc, 0);
    QVERIFY(result.responseCodes.isEmpty());
    QCOMPARE(result.message.toQString(),
             QStringLiteral("response codes:  Fault code: wsse:FailedAuthentication details:The security token could "
                            "not be authenticated or authorized"));
}

void TstT1013Client::padEnvelope()
{
    m_fx.agency().pad(padReply(QByteArray()));
    AgencyValues values;
    putPadValues(values, "X1234", "p<&>w", "097P", "2022-03-02", "046454286");
    int rc = 0;
    submit(false, values, kPadFile, rc);
    QCOMPARE(rc, 0);
    const FakeAgency::Request request = m_fx.agency().requests(FakeAgency::kPadPath).value(0);
    QVERIFY(request.wellFormed);
    QCOMPARE(request.bodyElement, QStringLiteral("PadCreateRequest"));
    QCOMPARE(request.elements.mid(request.elements.indexOf("PadCreateRequest")),
             (QStringList{"PadCreateRequest", "TransmitterEfilerNumber", "PasswordIdentifier", "SoftwareIdentifier",
                          "SoftwareRevisionDate", "TaxpayerSocialInsuranceNumber", "Agreement", "Amount"}));
    QCOMPARE(request.text("PasswordIdentifier"), QStringLiteral("p<&>w"));
    QCOMPARE(request.text("SoftwareIdentifier"), QStringLiteral("097P"));
    QVERIFY(request.raw.contains("<padrq:Agreement><padrq:Amount>100</padrq:Amount></padrq:Agreement>"));
}

void TstT1013Client::testModeTrace()
{
    m_fx.testMode = true;
    m_fx.agency().pad(padReply("<padrsp:Confirmation><padrsp:ConfirmationNumber>P1</padrsp:ConfirmationNumber>"
                               "</padrsp:Confirmation>"));
    AgencyValues values;
    putPadValues(values, "X1234", "hunter2", "097P", "2022-03-02", "046454286");
    int rc = 0;
    const StructT1013SoapResult result = submit(false, values, kPadFile, rc);
    QCOMPARE(rc, 0);
    QCOMPARE(result.confirmationNumber, CString("P1"));
    const QList<RecordedRequest> sent = m_fx.server().requests(FakeAgency::kPadPath);
    const QByteArray trace = m_fx.resultBytes();
    QCOMPARE(trace, maskedEnvelope(CString(sent.value(0).body)).bytes());
    QVERIFY(!trace.contains("hunter2"));
    QVERIFY(!trace.contains("046454286"));
    QVERIFY(sent.value(0).body.contains("hunter2"));
}

void TstT1013Client::missingFile()
{
    AgencyValues values;
    putT1013Values(values, "X1", "pw");
    StructT1013SoapResult result;
    QCOMPARE(T1013orT183PadSOAP_request(true, values, (m_fx.folder() + "/none.xml").toUtf8().constData(), &result), -1);
    QCOMPARE(result.message, CString("request creation failed."));
    QCOMPARE(m_fx.afterTimeLine("\n\n", "\n"), QByteArray("request creation failed.\n"));
    CString out;
    QCOMPARE(GetT1013OrT183PadRequest(true, values, (m_fx.folder() + "/none.xml").toUtf8().constData(), out), -100);
    QCOMPARE(m_fx.server().count(), 0);
}

QTEST_MAIN(TstT1013Client)
#include "tst_t1013client.moc"

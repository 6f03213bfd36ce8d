// The T1135 client against the fake agency: the statement in the NETFILE
// envelope, and each reply read into the record and the result file.

#include <QtTest>

#include "agencyfixture.h"
#include "t1135client.h"

Q_DECLARE_METATYPE(FakeReply)

namespace {

FakeReply frrms(const QByteArray& resultCode, const QByteArray& fileResponse)
{
    return FakeAgency::soap("<FrrmsNetfileReturnResponse xmlns:t1rsp=\"http://agency.example/t1rsp\"><ResultCode>" +
                            resultCode + "</ResultCode><t1rsp:FileReturnResponse>" + fileResponse +
                            "</t1rsp:FileReturnResponse></FrrmsNetfileReturnResponse>");
}

const QByteArray kStatement = "<x/><t1135:ForeignIncomeVerificationStatement xmlns:t1135=\"http://agency.example/t1135\">"
                              "<t1135:Part>1</t1135:Part></t1135:ForeignIncomeVerificationStatement><y/>";

AgencyValues statementValues()
{
    AgencyValues values;
    putEscaped(values, "sin", "046454286");
    putEscaped(values, "bod", "1970-05-06");
    values["agreement"] = "1";
    values["firsttime"] = "0";
    return values;
}

} // namespace

class TstT1135Client : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_fx.reset(); }
    void replies_data();
    void replies();
    void statementEnvelope();
    void testModeTrace();
    void missingStatement();

private:
    AgencyFixture m_fx;
};

void TstT1135Client::initTestCase()
{
    QString error;
    QVERIFY2(m_fx.start(&error), qPrintable(error));
}

void TstT1135Client::cleanupTestCase() { m_fx.stop(); }

void TstT1135Client::replies_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("rc");
    QTest::addColumn<int>("accepted");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("accepted")
        << frrms("1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>T9</t1rsp:ConfirmationCode><t1rsp:EnglishMessage>"
                      "<t1rsp:MessageText>Received.</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Confirmation>")
        << 0 << 1 << "T9" << "1" << "Received.\r\n";
    QTest::newRow("rejected keeps the old confirmation")
        << frrms("2", "<t1rsp:Rejection><t1rsp:EnglishMessage><t1rsp:MessageText>Not this one.</t1rsp:MessageText>"
                      "</t1rsp:EnglishMessage></t1rsp:Rejection>")
        << 0 << 0 << "OLD" << "2" << "Not this one.\r\n";
    QTest::newRow("neither") << FakeAgency::soap("<Other/>") << 0 << 0 << "OLD" << ""
                             << "Error: no T1 return response and Fault";
    QTest::newRow("fault") << FakeAgency::fault("Bad request") << 0 << 0 << "OLD" << "" << "Bad request";
    QTest::newRow("not xml leaves the record") << FakeReply::text("oops<") << 1 << 7 << "OLD" << "old" << "old";
    QTest::newRow("reset") << FakeReply::reset() << -10 << 7 << "OLD" << "old" << "old";
}

void TstT1135Client::replies()
{
    QFETCH(FakeReply, reply);
    QFETCH(int, rc);
    QFETCH(int, accepted);
    QFETCH(QString, confirmation);
    QFETCH(QString, resultCode);
    QFETCH(QString, message);

    m_fx.agency().t1135(reply);
    StructT1135SoapResult result;
    result.accepted = 7;
    result.confirmationCode = "OLD";
    result.resultCode = "old";
    result.message = "old";
    AgencyValues values = statementValues();
    const QString work = m_fx.writeFile("t1135.xml", kStatement);
    QCOMPARE(T1135SOAP_request(values, work.toUtf8().constData(), &result), rc);
    QCOMPARE(result.accepted, accepted);
    QCOMPARE(result.confirmationCode.toQString(), confirmation);
    QCOMPARE(result.resultCode.toQString(), resultCode);
    QCOMPARE(result.message.toQString(), message);

    // The time line, the raw reply, then the message the reader wrote.
    const QList<RecordedRequest> sent = m_fx.server().requests(FakeAgency::kT1135Path);
    QCOMPARE(sent.size(), 1);
    QByteArray tail;
    if (rc == -10)
        tail = "T1135 web service failed.\n";
    else if (rc == 1)
        tail = "\n" + reply.body + "\nresponse error\n\n";
    else
        tail = "\n" + reply.body + "\n" + message.toUtf8() + "\n\n";
    QCOMPARE(m_fx.afterTimeLine("", "\n"), tail);
}

void TstT1135Client::statementEnvelope()
{
    m_fx.agency().t1135(frrms("1", "<t1rsp:Confirmation/>"));
    AgencyValues values = statementValues();
    StructT1135SoapResult result;
    const QString work = m_fx.writeFile("t1135.xml", kStatement);
    QCOMPARE(T1135SOAP_request(values, work.toUtf8().constData(), &result), 0);
    QCOMPARE(result.accepted, 1);
    const auto sent = m_fx.agency().requests(FakeAgency::kT1135Path);
    QCOMPARE(sent.size(), 1);
    QVERIFY(sent[0].wellFormed);
    QCOMPARE(sent[0].bodyElement, QStringLiteral("FileReturnRequest"));
    QCOMPARE(sent[0].text("OriginatingIP"), QStringLiteral("0.0.0.0"));
    QVERIFY(sent[0].raw.contains("<t1rq:TaxReturnForm>\n" + kStatement.mid(4, kStatement.size() - 8) + "\n</t1rq:TaxReturnForm>"));
    QVERIFY(!sent[0].elements.contains("NetfileAccessCode"));
    QVERIFY(!sent[0].elements.contains("GivenName"));
}

void TstT1135Client::testModeTrace()
{
    m_fx.testMode = true;
    m_fx.agency().t1135(frrms("1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>T1</t1rsp:ConfirmationCode></t1rsp:Confirmation>"));
    AgencyValues values = statementValues();
    StructT1135SoapResult result;
    const QString work = m_fx.writeFile("t1135.xml", kStatement);
    QCOMPARE(T1135SOAP_request(values, work.toUtf8().constData(), &result), 0);
    QCOMPARE(result.accepted, 1);
    QCOMPARE(result.confirmationCode, CString("T1"));
    const QList<RecordedRequest> sent = m_fx.server().requests(FakeAgency::kT1135Path);
    QCOMPARE(m_fx.resultBytes(), maskedEnvelope(CString(sent.value(0).body)).bytes());
    QVERIFY(!m_fx.resultBytes().contains("046454286"));
}

void TstT1135Client::missingStatement()
{
    AgencyValues values = statementValues();
    StructT1135SoapResult result;
    const QString work = m_fx.writeFile("t1135.xml", "<t1:T1Return></t1:T1Return>");
    QCOMPARE(T1135SOAP_request(values, work.toUtf8().constData(), &result), -1);
    QCOMPARE(m_fx.resultBytes(), QByteArray("T1135 request creation failed.\n"));
    QCOMPARE(m_fx.server().count(), 0);
}

QTEST_MAIN(TstT1135Client)
#include "tst_t1135client.moc"

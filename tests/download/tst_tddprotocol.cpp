// The tax-data service's wire format: the identity chosen from the
// settings, the user-name token (digest over the raw nonce), the requests
// as the agency reads them, the signed sign-in URL checked the way the
// agency checks it, the reading of its replies, and the callback request
// and answer of the local server.

#include <QMessageAuthenticationCode>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>
#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "t1appconfig.h"
#include "tddcallback.h"
#include "tddprotocol.h"

namespace {

const char* const kMarkupToken = "tokenA+1&</TokenIdentifier><Sin>1</Sin>\"'";

const char* const kCreated = "2022-03-01T12:00:00Z";

void fillTestConfig(CT1AppConfig& config)
{
    config.m_NetfileSoftwareCode = "097";
    // Every key different, so a wrong choice shows.
    const char* keys[] = {"AFRNETWIN", "AFREFILEWIN", "AFRNETOTHER", "AFREFILEOTHER",
                          "NOANETWIN", "NOAEFILEWIN", "NOANETOTHER", "NOAEFILEOTHER"};
    for (int i = 0; i < 8; ++i)
        config.m_TDDWebService[i] = keys[i];
    config.m_TDDWebService[CT1AppConfig::TDD_SIGNIN_HOST] = "signin.example";
    config.m_TDDWebService[CT1AppConfig::TDD_SIGNIN_PATH] = "/ebci/awsc/tdd/certtest/auth/start";
}

const CT1AppConfig& testConfig()
{
    static CT1AppConfig config;
    fillTestConfig(config);
    return config;
}

QByteArray sha1Digest(const QByteArray& nonce, const QByteArray& created, const QByteArray& key)
{
    return QCryptographicHash::hash(nonce + created + key, QCryptographicHash::Sha1).toBase64();
}

const TiXmlElement* child(const TiXmlElement* e, const char* name)
{
    return e ? e->FirstChildElement(name) : nullptr;
}

QString textOf(const TiXmlElement* e)
{
    return e && e->GetText() ? QString::fromUtf8(e->GetText()) : QString();
}

} // namespace

class TstTddProtocol : public QObject
{
    Q_OBJECT

private slots:
    void softwareCodeUsesTheNetfileKeys_data();
    void softwareCodeUsesTheNetfileKeys();
    void digestIsOverTheRawNonce();
    void requestsCarryTheUserNameToken_data();
    void requestsCarryTheUserNameToken();
    void signInUrlIsSignedAsTheAgencyChecks_data();
    void signInUrlIsSignedAsTheAgencyChecks();
    void soapRepliesAreRead_data();
    void soapRepliesAreRead();
    void callbackRequestLines_data();
    void callbackRequestLines();
    void callbackRepliesAreExact_data();
    void callbackRepliesAreExact();
};

void TstTddProtocol::softwareCodeUsesTheNetfileKeys_data()
{
    QTest::addColumn<int>("forWhich");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("key");
#if defined(Q_OS_WIN)
    QTest::newRow("auto-fill") << 1 << "097N" << "AFRNETWIN";
    QTest::newRow("notice") << 2 << "097U" << "NOANETWIN";
#else
    QTest::newRow("auto-fill") << 1 << "097N" << "AFRNETOTHER";
    QTest::newRow("notice") << 2 << "097U" << "NOANETOTHER";
    QTest::newRow("any other value is the notice") << 7 << "097U" << "NOANETOTHER";
#endif
}

void TstTddProtocol::softwareCodeUsesTheNetfileKeys()
{
    QFETCH(int, forWhich);
    QFETCH(QString, user);
    QFETCH(QString, key);
    CString gotUser, gotKey;
    getSoftwareCode(testConfig(), short(forWhich), gotUser, gotKey);
    QCOMPARE(QString(gotUser), user);
    QCOMPARE(QString(gotKey), key);
}

void TstTddProtocol::digestIsOverTheRawNonce()
{
    std::string digest;
    makeDigest("KEY123", kCreated, kTddNonce, digest);
    QCOMPARE(QByteArray::fromStdString(digest), sha1Digest(kTddNonce, kCreated, "KEY123"));
    QVERIFY(QByteArray::fromStdString(digest) != sha1Digest(QByteArray(kTddNonce).toBase64(), kCreated, "KEY123"));
}

void TstTddProtocol::requestsCarryTheUserNameToken_data()
{
    QTest::addColumn<int>("forWhich");
    QTest::addColumn<bool>("stage");
    QTest::addColumn<QString>("sins"); // stage: appended, comma separated
    QTest::addColumn<QString>("bodyTag");
    QTest::addColumn<QString>("encoding");

    QTest::newRow("auto-fill stage, two S.I.N.s") << 1 << true << "046454286,123456782" << "StageTDDNetfile" << "ISO-8859-1";
    QTest::newRow("auto-fill stage, no S.I.N.") << 1 << true << "" << "StageTDDNetfile" << "ISO-8859-1";
    QTest::newRow("notice stage") << 2 << true << "046454286" << "StageNOA" << "UTF-8";
    QTest::newRow("auto-fill data") << 1 << false << "" << "GetTDDNetfile" << "ISO-8859-1";
    QTest::newRow("notice data") << 2 << false << "" << "GetNOA" << "UTF-8";
}

void TstTddProtocol::requestsCarryTheUserNameToken()
{
    QFETCH(int, forWhich);
    QFETCH(bool, stage);
    QFETCH(QString, sins);
    QFETCH(QString, bodyTag);
    QFETCH(QString, encoding);

    CString xml;
    if (stage) {
        QCOMPARE(constructTDDTokenCReq("097N", "KEY123", kCreated, "2021", short(forWhich), xml), 0);
        for (const QString& sin : sins.split(',', Qt::SkipEmptyParts))
            xml += ("<Sin>" + sin + "</Sin>").toUtf8().constData();
        xml += tddStageRequestEnd(short(forWhich));
    } else {
        // A token holding markup stays character data (a round's token comes
        // from the agency's reply, already unescaped by the reader).
        QCOMPARE(constructTDDDataReadyReq("097N", "KEY123", kCreated, "2021", short(forWhich), kMarkupToken, xml), 0);
    }
    const QByteArray text(xml.c_str());
    QVERIFY2(text.startsWith("<?xml version=\"1.0\" encoding=\"" + encoding.toLatin1() + "\"?>"), text.constData());

    TiXmlDocument doc;
    doc.Parse(text.constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    const TiXmlElement* envelope = doc.RootElement();
    QCOMPARE(QString(envelope->Value()), QString("S:Envelope"));
    const TiXmlElement* security = child(child(envelope, "S:Header"), "wsse:Security");
    QVERIFY(security);
    QCOMPARE(QString(security->Attribute("S:mustUnderstand")), QString("1"));
    const TiXmlElement* token = child(security, "wsse:UsernameToken");
    QCOMPARE(textOf(child(token, "wsse:Username")), QString("097N"));
    QCOMPARE(textOf(child(token, "wsse:Password")).toLatin1(), sha1Digest(kTddNonce, kCreated, "KEY123"));
    QCOMPARE(QString(child(token, "wsse:Password")->Attribute("Type")),
             QString("http://docs.oasisopen.org/wss/2004/01/oasis-200401-wss-username-token-profile-1.0#PasswordDigest"));
    QCOMPARE(textOf(child(token, "wsse:Nonce")).toLatin1(), QByteArray(kTddNonce).toBase64());
    QCOMPARE(textOf(child(token, "wsu:Created")), QString(kCreated));

    const TiXmlElement* body = child(child(envelope, "S:Body"), bodyTag.toLatin1().constData());
    QVERIFY(body);
    QCOMPARE(textOf(child(body, "TaxYear")), QString("2021"));
    QStringList sent;
    for (const TiXmlElement* s = child(body, "Sin"); s; s = s->NextSiblingElement("Sin"))
        sent << textOf(s);
    QCOMPARE(sent.join(','), sins);
    QCOMPARE(textOf(child(body, "TokenIdentifier")), stage ? QString() : QString(kMarkupToken));
    if (!stage) QVERIFY(!child(child(body, "TokenIdentifier"), "Sin"));
}

void TstTddProtocol::signInUrlIsSignedAsTheAgencyChecks_data()
{
    QTest::addColumn<int>("forWhich");
    QTest::addColumn<QString>("tokenC");
    QTest::addColumn<QString>("authPath");
    QTest::newRow("auto-fill") << 1 << "C+token/=1" << "/gol-ged/awsc/tdd/ws";
    QTest::newRow("notice") << 2 << "other" << "/gol-ged/awsc/tdd/ws/noa";
    QTest::newRow("empty token C") << 1 << "" << "/gol-ged/awsc/tdd/ws";
}

void TstTddProtocol::signInUrlIsSignedAsTheAgencyChecks()
{
    QFETCH(int, forWhich);
    QFETCH(QString, tokenC);
    QFETCH(QString, authPath);
    const CT1AppConfig& config = testConfig();
    const QString url = QString(tddSignInUrl(config, short(forWhich), "1646136000", tokenC.toStdString(), "2021"));
    QVERIFY2(url.startsWith("https://signin.example/ebci/awsc/tdd/certtest/auth/start?"), qPrintable(url));

    const QUrlQuery query(QUrl(url).query(QUrl::FullyEncoded));
    QStringList names;
    for (const auto& item : query.queryItems(QUrl::FullyEncoded))
        names << item.first;
    QCOMPARE(names, QStringList({"spID", "timestamp", "auth", "key", "t", "lang", "swtaxyear"}));
    const auto value = [&](const char* name) { return QUrl::fromPercentEncoding(query.queryItemValue(name, QUrl::FullyEncoded).toLatin1()); };
    QCOMPARE(value("auth"), authPath);
    QCOMPARE(value("t"), tokenC);
    QCOMPARE(value("lang"), QString("en"));
    QCOMPARE(value("swtaxyear"), QString("2021"));

    // The agency's check: the MAC over the fields as sent, with our key.
    CString user, key;
    getSoftwareCode(config, short(forWhich), user, key);
    QCOMPARE(value("spID"), QString(user));
    const QByteArray message = value("spID").toUtf8() +
                               QUrl::toPercentEncoding("signin.example/ebci/awsc/tdd/certtest/auth/start") +
                               value("timestamp").toUtf8() + QUrl::toPercentEncoding(authPath) + "en" +
                               QUrl::toPercentEncoding(tokenC + "2021");
    const QByteArray mac = QMessageAuthenticationCode::hash(message, QByteArray(key.c_str()), QCryptographicHash::Sha256);
    QCOMPARE(value("timestamp"), QString("1646136000"));
    QCOMPARE(value("key").toLatin1(), mac.toBase64());

    // Another timestamp signs differently.
    const QString later = QString(tddSignInUrl(config, short(forWhich), "1646136001", tokenC.toStdString(), "2021"));
    QVERIFY(QUrlQuery(QUrl(later).query()).queryItemValue("key") != query.queryItemValue("key"));
}

void TstTddProtocol::soapRepliesAreRead_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("returnCode");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("error");

    const QByteArray env = "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>";
    const QByteArray end = "</soapenv:Body></soapenv:Envelope>";
    QTest::newRow("prefixed response") << env + "<ns2:StageTDDNetfileResponse xmlns:ns2=\"urn:x\"><ns2:ReturnCode>0</ns2:ReturnCode>"
                                                "<ns2:TokenIdentifier>tokC</ns2:TokenIdentifier></ns2:StageTDDNetfileResponse>" + end
                                       << 0 << "0" << "tokC" << "";
    QTest::newRow("plain response without token") << env + "<StageTDDNetfileResponse><ReturnCode>-3</ReturnCode></StageTDDNetfileResponse>" + end
                                                  << 0 << "-3" << "" << "";
    QTest::newRow("fault") << env + "<soapenv:Fault><faultcode>S:Client</faultcode><faultstring>Bad token</faultstring></soapenv:Fault>" + end
                           << 10 << "" << "" << "Bad token";
    QTest::newRow("neither") << env + "<Other/>" + end << 10 << "" << "" << "Error: no response and Fault";
    QTest::newRow("not XML") << QByteArray("<html><body>Oops") << 1 << "" << "" << "response parse error";
    QTest::newRow("empty") << QByteArray() << 1 << "" << "" << "response parse error";
}

void TstTddProtocol::soapRepliesAreRead()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    QFETCH(QString, returnCode);
    QFETCH(QString, token);
    QFETCH(QString, error);
    std::string text = reply.toStdString();
    StructTDDSoapResult read;
    QCOMPARE(parseTDDTokenSoapResponseResult(text, "StageTDDNetfileResponse", "TokenIdentifier", &read), result);
    QCOMPARE(QString(read.ReturnCode), returnCode);
    QCOMPARE(QString::fromStdString(read.value), token);
    QCOMPARE(QString(read.error), error);
}

void TstTddProtocol::callbackRequestLines_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("tokenPath");
    QTest::addColumn<bool>("tokenRead");
    QTest::addColumn<QString>("token");
    QTest::addColumn<bool>("logout");

    const QByteArray t255(255, 'a'), t256(256, 'a');
    const QByteArray hdr = "\r\nHost: 127.0.0.1\r\n\r\n";
    QTest::newRow("taxdata") << "GET /taxdata?t=abc%2Bdef HTTP/1.1" + hdr << true << true << "abc%2Bdef" << false;
    QTest::newRow("further query items") << "GET /taxdata?t=tok123&lang=en HTTP/1.1" + hdr << true << true << "tok123" << false;
    QTest::newRow("no value before them") << "GET /taxdata?t=&lang=en HTTP/1.1" + hdr << true << false << "" << false;
    QTest::newRow("upper case") << "GET /TAXDATA?t=tok123 HTTP/1.0" + hdr << true << true << "tok123" << false;
    QTest::newRow("notice") << "GET /expnoa?t=tok123 HTTP/1.1" + hdr << true << true << "tok123" << false;
    QTest::newRow("255 characters") << "GET /taxdata?t=" + t255 + " HTTP/1.1" + hdr << true << true << QString(t255) << false;
    QTest::newRow("256 characters") << "GET /taxdata?t=" + t256 + " HTTP/1.1" + hdr << true << false << "" << false;
    QTest::newRow("31-character version") << "GET /taxdata?t=tok123 HTTP/" + QByteArray(31, '1') + hdr << true << true << "tok123" << false;
    QTest::newRow("32-character version") << "GET /taxdata?t=tok123 HTTP/" + QByteArray(32, '1') + hdr << true << false << "" << false;
    QTest::newRow("no version") << "GET /taxdata?t=tok123" + hdr << true << false << "" << false;
    QTest::newRow("empty token") << "GET /taxdata?t= HTTP/1.1" + hdr << true << false << "" << false;
    QTest::newRow("POST") << "POST /taxdata?t=tok123 HTTP/1.1" + hdr << true << false << "" << false;
    const QByteArray lineFirst = "GET /taxdata?t=tok123 HTTP/1.1\r\nHost: 127.0.0.1\r\nReferer: https://signin.example";
    QTest::newRow("a header names the notice path") << lineFirst + "/expnoa/start\r\n\r\n" << true << true << "tok123" << false;
    QTest::newRow("a header names the upper-case path") << lineFirst + "/TAXDATA\r\n\r\n" << true << true << "tok123" << false;
    QTest::newRow("a header names the logout path") << lineFirst + "/logout\r\n\r\n" << true << true << "tok123" << true;
    QTest::newRow("logout") << "GET /logout HTTP/1.1" + hdr << false << false << "" << true;
    QTest::newRow("favicon") << "GET /favicon.ico HTTP/1.1" + hdr << false << false << "" << false;
    QTest::newRow("path at the very start") << QByteArray("/taxdata?t=tok123 HTTP/1.1") + hdr << false << false << "" << false;
}

void TstTddProtocol::callbackRequestLines()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, tokenPath);
    QFETCH(bool, tokenRead);
    QFETCH(QString, token);
    QFETCH(bool, logout);
    const TddCallbackRequest read = parseTddCallbackRequest(request);
    QCOMPARE(read.tokenPath, tokenPath);
    QCOMPARE(read.tokenRead, tokenRead);
    QCOMPARE(QString::fromStdString(read.token), token);
    QCOMPARE(read.logout, logout);
}

void TstTddProtocol::callbackRepliesAreExact_data()
{
    QTest::addColumn<bool>("tokenOk");
    QTest::addColumn<bool>("logout");
    QTest::addColumn<QByteArray>("reply");
    const QByteArray page = "<html>é</html>"; // length in bytes, not characters
    QTest::newRow("greeting") << false << false
                              << QByteArray("HTTP/1.0 200 OK\nContent-Type: text/plain\nContent-Length: 25\n\nHello from Quillmere 2021");
    QTest::newRow("logged out") << false << true
                                << QByteArray("HTTP/1.0 200 OK\nContent-Type: text/plain\nContent-Length: 42\n\n"
                                              "You have logged out of CRA secure session!");
    QTest::newRow("page") << true << false
                          << "HTTP/1.0 200 OK\nContent-Type: text/html\nContent-Length: " +
                                 QByteArray::number(page.size()) + "\n\n" + page;
}

void TstTddProtocol::callbackRepliesAreExact()
{
    QFETCH(bool, tokenOk);
    QFETCH(bool, logout);
    QFETCH(QByteArray, reply);
    QCOMPARE(tddCallbackReply(tokenOk, logout, "<html>é</html>"), reply);
}

QTEST_GUILESS_MAIN(TstTddProtocol)
#include "tst_tddprotocol.moc"

// Reading the services' XML replies: lookups by local name whatever the
// prefix, readers safe on anything missing, and the gate that keeps hostile
// replies away from TinyXML's recursive parser.

#include <QtTest>
#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "xmlguard.h"

class TstXmlReaders : public QObject
{
    Q_OBJECT

private slots:
    void readers_data();
    void readers();
    void handleChains();
    void guard_data();
    void guard();
};

namespace {
QByteArray nested(int depth)
{
    QByteArray out;
    out.reserve(depth * 7);
    for (int i = 0; i < depth; ++i) out += "<a>";
    for (int i = 0; i < depth; ++i) out += "</a>";
    return out;
}
} // namespace

void TstXmlReaders::readers_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("asInt");   // default -7
    QTest::addColumn<int>("asBool");  // -1: the default came back (both defaults tried)
    QTest::addColumn<QString>("code"); // attribute "code"

    QTest::newRow("prefixed child, plain name")
        << QByteArray("<r><ns2:Amount code=\"A\">12</ns2:Amount></r>") << QByteArray("Amount") << "12" << 12 << -1 << "A";
    QTest::newRow("other prefix asked")
        << QByteArray("<r><ns2:Amount>-3</ns2:Amount></r>") << QByteArray("ns12:Amount") << "-3" << -3 << -1 << "";
    QTest::newRow("no prefix either side")
        << QByteArray("<r><Amount>0</Amount></r>") << QByteArray("Amount") << "0" << 0 << 0 << "";
    QTest::newRow("missing child") << QByteArray("<r><Other>1</Other></r>") << QByteArray("Amount") << "" << -7 << -1 << "";
    QTest::newRow("grandchild is not a child")
        << QByteArray("<r><x><Amount>1</Amount></x></r>") << QByteArray("Amount") << "" << -7 << -1 << "";
    QTest::newRow("longer local name is another name")
        << QByteArray("<r><ns2:AmountDue>1</ns2:AmountDue></r>") << QByteArray("Amount") << "" << -7 << -1 << "";
    QTest::newRow("empty child, attribute kept")
        << QByteArray("<r><Amount code=\"Z\"/></r>") << QByteArray("Amount") << "" << -7 << -1 << "Z";
    QTest::newRow("not a number") << QByteArray("<r><Amount>12a</Amount></r>") << QByteArray("Amount") << "12a" << -7
                                  << -1 << "";
    QTest::newRow("first of two") << QByteArray("<r><a:Amount>1</a:Amount><b:Amount>2</b:Amount></r>")
                                  << QByteArray("Amount") << "1" << 1 << 1 << "";
    QTest::newRow("true any case") << QByteArray("<r><Flag>TRUE</Flag></r>") << QByteArray("Flag") << "TRUE" << -7 << 1
                                   << "";
    QTest::newRow("false") << QByteArray("<r><Flag>false</Flag></r>") << QByteArray("Flag") << "false" << -7 << 0 << "";
    QTest::newRow("yes is not a boolean") << QByteArray("<r><Flag>yes</Flag></r>") << QByteArray("Flag") << "yes" << -7
                                          << -1 << "";
    QTest::newRow("escaped and accented text")
        << QByteArray("<r><Name>L&amp;F Montr\xc3\xa9" "al</Name></r>") << QByteArray("Name") << "L&F Montréal" << -7 << -1
        << "";
}

void TstXmlReaders::readers()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    QFETCH(int, asInt);
    QFETCH(int, asBool);
    QFETCH(QString, code);
    TiXmlDocument document;
    QVERIFY(parseXmlReply(xml.toStdString(), document));
    const TiXmlElement* root = document.RootElement();
    QCOMPARE(getElementSubEleStringText(root, name).toQString(), text);
    QCOMPARE(getElementSubEleStringAsInt(root, name, -7), asInt);
    const bool whenTrue = getElementSubEleStringAsBool(root, name, true);
    const bool whenFalse = getElementSubEleStringAsBool(root, name, false);
    QCOMPARE(whenTrue != whenFalse ? -1 : int(whenTrue), asBool);
    QCOMPARE(getElementSubEleStringAttribute(root, name, "code").toQString(), code);
}

void TstXmlReaders::handleChains()
{
    TiXmlDocument document;
    QVERIFY(parseXmlReply("<?xml version=\"1.0\"?><S:Envelope><S:Body><ns2:Resp><ns2:Item>x</ns2:Item>"
                          "<Item>y</Item><ns3:Item>z</ns3:Item></ns2:Resp></S:Body></S:Envelope>",
                          document));
    const MyTiXmlHandle root(&document);
    const MyTiXmlHandle resp = root.FirstChildElement("soapenv:Envelope").FirstChildElement("Body").FirstChildElement("Resp");
    QVERIFY(resp.ToElement());
    QCOMPARE(getElementSubEleStringText(resp.ToElement(), "Item").toQString(), QString("x"));
    // Walking the siblings of one local name, whatever their prefixes.
    QStringList items;
    for (MyTiXmlHandle item = resp.FirstChildElement("Item"); !item.isNull(); item = item.NextSiblingElement("Item"))
        items << QString::fromUtf8(item.ToElement()->GetText());
    QCOMPARE(items, QStringList({"x", "y", "z"}));
    QCOMPARE(resp.FirstChildElement().ToElement()->Value(), "ns2:Item");

    // A missing step stays null however far the chain goes.
    const MyTiXmlHandle lost = root.FirstChildElement("Envelope").FirstChildElement("Header").FirstChildElement("Resp");
    QVERIFY(lost.isNull());
    QVERIFY(!lost.ToElement());
    QVERIFY(lost.FirstChildElement("Item").FirstChildElement().NextSiblingElement("Item").isNull());
    QVERIFY(MyTiXmlHandle(nullptr).FirstChildElement(nullptr).isNull());
    QVERIFY(resp.FirstChildElement(nullptr).isNull());
    // The readers take null elements and names as missing.
    QVERIFY(getElementSubEleStringText(nullptr, "Item").IsEmpty());
    QVERIFY(getElementSubEleStringText(resp.ToElement(), nullptr).IsEmpty());
    QCOMPARE(getElementSubEleStringAsInt(nullptr, "Item", 42), 42);
    QCOMPARE(getElementSubEleStringAsBool(nullptr, "Item", true), true);
    QVERIFY(getElementSubEleStringAttribute(nullptr, "Item", "code").IsEmpty());
    QVERIFY(getElementSubEleStringAttribute(resp.ToElement(), "Item", nullptr).IsEmpty());
}

void TstXmlReaders::guard_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("SOAP reply with undeclared prefixes")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<soapenv:Envelope><soapenv:Body><ns2:R a=\"1\">"
                      "<![CDATA[<not-an-element>]]><!-- note --></ns2:R></soapenv:Body></soapenv:Envelope>")
        << true;
    QTest::newRow("ISO-8859-1 reply") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>Qu\xe9" "bec</r>")
                                      << true;
    QTest::newRow("blank lines before the declaration")
        << QByteArray("\r\n \n<?xml version=\"1.0\"?><r>1</r>") << true;
    QTest::newRow("only blanks") << QByteArray(" \r\n\t") << false;
    QTest::newRow("deepest allowed") << nested(kMaxXmlDepth) << true;
    QTest::newRow("one level deeper") << nested(kMaxXmlDepth + 1) << false;
    QTest::newRow("100,000 deep") << nested(100000) << false;
    QTest::newRow("100,000 deep, never closed") << QByteArray(300000, 'x').replace("xxx", "<a>") << false;
    QTest::newRow("over the size bound")
        << QByteArray("<r>") + QByteArray(int(kMaxServiceReplyBytes), 'x') + QByteArray("</r>") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("plain text") << QByteArray("Service Unavailable") << false;
    QTest::newRow("HTML error page") << QByteArray("<html><body><p>Oops<br></body></html>") << false;
    QTest::newRow("cut short") << QByteArray("<r><a>1</a>") << false;
    QTest::newRow("content after the root") << QByteArray("<r/><r/>") << false;
    QTest::newRow("NUL inside") << QByteArray("<r>a\0b</r>", 10) << false;
    // TinyXML ends these at the first '>' and would parse what follows as
    // nested elements the streaming reader never saw.
    QTest::newRow("document type hiding elements")
        << QByteArray("<!DOCTYPE r [<!ATTLIST r b CDATA \"<a><a><a>\">]><r/>") << false;
    QTest::newRow("processing instruction hiding elements") << QByteArray("<r><?pi <a><a><a> ?></r>") << false;
    QTest::newRow("undeclared entity") << QByteArray("<r>&eacute;</r>") << false;
}

void TstXmlReaders::guard()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, accepted);
    QCOMPARE(xmlReplyIsSafe(reply.constData(), size_t(reply.size())), accepted);
    TiXmlDocument document;
    QCOMPARE(parseXmlReply(reply.toStdString(), document), accepted);
    QCOMPARE(document.RootElement() != nullptr, accepted);
}

QTEST_GUILESS_MAIN(TstXmlReaders)
#include "tst_xmlreaders.moc"

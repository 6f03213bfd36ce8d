// The request envelopes and the returns they carry: a scenario return
// written as the electronic return of each road, cut from its work file and
// wrapped in that road's envelope, must see every prefix bound to one
// namespace. An envelope binding t1rq or sdt otherwise than its return puts
// the request and the return under two schemas.

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdio>
#include <memory>

#include "agencyclient.h"
#include "eolclient.h"
#include "familytaxdata.h"
#include "netfileclient.h"
#include "scenario.h"

namespace {

using Bindings = QMap<QString, QString>;   // prefix -> namespace URI

struct Envelope
{
    QString error;
    QString requestName, requestUri;   // the request element and its own namespace
    QString schemaLocation;
    Bindings request, carried;         // declared on the request and on t1:T1Return
};

Envelope readEnvelope(const QByteArray& xml)
{
    Envelope out;
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) --depth;
        if (!reader.isStartElement()) continue;
        ++depth;
        Bindings declared;
        for (const QXmlStreamNamespaceDeclaration& d : reader.namespaceDeclarations())
            declared.insert(d.prefix().toString(), d.namespaceUri().toString());
        // The request is the body's one child: envelope, body, request.
        if (depth == 3) {
            out.requestName = reader.qualifiedName().toString();
            out.requestUri = reader.namespaceUri().toString();
            out.schemaLocation = reader.attributes().value(QStringLiteral("xsi:schemaLocation")).toString();
            out.request = declared;
        } else if (reader.qualifiedName() == QLatin1String("t1:T1Return")) {
            out.carried = declared;
        }
    }
    if (reader.hasError()) out.error = reader.errorString();
    return out;
}

// The electronic return of `mode` written to a work file in `dir`.
QString writeWorkFile(CFamilyTaxData& family, unsigned char mode, const QString& dir)
{
    const QString path = dir + (mode == 1 ? "/efile.ws" : "/netfile.ws");
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wt");
    if (!out) return QString();
    const int rc = family.CreateElectronicFile(nullptr, out, mode);
    std::fclose(out);
    return rc == 0 ? path : QString();
}

AgencyValues requestValues()
{
    AgencyValues values;
    putEnvelopeDefaults(values);
    values["sin"] = "046454286";
    values["bod"] = "1988-02-17";
    values["agreement"] = "1";
    values["firsttime"] = "0";
    values["efilerID"] = "X1234";
    values["efpasd"] = "secret";
    values["dcn"] = "X1234-0001";
    values["ENOAFlag"] = "Y";
    values["precntctcode"] = "2";
    values["postcntctcode"] = "3";
    return values;
}

} // namespace

class TstEnvelopeNamespaces : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void envelopeAgreesWithItsReturn_data();
    void envelopeAgreesWithItsReturn();

private:
    std::unique_ptr<CFamilyTaxData> m_family;
    QTemporaryDir m_dir;
    // Every prefix bound by the returns of both roads, but t1rq (each road
    // has its own request namespace).
    Bindings m_shared;
};

void TstEnvelopeNamespaces::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile scenario(QStringLiteral(QUILLMERE_SCENARIO_DIR "/employee_t4_on.json"));
    QVERIFY(scenario.open(QIODevice::ReadOnly));
    QString error;
    m_family = Scenario::build(scenario.readAll(), &error);
    QVERIFY2(m_family, qPrintable(error));
    for (unsigned char mode : {1, 2}) {
        CString element;
        const QString work = writeWorkFile(*m_family, mode, m_dir.path());
        QVERIFY(!work.isEmpty());
        QVERIFY(cutWorkFileElement(work.toUtf8().constData(), "<t1:T1Return", "</t1:T1Return>", element) == 0);
        QXmlStreamReader reader(element.bytes());
        while (!reader.atEnd() && !reader.isStartElement()) reader.readNext();
        for (const QXmlStreamNamespaceDeclaration& d : reader.namespaceDeclarations()) {
            const QString prefix = d.prefix().toString();
            if (prefix == QLatin1String("t1rq")) continue;
            const QString uri = d.namespaceUri().toString();
            // The two roads' returns already agree with each other.
            QVERIFY2(!m_shared.contains(prefix) || m_shared.value(prefix) == uri, qPrintable(prefix));
            m_shared.insert(prefix, uri);
        }
    }
    QVERIFY(m_shared.contains("sdt"));
}

void TstEnvelopeNamespaces::envelopeAgreesWithItsReturn_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("schema");   // the schema file named with the request namespace; empty: none
    QTest::newRow("NETFILE") << 2 << "t1rq:FileReturnRequest" << QString();
    QTest::newRow("EFILE") << 1 << "t1rq:EfileReturnRequest" << "t1wsefilerequest.xsd";
}

void TstEnvelopeNamespaces::envelopeAgreesWithItsReturn()
{
    QFETCH(int, mode);
    QFETCH(QString, request);
    QFETCH(QString, schema);
    const QString work = writeWorkFile(*m_family, static_cast<unsigned char>(mode), m_dir.path());
    QVERIFY(!work.isEmpty());
    AgencyValues values = requestValues();
    CString out;
    const int rc = mode == 1 ? GetEfileRequest(true, values, work.toUtf8().constData(), out)
                             : GetNetfileRequest(true, values, work.toUtf8().constData(), out);
    QCOMPARE(rc, 0);
    QVERIFY(!out.bytes().contains("$$("));

    const Envelope envelope = readEnvelope(out.bytes());
    QCOMPARE(envelope.error, QString());
    QCOMPARE(envelope.requestName, request);
    QVERIFY(!envelope.carried.isEmpty());

    // The request lives in the request namespace of the return it carries.
    QVERIFY(envelope.carried.contains("t1rq"));
    QCOMPARE(envelope.requestUri, envelope.carried.value("t1rq"));
    QCOMPARE(envelope.request.value("t1rq"), envelope.carried.value("t1rq"));
    if (!schema.isEmpty())
        QCOMPARE(envelope.schemaLocation, envelope.carried.value("t1rq") + QLatin1Char(' ') + schema);

    // Every other prefix the envelope declares is bound as the return binds
    // it, or, when this road's return does not use it, as the other road's.
    int checked = 0;
    for (auto it = envelope.request.cbegin(); it != envelope.request.cend(); ++it) {
        const QString& prefix = it.key();
        if (envelope.carried.contains(prefix)) {
            QVERIFY2(it.value() == envelope.carried.value(prefix), qPrintable(prefix + ": " + it.value()));
            ++checked;
        } else if (m_shared.contains(prefix)) {
            QVERIFY2(it.value() == m_shared.value(prefix), qPrintable(prefix + ": " + it.value()));
            ++checked;
        }
    }
    QVERIFY(envelope.request.contains("sdt"));
    QVERIFY(checked >= 9);
}

QTEST_GUILESS_MAIN(TstEnvelopeNamespaces)
#include "tst_envelopenamespaces.moc"

// The template processor, the XML text helpers and the return-line writer
// that the electronic return is built from.

#include <map>

#include <QTemporaryFile>
#include <QtTest>

#include "netfilelines.h"
#include "templateprocessor.h"
#include "xmlstring.h"

class TestEfileText : public QObject
{
    Q_OBJECT
private slots:
    void expandsTemplates_data();
    void expandsTemplates();
    void writesFromResourceFileOrNothing();
    void escapesAfterCutting_data();
    void escapesAfterCutting();
    void convertsAmounts_data();
    void convertsAmounts();
    void writesReturnLines();
    void sendsEachCodeOnceOutsideRecords();
};

void TestEfileText::expandsTemplates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("keys");   // "key=value"
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray pair = "<a>\r\n<b>$$(blk0)\r\n<c>$$(x)</c>\r\n</b>$$(blk0)\r\n<d/>\r\n";
    QTest::newRow("required filled") << QByteArray("<a>$$(k)</a>\r\n") << QStringList{"k=v"} << 0
                                     << QByteArray("<a>v</a>\r\n");
    QTest::newRow("required missing") << QByteArray("<a>$$(k)</a>\r\n<b/>\r\n") << QStringList{} << 1 << QByteArray();
    QTest::newRow("optional present") << QByteArray("<a>\r\n<e>$$(em0)</e>\r\n</a>\r\n") << QStringList{"em=x@y"}
                                      << 0 << QByteArray("<a>\r\n<e>x@y</e>\r\n</a>\r\n");
    QTest::newRow("optional absent: line out")
        << QByteArray("<a>\r\n<e>$$(em0)</e>\r\n</a>\r\n") << QStringList{} << 0 << QByteArray("<a>\r\n</a>\r\n");
    QTest::newRow("optional value empty stays") << QByteArray("<e>$$(em0)</e>\n") << QStringList{"em="} << 0
                                                << QByteArray("<e></e>\n");
    QTest::newRow("paired block absent") << pair << QStringList{"x=1"} << 0 << QByteArray("<a>\r\n<d/>\r\n");
    QTest::newRow("paired block present") << pair << QStringList{"x=1", "blk= "} << 0
                                          << QByteArray("<a>\r\n<b> \r\n<c>1</c>\r\n</b> \r\n<d/>\r\n");
    // Inside a left-out block a required key is not needed.
    QTest::newRow("paired block absent, required inside") << pair << QStringList{} << 0
                                                          << QByteArray("<a>\r\n<d/>\r\n");
    QTest::newRow("several on a line") << QByteArray("$$(a)-$$(b0)-$$(a)\n") << QStringList{"a=1", "b=2"} << 0
                                       << QByteArray("1-2-1\n");
    QTest::newRow("a value is not expanded again") << QByteArray("<a>$$(k)</a>") << QStringList{"k=$$(k)"} << 0
                                                   << QByteArray("<a>$$(k)</a>");
    QTest::newRow("unterminated placeholder") << QByteArray("<a>$$(k</a>\n") << QStringList{"k=v"} << 2
                                              << QByteArray();
}

void TestEfileText::expandsTemplates()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, keys);
    QFETCH(int, result);
    QFETCH(QByteArray, expected);
    TemplateValues values;
    for (const QString& kv : keys) values[kv.section('=', 0, 0).toStdString()] = kv.section('=', 1).toStdString();
    QByteArray out = "untouched";
    QCOMPARE(expandTemplateText(text, values, out), result);
    if (result == 0) {
        QCOMPARE(out, expected);
        if (!QByteArray(QTest::currentDataTag()).contains("not expanded")) QVERIFY(!out.contains("$$("));
    } else {
        QCOMPARE(out, QByteArray("untouched"));
    }
}

void TestEfileText::writesFromResourceFileOrNothing()
{
    QTemporaryFile source;
    QVERIFY(source.open());
    source.write("<r>$$(k)</r>\r\n");
    source.close();
    const QByteArray path = source.fileName().toUtf8();

    QTemporaryFile target;
    QVERIFY(target.open());
    FILE* out = std::fopen(target.fileName().toUtf8().constData(), "wb");
    QVERIFY(out);
    QVERIFY(processTemplatePart(out, path.constData(), TemplateValues(), 0) != 0);   // k is required
    QCOMPARE(processTemplatePart(out, path.constData(), TemplateValues{{"k", "v"}}, 0), 0);
    QVERIFY(writeTemplateText(out, "<s>$$(k)</s>", TemplateValues()) != 0);
    QCOMPARE(writeTemplateText(out, "<s>$$(k)</s>", TemplateValues{{"k", "x"}}), 0);
    std::fclose(out);
    QCOMPARE(target.readAll(), QByteArray("<r>v</r>\r\n<s>x</s>"));
    // Without a file nothing can be written, and that is never a success.
    QCOMPARE(processTemplatePart(nullptr, path.constData(), TemplateValues{{"k", "v"}}, 0), -2);
    QCOMPARE(writeTemplateText(nullptr, "<s>$$(k)</s>", TemplateValues{{"k", "x"}}), -2);

    CString text = "before:";
    QCOMPARE(processTemplatePartInString(text, path.constData(), TemplateValues{{"k", "w"}}, 0), 0);
    QCOMPARE(text.bytes(), QByteArray("before:<r>w</r>\r\n"));
    QVERIFY(processTemplatePartInString(text, "/no/such/template", TemplateValues(), 0) != 0);
    QString loaded;
    QVERIFY(loadFileToQStr(source.fileName(), loaded));
    QCOMPARE(loaded, QStringLiteral("<r>$$(k)</r>\r\n"));
    QVERIFY(!loadFileToQStr(QStringLiteral("/no/such/file"), loaded));
}

void TestEfileText::escapesAfterCutting_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QByteArray>("element");

    QTest::newRow("plain") << QStringLiteral("Main St") << -1 << QByteArray("<t>Main St</t>");
    QTest::newRow("markup characters") << QStringLiteral("A&B <c> \"d\" 'e'") << -1
                                       << QByteArray("<t>A&amp;B &lt;c&gt; &quot;d&quot; &apos;e&apos;</t>");
    QTest::newRow("cut before an entity") << QStringLiteral("AB&C") << 3 << QByteArray("<t>AB&amp;</t>");
    QTest::newRow("accents count as one each") << QStringLiteral("Zoë Béland-Côté") << 4
                                               << QByteArray("<t>Zo\xc3\xab </t>");
    QTest::newRow("a pair of surrogates is one character")
        << QString::fromUtf8("a\xf0\x9f\x98\x80" "b") << 2 << QByteArray("<t>a\xf0\x9f\x98\x80</t>");
    QTest::newRow("shorter than the cut") << QStringLiteral("Ann") << 26 << QByteArray("<t>Ann</t>");
}

void TestEfileText::escapesAfterCutting()
{
    QFETCH(QString, raw);
    QFETCH(int, maxChars);
    QFETCH(QByteArray, element);
    CString out;
    writeXMLString(out, "t", raw, maxChars);
    QCOMPARE(out.bytes(), element);
}

void TestEfileText::convertsAmounts_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<qlonglong>("rounded");
    QTest::addColumn<qlonglong>("truncated");
    QTest::addColumn<bool>("small");

    QTest::newRow("zero") << 0.0 << 0LL << 0LL << true;
    QTest::newRow("half") << 0.5 << 1LL << 0LL << true;
    QTest::newRow("just below one") << 0.99999999 << 1LL << 1LL << true;
    QTest::newRow("1234.999") << 1234.999 << 1235LL << 1234LL << false;
    QTest::newRow("small loss rounds toward zero") << -0.005 << 0LL << 0LL << true;
    QTest::newRow("loss of 0.40") << -0.40 << 0LL << 0LL << true;
    QTest::newRow("loss of 250.50") << -250.50 << -251LL << -250LL << false;
    QTest::newRow("loss of 3.2") << -3.2 << -3LL << -3LL << false;
}

void TestEfileText::convertsAmounts()
{
    QFETCH(double, v);
    QFETCH(qlonglong, rounded);
    QFETCH(qlonglong, truncated);
    QFETCH(bool, small);
    QCOMPARE(qlonglong(netfile::roundedAmount(v)), rounded);
    QCOMPARE(qlonglong(netfile::truncatedAmount(v)), truncated);
    QCOMPARE(netfile::isSmall(v), small);
}

void TestEfileText::writesReturnLines()
{
    QTemporaryFile target;
    QVERIFY(target.open());
    FILE* out = std::fopen(target.fileName().toUtf8().constData(), "wb");
    QVERIFY(out);
    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;
    param.file = out;
    param.lineCount = &count;
    param.fields = &fields;
    QVERIFY(netfile::writeRoundedAmount(param, 10100, 1234.5));
    QVERIFY(netfile::writeAmountOne(param, 50340));
    QVERIFY(netfile::writeInteger(param, 9915, 1));
    QVERIFY(netfile::writeCents(param, 9999, -0.25));
    QVERIFY(netfile::writeText(param, 9998, QStringLiteral("R&D")));
    std::fclose(out);
    QCOMPARE(target.readAll(),
             QByteArray("<comm:ReturnLine>\n<comm:FieldCode>10100</comm:FieldCode>\n"
                        "<comm:FieldValue>1235</comm:FieldValue>\n</comm:ReturnLine>\n"
                        "<comm:ReturnLine>\n<comm:FieldCode>50340</comm:FieldCode>\n"
                        "<comm:FieldValue>1</comm:FieldValue>\n</comm:ReturnLine>\n"
                        "<comm:ReturnLine>\n<comm:FieldCode>9915</comm:FieldCode>\n"
                        "<comm:FieldValue>1</comm:FieldValue>\n</comm:ReturnLine>\n"
                        "<comm:ReturnLine>\n<comm:FieldCode>9999</comm:FieldCode>\n"
                        "<comm:FieldValue>-0.25</comm:FieldValue>\n</comm:ReturnLine>\n"
                        "<comm:ReturnLine>\n<comm:FieldCode>9998</comm:FieldCode>\n"
                        "<comm:FieldValue>R&amp;D</comm:FieldValue>\n</comm:ReturnLine>\n"));
    QCOMPARE(count, 5);
    // The map keeps the amount as calculated, and each entry's type.
    QCOMPARE(fields.at(10100).type, 1);
    QCOMPARE(fields.at(10100).amount, 1234.5);
    QCOMPARE(fields.at(50340).amount, 1.0);
    QCOMPARE(fields.at(9915).type, 3);
    QCOMPARE(fields.at(9915).code, 1);
    QCOMPARE(fields.at(9999).type, 2);
    QCOMPARE(fields.at(9998).type, 4);
    QCOMPARE(QString::fromStdString(fields.at(9998).text), QStringLiteral("R&D"));
}

void TestEfileText::sendsEachCodeOnceOutsideRecords()
{
    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;   // no file: the map alone fills
    param.lineCount = &count;
    param.fields = &fields;
    QVERIFY(netfile::writeRoundedAmount(param, 8299, 100.0));
    QVERIFY(!netfile::writeRoundedAmount(param, 8299, 200.0));
    QVERIFY(!netfile::writeInteger(param, 8299, 3));
    QCOMPARE(count, 1);
    param.withinRecord = true;   // a second statement sends its own 8299
    QVERIFY(netfile::writeRoundedAmount(param, 8299, 200.0));
    QCOMPARE(count, 2);
    QCOMPARE(fields.at(8299).amount, 100.0);   // the first entry stays
}

QTEST_GUILESS_MAIN(TestEfileText)
#include "tst_efiletext.moc"

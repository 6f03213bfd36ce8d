// The T1135 statement's XML: byte-exact golden files of both reporting
// methods that read back to the texts typed, the software identification,
// and the stops: no T1135, no file, a part that cannot be written.

#include <QtTest>

#include "efiletestsupport.h"
#include "edition.h"
#include "filingsettings.h"
#include "formclasses.h"
#include "formtypes.h"
#include "validatetestsupport.h"

namespace {

// The reporter, the tax year and the certification every statement carries.
struct T1135Fixture : ValidationFixture
{
    CTaxData_Form* t1135 = nullptr;

    T1135Fixture()
    {
        t1135 = add(FormType::T1135);
        set(t1135, "first_name", "Ann");
        set(t1135, "last_name", "Lee");
        set(t1135, "sin", "046 454 286");
        set(t1135, "address", "12 Main St");
        set(t1135, "city", "Ottawa");
        set(t1135, "province", "ON");
        set(t1135, "postal_code", "k1a 0b1");
        t1135->setDate("tax_year_start", QDate(2021, 1, 1));
        t1135->setDate("tax_year_end", QDate(2021, 12, 31));
        set(t1135, "certifier_phone", "(613) 555-0199");
        t1135->setDate("certification_date", QDate(2022, 3, 15));
    }
    void row(const char* category, int row, const char* description, const char* country, double maxCost,
             double yearEnd, double income, double gain)
    {
        auto name = [&](const char* column) {
            return QStringLiteral("%1.%2.%3").arg(category).arg(row).arg(column).toUtf8();
        };
        set(t1135, name("description").constData(), description);
        set(t1135, name("country").constData(), country);
        set(t1135, name("max_cost").constData(), maxCost);
        set(t1135, name("cost_year_end").constData(), yearEnd);
        set(t1135, name("income").constData(), income);
        set(t1135, name("gain").constData(), gain);
    }
};

using Builder = void (*)(T1135Fixture&);

// Two kinds ticked, two countries; the amounts round to whole dollars.
void simplified(T1135Fixture& f)
{
    f.set(f.t1135, "method", 0);
    f.set(f.t1135, "simplified_funds", 1);
    f.set(f.t1135, "simplified_real_property", 1);
    f.set(f.t1135, "simplified_countries.1.country", "USA");
    f.set(f.t1135, "simplified_countries.3.country", "FRA");
    f.set(f.t1135, "simplified_income", 1234.50);
    f.set(f.t1135, "simplified_gain", -250.49);
}

// One row in each category (the trust's with its capital received), an
// amended statement in US dollars, prepared by someone else.
void detailed(T1135Fixture& f)
{
    f.set(f.t1135, "method", 1);
    f.set(f.t1135, "is_amended", 1);
    f.set(f.t1135, "functional_currency", "USD");
    f.set(f.t1135, "self_employment_code", 1);
    f.set(f.t1135, "last_name", "O'Brien & Fils");
    f.set(f.t1135, "country", "CAN");
    f.row("funds", 1, "Dépôt à terme & intérêts", "FRA", 60000.40, 55000.50, 812.25, 0);
    f.row("shares", 1, "Acme <Holdings> Inc.", "USA", 25000, 25000, 400, -1200.5);
    f.row("debts", 1, "Loan to a cousin", "GBR", 10000, 8000, 300, 0);
    f.row("trusts", 2, "Family trust", "BMU", 15000, 15000, 0, 0);
    f.set(f.t1135, "trusts.2.capital_received", 2500);
    f.row("real_property", 1, "Condo, Orlando", "USA", 210000, 210000, 9100, 0);
    f.row("other_property", 1, "Gold bullion", "CHE", 12000, 0, 0, 1500);
    f.row("dealer_accounts", 1, "Northern Trust Co.", "USA", 40000, 38000, 950, 220);
    f.set(f.t1135, "certifier_position", "Owner");
    f.set(f.t1135, "preparer_name", "Lee & Co Tax");
    f.set(f.t1135, "preparer_address", "1 Bank St, Ottawa ON");
    f.set(f.t1135, "preparer_postal_code", "K1P 1A1");
    f.set(f.t1135, "preparer_phone", "613-555-0100");
}

QByteArray statement(IndividualTaxData& person, int* rc)
{
    return writtenToFile([&person](FILE* out) { return person.getT1135XMLContent(out); }, rc);
}

// Every text of each element, in order, as a namespace-aware reader sees it.
QMap<QString, QStringList> allTexts(const QByteArray& xml)
{
    QMap<QString, QStringList> texts;
    QXmlStreamReader reader(xml);
    QString open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) open = reader.qualifiedName().toString();
        if (reader.isCharacters() && !reader.isWhitespace() && !open.isEmpty()) texts[open] << reader.text().toString();
        if (reader.isEndElement()) open.clear();
    }
    return texts;
}

QString goldenPath(const QString& name) { return QStringLiteral(QUILLMERE_GOLDEN_DIR "/") + name + ".xml"; }

} // namespace

Q_DECLARE_METATYPE(Builder)

class TestT1135Statement : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void matchesGoldenFile_data();
    void matchesGoldenFile();
    void readsBackWhatWasTyped();
    void softwareIdentification_data();
    void softwareIdentification();
    void withoutT1135WritesNothing();
    void stopsAtTheFirstFailure_data();
    void stopsAtTheFirstFailure();

private:
    unsigned char m_edition = 0;
};

void TestT1135Statement::init()
{
    m_edition = currentEdition();
    FilingSettings& s = filingSettings();
    s = FilingSettings();
    s.NetfileSoftwareCode = "097";
    s.NetfileSoftwareDate = "2021-11-30";
    s.EfileSoftwareCode = "098";
    s.EfileSoftwareDate = "2021-12-01";
}

void TestT1135Statement::cleanup()
{
    filingSettings() = FilingSettings();
    setCurrentEdition(m_edition);
}

void TestT1135Statement::matchesGoldenFile_data()
{
    QTest::addColumn<Builder>("build");
    QTest::newRow("t1135_simplified") << Builder(simplified);
    QTest::newRow("t1135_detailed") << Builder(detailed);
}

void TestT1135Statement::matchesGoldenFile()
{
    QFETCH(Builder, build);
    T1135Fixture f;
    build(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    int rc = -1;
    const QByteArray xml = statement(f.person, &rc);
    QCOMPARE(rc, 0);
    QCOMPARE(xmllintErrors(xml), QString());
    QCOMPARE(readBack(xml).error, QString());   // well-formed, every element in a namespace
    QVERIFY(!xml.contains("$$("));

    compareWithGolden(xml, goldenPath(QString::fromLatin1(QTest::currentDataTag())));
}

void TestT1135Statement::readsBackWhatWasTyped()
{
    T1135Fixture f;
    detailed(f);
    int rc = -1;
    const QMap<QString, QStringList> texts = allTexts(statement(f.person, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(texts.value("t1135:PropertyDescription"),
             QStringList({QStringLiteral("Dépôt à terme & intérêts"), "Acme <Holdings> Inc.", "Loan to a cousin",
                          "Family trust", "Condo, Orlando", "Gold bullion", "Northern Trust Co."}));
    // The reporter is also the certifier.
    QCOMPARE(texts.value("t1135:FamilyName"), QStringList({"O'Brien & Fils", "O'Brien & Fils"}));
    QCOMPARE(texts.value("t1135:PreparerName"), QStringList{"Lee & Co Tax"});
    QCOMPARE(texts.value("t1135:GlobalAddress"), QStringList{"1 Bank St, Ottawa ON"});
    QCOMPARE(texts.value("t1135:MaximumCostAmount").first(), QStringLiteral("60000"));
    QCOMPARE(texts.value("t1135:CapitalReceivedAmount"), QStringList{"2500"});   // trusts only
    QCOMPARE(texts.value("t1135:GainLossAmount").at(1), QStringLiteral("-1201"));   // half a dollar away from zero
    QCOMPARE(texts.value("ccms:SocialInsuranceNumber"), QStringList{"046454286"});
}

void TestT1135Statement::softwareIdentification_data()
{
    QTest::addColumn<int>("edition");
    QTest::newRow("EFILE edition") << 1;
    QTest::newRow("NETFILE edition") << 2;
}

void TestT1135Statement::softwareIdentification()
{
    QFETCH(int, edition);
    setCurrentEdition(static_cast<unsigned char>(edition));
    T1135Fixture f;
    simplified(f);
    int rc = -1;
    const QMap<QString, QStringList> texts = allTexts(statement(f.person, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(texts.value("t1135:SoftwareID"), QStringList{"097M"});
    QCOMPARE(texts.value("t1135:SoftwareRevisionDate"), QStringList{"2022-03-02"});
}

void TestT1135Statement::withoutT1135WritesNothing()
{
    ValidationFixture f;
    int rc = 0;
    QCOMPARE(statement(f.person, &rc), QByteArray());
    QCOMPARE(rc, -100);

    T1135Fixture withForm;
    QCOMPARE(withForm.person.getT1135XMLContent(nullptr), -2);   // the template processor's failed write
}

void TestT1135Statement::stopsAtTheFirstFailure_data()
{
    QTest::addColumn<QStringList>("parts");   // the texts of part 2 and part 3; absent when missing
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("written");

    const QByteArray simplifiedData = "<t1135:SimplifiedReportingMethod>\r\n<t1135:IncomeAmount>0</t1135:IncomeAmount>\r\n"
                                      "<t1135:GainLossAmount>0</t1135:GainLossAmount>\r\n"
                                      "</t1135:SimplifiedReportingMethod>\r\n";
    QTest::newRow("all written") << QStringList{"<a>$$(firstname)</a>", "<b>$$(selfemp)</b>"} << 0
                                 << QByteArray("<a>Ann</a>") + simplifiedData + "<b>2</b>";
    QTest::newRow("part 2 fails") << QStringList{"<a>$$(unknown)</a>", "<b/>"} << 1 << QByteArray();
    QTest::newRow("part 3 fails") << QStringList{"<a/>", "<b>$$(unknown)</b>"} << 1
                                  << QByteArray("<a/>") + simplifiedData;
    QTest::newRow("part 3 missing") << QStringList{"<a/>"} << -1 << QByteArray();
}

void TestT1135Statement::stopsAtTheFirstFailure()
{
    QFETCH(QStringList, parts);
    QFETCH(int, result);
    QFETCH(QByteArray, written);
    T1135Fixture f;
    std::map<std::string, std::string> templates;
    templates["t1135part2"] = parts.value(0).toStdString();
    if (parts.size() > 1) templates["t1135part3"] = parts.value(1).toStdString();
    FILE* out = std::tmpfile();
    QVERIFY(out);
    QCOMPARE(static_cast<TaxData_T1135New*>(f.t1135)->getT1135XMLContent(out, templates), result);
    std::fflush(out);
    std::rewind(out);
    QByteArray bytes;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, out)) > 0) bytes.append(buffer, int(n));
    std::fclose(out);
    QCOMPARE(bytes, written);
}

QTEST_GUILESS_MAIN(TestT1135Statement)
#include "tst_t1135statement.moc"

// The electronic return file: byte-exact golden files of both filing modes,
// well-formed XML whatever the person typed, the return lines' rules, and the
// selected-financial-data records.

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtTest>

#include "efiletestsupport.h"
#include "familytaxdata.h"
#include "filingsettings.h"
#include "formtypes.h"
#include "scenario.h"
#include "validatetestsupport.h"

namespace {

constexpr unsigned char kEfile = 1;
constexpr unsigned char kNetfile = 2;

// A complete employee return in Ontario, its lines set as the calculation
// would leave them.
struct EfileFixture : ValidationFixture
{
    explicit EfileFixture(int province = 9) : ValidationFixture(province)
    {
        set(t1, "email", "ann.lee@example.ca");
        set(t1, "home_phone", "(613) 555-0123");
        set(t1, "elections_canada_citizen", 0);
        set(t1, "elections_canada_consent", 0);
        set(t1, "home_same_as_mailing", 0);
        set(t1, "name_changed", 1);
        setT1("10100", 52000.40);
        setT1("15000", 52000.40);
        setT1("23600", 52000.40);
        setT1("26000", 52000.40);
        setT1("30000", 13808.00);
        setT1("43700", 7312.55);
    }
};

using Builder = void (*)(EfileFixture&);

void employee(EfileFixture&) {}
void refile(EfileFixture& f) { f.set(f.t1, "refile", 1); }
void autoFillMoved2020(EfileFixture& f)
{
    f.t1->setDate("autofill_request_date", QDate(2022, 2, 21));
    f.t1->setDate("date_of_move", QDate(2020, 7, 1));
    f.set(f.t1, "current_province", 9);
}
// Ontario with business income in Alberta; the T1 claims a disability
// amount transferred from a dependant, so only the federal mark 318 exists
// before the multiple-jurisdiction rule.
void multipleJurisdictions(EfileFixture& f)
{
    CTaxData_Form* t2203 = f.add(FormType::T2203);
    f.set(t2203, "provinces.1.province", 9);
    f.set(t2203, "provinces.1.business_income", 12000.0);
    f.set(t2203, "provinces.2.province", 1);
    f.set(t2203, "provinces.2.business_income", 8000.0);
    f.setT1("31800", 8870.0);
}
// A rental statement listed before a commission statement and a T5013
// using its first and third sections.
void statements(EfileFixture& f)
{
    CTaxData_Form* t776 = f.add(FormType::T776);
    f.set(t776, "8141", 14400.0);
    f.set(t776, "8299", 14400.0);
    f.set(t776, "8690", 950.0);
    CTaxData_Form* commission = f.add(FormType::T2125Commission);
    f.set(commission, "8299", 5200.0);
    f.set(commission, "8521", 300.0);
    CTaxData_Form* t5013 = f.add(FormType::T5013);
    f.set(t5013, "partnerships.1.kind", 0);
    f.set(t5013, "partnerships.1.117", 3000.0);
    f.set(t5013, "partnerships.1.9946", 1200.0);
    f.set(t5013, "partnerships.3.kind", 1);
    f.set(t5013, "partnerships.3.118", 9000.0);
    f.set(t5013, "partnerships.3.040", 400.0);
    f.set(t5013, "partnerships.3.9946", 2500.0);
    f.setT1("12599", 17400.0);
    f.setT1("12600", 9850.0);
    f.setT1("13499", 9000.0);
    f.setT1("13500", 2500.0);
    f.setT1("13899", 5200.0);
    f.setT1("13900", 4900.0);
}
void deceased(EfileFixture& f)
{
    f.t1->setDate("date_of_death", QDate(2021, 8, 15));
    f.set(f.t1, "deceased_beneficiary_election", 0);
}
// Bankrupt: the statement is not sent, the designation is.
void bankrupt(EfileFixture& f)
{
    f.set(f.t1, "is_bankrupt", 1);
    f.setT1("post_bankrupt_net_income", 0.0);
    f.setT1("post_bankrupt_adjusted_net_income", -3.2);
    CTaxData_Form* commission = f.add(FormType::T2125Commission);
    f.set(commission, "8299", 5200.0);
    f.add(FormType::T2091IND);
}
void canadianAddress(EfileFixture& f)
{
    f.set(f.t1, "mailing_care_of", "c/o Ann Lee");
    f.set(f.t1, "mailing_po_box", "PO Box 12");
    f.set(f.t1, "non_canadian_mailing", 1);
    f.set(f.t1, "home_same_as_mailing", 1);
}
void usAddress(EfileFixture& f)
{
    f.set(f.t1, "non_canadian_mailing", 0);
    f.set(f.t1, "foreign_address", 1);
    f.set(f.t1, "mailing_address", "500 Pine Ave");
    f.set(f.t1, "mailing_city", "Buffalo");
    f.set(f.t1, "mailing_province", "NY");
    f.set(f.t1, "mailing_postal_code", "14201");
    f.set(f.t1, "mailing_country", " usa ");
}
void otherAddress(EfileFixture& f)
{
    f.set(f.t1, "non_canadian_mailing", 0);
    f.set(f.t1, "foreign_address", 0);
    f.set(f.t1, "mailing_address", "12 Rue Haute");
    f.set(f.t1, "mailing_city", "Lyon");
    f.set(f.t1, "mailing_province", "");
    f.set(f.t1, "mailing_postal_code", "69001");
    f.set(f.t1, "mailing_country", "FRA");
}

void useSoftwareIdentification()
{
    FilingSettings& s = filingSettings();
    s.NetfileSoftwareCode = "097";
    s.NetfileSoftwareDate = "2022-03-02";
    s.EfileSoftwareCode = "097";
    s.EfileSoftwareDate = "2022-03-02";
}

// The codes of a list that occur more than once.
QStringList repeated(const QStringList& codes)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString& code : codes)
        if (seen.contains(code) && !out.contains(code))
            out << code;
        else
            seen.insert(code);
    return out;
}

QString goldenPath(const QString& name) { return QStringLiteral(QUILLMERE_GOLDEN_DIR "/") + name + ".xml"; }

} // namespace

Q_DECLARE_METATYPE(Builder)

class TestElectronicFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useSoftwareIdentification(); }
    void matchesGoldenFile_data();
    void matchesGoldenFile();
};

void TestElectronicFile::matchesGoldenFile_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<int>("mode");
    QTest::newRow("netfile_employee") << Builder(employee) << int(kNetfile);
    QTest::newRow("netfile_refile") << Builder(refile) << int(kNetfile);
    QTest::newRow("netfile_autofill_moved_2020") << Builder(autoFillMoved2020) << int(kNetfile);
    QTest::newRow("netfile_multiple_jurisdictions") << Builder(multipleJurisdictions) << int(kNetfile);
    QTest::newRow("netfile_statements") << Builder(statements) << int(kNetfile);
    QTest::newRow("efile_deceased") << Builder(deceased) << int(kEfile);
    QTest::newRow("efile_bankrupt") << Builder(bankrupt) << int(kEfile);
    QTest::newRow("efile_address_canadian") << Builder(canadianAddress) << int(kEfile);
    QTest::newRow("efile_address_us") << Builder(usAddress) << int(kEfile);
    QTest::newRow("efile_address_other") << Builder(otherAddress) << int(kEfile);
}

void TestElectronicFile::matchesGoldenFile()
{
    QFETCH(Builder, build);
    QFETCH(int, mode);
    EfileFixture f;
    build(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    int rc = -1;
    const QByteArray xml = electronicFile(f.person, mode, &rc);
    QCOMPARE(rc, 0);
    QCOMPARE(xmllintErrors(xml), QString());
    const ReadBack back = readBack(xml);
    QCOMPARE(back.error, QString());
    QCOMPARE(repeated(back.returnLineCodes), QStringList());
    QCOMPARE(electronicFile(f.person, mode), xml);   // the same bytes every time

    const QString path = goldenPath(QString::fromLatin1(QTest::currentDataTag()));
    if (qEnvironmentVariableIsSet("QUILLMERE_WRITE_GOLDEN")) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(xml);
        qWarning("wrote %s", qPrintable(path));
        return;
    }
    QFile golden(path);
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(xml, golden.readAll());
}

QTEST_GUILESS_MAIN(TestElectronicFile)
#include "tst_electronicfile.moc"

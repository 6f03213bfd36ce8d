// The electronic return file: byte-exact golden files of both filing modes,
// well-formed XML whatever the person typed, the return lines' rules, and the
// selected-financial-data records.

#include <algorithm>
#include <functional>
#include <memory>

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
// Child care expenses deducted against earned income that includes a
// training allowance the T1's lines do not show.
void childCare(EfileFixture& f)
{
    CTaxData_Form* t778 = f.add(FormType::T778);
    f.set(t778, "other_earned_income", 1850.75);
    f.setT1("21400", 4000.0);
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
Q_DECLARE_METATYPE(std::function<void(EfileFixture&)>)

class TestElectronicFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useSoftwareIdentification(); }
    void matchesGoldenFile_data();
    void matchesGoldenFile();
    void readsBackWhatWasTyped_data();
    void readsBackWhatWasTyped();
    void leavesOutCharactersXmlCannotCarry_data();
    void leavesOutCharactersXmlCannotCarry();
    void marksAnAutoFilledReturn_data();
    void marksAnAutoFilledReturn();
    void sendsTheSinsDigits_data();
    void sendsTheSinsDigits();
    void sendsTelephoneDigits_data();
    void sendsTelephoneDigits();
    void appliesReturnLineRules_data();
    void appliesReturnLineRules();
    void fillsTheSameMapForEveryOutput();
    void fillsTheMapWithoutAFile();
    void countsTheRecordsItWrites_data();
    void countsTheRecordsItWrites();
    void refusesAReturnWithoutT1();
    void statementsSendOnlyTheirOwnLines();
    void tellsEachT2209ItsOrdinal();
    void writesEveryScenarioReturn();
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
    QTest::newRow("netfile_child_care") << Builder(childCare) << int(kNetfile);
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

    compareWithGolden(xml, goldenPath(QString::fromLatin1(QTest::currentDataTag())));
}

void TestElectronicFile::readsBackWhatWasTyped_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("maxChars");

    const QString hostile = QStringLiteral("Zo\u00eb B\u00e9land-C\u00f4t\u00e9 & <Fils> \"Q\" 'x' and more text to cut");
    for (int mode : {int(kNetfile), int(kEfile)}) {
        const char* m = mode == kEfile ? "EFILE " : "NETFILE ";
        QTest::addRow("%scare-of", m) << mode << 9 << "mailing_care_of" << hostile
                                      << "comm:AddressCareOfLineText" << 26;
        QTest::addRow("%sstreet", m) << mode << 9 << "mailing_address" << hostile + hostile
                                     << "comm:AddressStreetText" << 60;
        QTest::addRow("%scity", m) << mode << 9 << "mailing_city" << hostile + hostile << "comm:AddressMunicipalityName"
                                   << 50;
        QTest::addRow("%se-mail", m) << mode << 9 << "email" << QStringLiteral("zo\u00eb&<x>'\"@example.ca")
                                     << "tp:TaxpayerEmailAddress" << -1;
        QTest::addRow("%sYukon settlement", m) << mode << 13 << "yukon_settlement_number" << QStringLiteral("A&B <1>")
                                               << "tp:YukonFirstNationsSettlementNumber" << -1;
        QTest::addRow("%sspouse's name", m) << mode << 9 << "spouse_first_name" << QStringLiteral("Zo\u00eb&<x>")
                                            << "tp:SpouseGivenName" << 4;
    }
    QTest::newRow("EFILE first name") << int(kEfile) << 9 << "first_name" << hostile << "comm:GivenName" << -1;
    QTest::newRow("EFILE last name") << int(kEfile) << 9 << "last_name" << hostile << "comm:FamilyName" << -1;
    QTest::newRow("EFILE blank first name") << int(kEfile) << 9 << "first_name" << QStringLiteral("   ")
                                            << "comm:GivenName" << 0;
    QTest::newRow("NETFILE names stay empty") << int(kNetfile) << 9 << "first_name" << hostile << "comm:GivenName"
                                              << 0;
}

void TestElectronicFile::readsBackWhatWasTyped()
{
    QFETCH(int, mode);
    QFETCH(int, province);
    QFETCH(QString, fieldName);
    QFETCH(QString, raw);
    QFETCH(QString, element);
    QFETCH(int, maxChars);
    EfileFixture f(province);
    f.set(f.t1, "marital_status", MARITAL_MARRIED);   // the spouse fragment goes
    f.set(f.t1, "land_residence", 0);                 // the settlement number goes (Yukon)
    QVERIFY(f.t1->setString(fieldName.toUtf8().constData(), CString(raw)));
    const QByteArray xml = electronicFile(f.person, mode);
    QCOMPARE(xmllintErrors(xml), QString());
    const ReadBack back = readBack(xml);
    QCOMPARE(back.error, QString());
    QVERIFY2(back.texts.contains(element), qPrintable(element));
    QCOMPARE(back.texts.value(element), maxChars < 0 ? raw : raw.left(maxChars));
}

void TestElectronicFile::leavesOutCharactersXmlCannotCarry_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("sent");

    // Control characters pasted into a field: no entity can carry them in
    // XML 1.0, so they go; a tab stays.
    const QString pasted = QStringLiteral("Lee\x01-\x0b" "C\x1bo\tt\u00e9\uffff");
    const QString kept = QStringLiteral("Lee-Co\tt\u00e9");
    for (int mode : {int(kNetfile), int(kEfile)}) {
        const char* m = mode == kEfile ? "EFILE " : "NETFILE ";
        QTest::addRow("%scity", m) << mode << "mailing_city" << pasted << "comm:AddressMunicipalityName" << kept;
        QTest::addRow("%se-mail", m) << mode << "email" << QStringLiteral("ann\x02@example.ca")
                                     << "tp:TaxpayerEmailAddress" << QStringLiteral("ann@example.ca");
    }
    QTest::newRow("EFILE last name") << int(kEfile) << "last_name" << pasted << "comm:FamilyName" << kept;
}

void TestElectronicFile::leavesOutCharactersXmlCannotCarry()
{
    QFETCH(int, mode);
    QFETCH(QString, fieldName);
    QFETCH(QString, raw);
    QFETCH(QString, element);
    QFETCH(QString, sent);
    EfileFixture f;
    QVERIFY(f.t1->setString(fieldName.toUtf8().constData(), CString(raw)));
    const QByteArray xml = electronicFile(f.person, mode);
    QCOMPARE(xmllintErrors(xml), QString());
    const ReadBack back = readBack(xml);
    QCOMPARE(back.error, QString());
    QCOMPARE(back.texts.value(element), sent);
}

void TestElectronicFile::marksAnAutoFilledReturn_data()
{
    QTest::addColumn<bool>("autoFilled");   // the mark the auto-fill leaves on the T1
    QTest::addColumn<QDate>("requested");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("date");      // empty: no date element
    QTest::newRow("typed by hand") << false << QDate() << "0" << "";
    QTest::newRow("auto-filled") << true << QDate() << "1" << "";
    QTest::newRow("auto-filled with its request date") << true << QDate(2022, 2, 21) << "1" << "2022-02-21";
    QTest::newRow("a request date alone") << false << QDate(2022, 2, 21) << "1" << "2022-02-21";
}

void TestElectronicFile::marksAnAutoFilledReturn()
{
    QFETCH(bool, autoFilled);
    QFETCH(QDate, requested);
    QFETCH(QString, indicator);
    QFETCH(QString, date);
    for (unsigned char mode : {kNetfile, kEfile}) {
        EfileFixture f;
        f.t1->setAutoFilled(autoFilled);
        f.t1->setDate("autofill_request_date", requested);
        const ReadBack back = readBack(electronicFile(f.person, mode));
        QCOMPARE(back.error, QString());
        QCOMPARE(back.texts.value("t1:AutoFillReturnIndicator"), indicator);
        QCOMPARE(back.texts.contains("t1:AutoFillRequestDate"), !date.isEmpty());
        QCOMPARE(back.texts.value("t1:AutoFillRequestDate"), date);
    }
}

void TestElectronicFile::sendsTheSinsDigits_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("spouse");
    QTest::newRow("plain") << "046454286" << "271630840";
    QTest::newRow("blanks") << "046 454 286" << "271 630 840";
    QTest::newRow("dashes") << "046-454-286" << "271-630-840";
}

// Blanks and dashes only format the numbers the agency takes as nine digits.
void TestElectronicFile::sendsTheSinsDigits()
{
    QFETCH(QString, own);
    QFETCH(QString, spouse);
    for (unsigned char mode : {kNetfile, kEfile}) {
        EfileFixture f;
        f.set(f.t1, "marital_status", MARITAL_MARRIED);
        f.set(f.t1, "sin", own.toUtf8().constData());
        f.set(f.t1, "spouse_sin", spouse.toUtf8().constData());
        const ReadBack back = readBack(electronicFile(f.person, mode));
        QCOMPARE(back.error, QString());
        QCOMPARE(back.texts.value("tp:SocialInsuranceNumber"), QStringLiteral("046454286"));
        QCOMPARE(back.texts.value("tp:SpouseSocialInsuranceNumber"), QStringLiteral("271630840"));
    }
}

void TestElectronicFile::sendsTelephoneDigits_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("areaCode");   // empty: neither element
    QTest::addColumn<QString>("local");
    QTest::newRow("ten digits") << "6135550123" << "613" << "5550123";
    QTest::newRow("punctuated") << "+(613) 555-0123" << "613" << "5550123";
    QTest::newRow("with the country code") << "+1 (613) 555-0123" << "613" << "5550123";
    QTest::newRow("with the long-distance prefix") << "1-613-555-0123" << "613" << "5550123";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("punctuation only") << "( ) -" << "" << "";
}

void TestElectronicFile::sendsTelephoneDigits()
{
    QFETCH(QString, phone);
    QFETCH(QString, areaCode);
    QFETCH(QString, local);
    for (unsigned char mode : {kNetfile, kEfile}) {
        EfileFixture f;
        f.set(f.t1, "home_phone", phone.toUtf8().constData());
        const ReadBack back = readBack(electronicFile(f.person, mode));
        QCOMPARE(back.texts.contains("comm:TelephoneAreaCode"), !areaCode.isEmpty());
        QCOMPARE(back.texts.contains("comm:TelephoneLocalNumber"), !areaCode.isEmpty());
        QCOMPARE(back.texts.value("comm:TelephoneAreaCode"), areaCode);
        QCOMPARE(back.texts.value("comm:TelephoneLocalNumber"), local);
    }
}

namespace {

void rentalNet(EfileFixture& f, double net)
{
    f.add(FormType::T776);
    f.setT1("12600", net);
}
void noIncome(EfileFixture& f)
{
    for (const char* line : {"10100", "15000", "23600", "26000"}) f.setT1(line, 0.0);
}

} // namespace

void TestElectronicFile::appliesReturnLineRules_data()
{
    QTest::addColumn<std::function<void(EfileFixture&)>>("build");
    QTest::addColumn<int>("province");
    QTest::addColumn<QStringList>("expected");   // "code=value" written; "code" alone: not written
    using B = std::function<void(EfileFixture&)>;

    QTest::newRow("rental net 0.00 sends 1") << B([](EfileFixture& f) { rentalNet(f, 0.0); }) << 9
                                             << QStringList{"12599=1", "12600=1"};
    QTest::newRow("rental loss 0.40 sends 1") << B([](EfileFixture& f) { rentalNet(f, -0.40); }) << 9
                                              << QStringList{"12600=1"};
    QTest::newRow("rental loss 250.50 rounds away from zero")
        << B([](EfileFixture& f) { rentalNet(f, -250.50); }) << 9 << QStringList{"12600=-251"};
    QTest::newRow("supporting amount 0.5 sends nothing") << B([](EfileFixture& f) { f.setT1("67650", 0.5); }) << 9
                                                         << QStringList{"67650"};
    QTest::newRow("supporting amount 1234.999 truncates")
        << B([](EfileFixture& f) { f.setT1("67650", 1234.999); }) << 9 << QStringList{"67650=1234"};
    QTest::newRow("capital gains 1234.999 round") << B([](EfileFixture& f) { f.setT1("12700", 1234.999); }) << 9
                                                  << QStringList{"12700=1235"};
    QTest::newRow("capital gains 0.99999999 send 1") << B([](EfileFixture& f) { f.setT1("12700", 0.99999999); })
                                                     << 9 << QStringList{"12700=1"};
    QTest::newRow("no income sends 9915") << B(noIncome) << 9 << QStringList{"9915=1", "10100", "50340"};
    QTest::newRow("employment income a form sent stops 9915") << B([](EfileFixture& f) {
        noIncome(f);
        f.setT1("10100", 5.0);
    }) << 9 << QStringList{"10100=5", "9915"};
    QTest::newRow("without a T2203 no jurisdiction repeats 318")
        << B([](EfileFixture& f) { f.setT1("31800", 100.0); }) << 9 << QStringList{"318=1", "5639", "5641"};
    QTest::newRow("a non-resident return skips the jurisdictions") << B([](EfileFixture& f) {
        multipleJurisdictions(f);
    }) << 14 << QStringList{"318=1", "5641"};
    QTest::newRow("a spouse claim sends 55290") << B([](EfileFixture& f) {
        f.set(f.t1, "marital_status", MARITAL_MARRIED);
        f.setT1("30300", 0.0);
        f.setT1("30400", 9000.0);
    }) << 9 << QStringList{"30400=9000", "55290=1", "55220"};
    QTest::newRow("no spouse and a marked spouse indicator send 55220")
        << B([](EfileFixture& f) { f.set(f.t1, "spouse_self_employed", 1); }) << 9
        << QStringList{"55220=1", "55290"};
    QTest::newRow("no spouse and an eligible dependant claim only") << B([](EfileFixture& f) {
        f.setT1("30400", 9000.0);
    }) << 9 << QStringList{"30400=9000", "55220", "55290"};
    QTest::newRow("no spouse and a caregiver claim send 57730")
        << B([](EfileFixture& f) { f.setT1("32600", 500.0); }) << 9 << QStringList{"57730=1"};
    QTest::newRow("restricted farm loss") << B([](EfileFixture& f) {
        f.add(FormType::T2042);
        f.set(f.t1, "restricted_farm_loss", 1);
        f.setT1("farming_total", -1500.75);
    }) << 9 << QStringList{"54950=1500", "14099=1", "14100=1"};
    QTest::newRow("a farm loss under a dollar sends no 54950") << B([](EfileFixture& f) {
        f.add(FormType::T2042);
        f.set(f.t1, "restricted_farm_loss", 1);
        f.setT1("farming_total", -0.75);
    }) << 9 << QStringList{"54950"};
    QTest::newRow("a workers benefit claim sends 55320") << B([](EfileFixture& f) {
        f.setT1("45300", 612.40);
        f.setT1("55320", 2300.75);
    }) << 9 << QStringList{"55320=2300"};
    QTest::newRow("a medical expense supplement alone sends 55320") << B([](EfileFixture& f) {
        f.setT1("45200", 310.0);
        f.setT1("55320", 1500.0);
    }) << 9 << QStringList{"55320=1500"};
    QTest::newRow("partnership income without either claim sends no 55320")
        << B([](EfileFixture& f) { f.setT1("55320", 1500.0); }) << 9 << QStringList{"55320"};
    QTest::newRow("a claim whose self-employment the T1 lines show sends no 55320")
        << B([](EfileFixture& f) { f.setT1("45300", 612.40); }) << 9 << QStringList{"55320"};
    QTest::newRow("an own Schedule 6 beside a spouse without one sends 55320 as 1") << B([](EfileFixture& f) {
        f.set(f.add(FormType::Schedule6), "spouse_without_schedule6", 1);
        f.set(f.t1, "test_55320_indicator", 1);
        f.setT1("45300", 612.40);
        f.setT1("55320", 2300.75);
    }) << 9 << QStringList{"55320=1"};
    QTest::newRow("a child care deduction sends 55300") << B(childCare) << 9 << QStringList{"55300=1850"};
    QTest::newRow("a T778 without a deduction sends no 55300") << B([](EfileFixture& f) {
        childCare(f);
        f.setT1("21400", 0.0);
    }) << 9 << QStringList{"55300"};
    QTest::newRow("with a CPP form no 50340") << B([](EfileFixture& f) { f.add(FormType::Schedule8); }) << 9
                                              << QStringList{"50340", "50339"};
}

void TestElectronicFile::appliesReturnLineRules()
{
    QFETCH(std::function<void(EfileFixture&)>, build);
    QFETCH(int, province);
    QFETCH(QStringList, expected);
    EfileFixture f(province);
    build(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    const QByteArray xml = electronicFile(f.person, kNetfile);
    const ReadBack back = readBack(xml);
    QCOMPARE(back.error, QString());
    QCOMPARE(repeated(back.returnLineCodes), QStringList());
    for (const QString& item : expected) {
        const QString code = item.section('=', 0, 0);
        if (item.contains('='))
            QCOMPARE(back.returnLineValues.value(code, QStringLiteral("(absent)")), item.section('=', 1));
        else
            QVERIFY2(!back.returnLineValues.contains(code), qPrintable(code));
    }
}

namespace {

bool sameEntries(const std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>& a,
                 const std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>& b)
{
    if (a.size() != b.size()) return false;
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j)
        if (i->first != j->first || i->second.type != j->second.type || i->second.amount != j->second.amount
            || i->second.code != j->second.code || i->second.text != j->second.text)
            return false;
    return true;
}

} // namespace

void TestElectronicFile::fillsTheSameMapForEveryOutput()
{
    EfileFixture f;
    statements(f);
    multipleJurisdictions(f);
    const auto netfile = returnLineMap(f.person, kNetfile, 0);
    const auto barcode = returnLineMap(f.person, kNetfile, 2);
    QVERIFY(netfile.size() > 10);
    QVERIFY(sameEntries(barcode, netfile));
    auto efile = returnLineMap(f.person, kEfile, 0);
    QCOMPARE(efile.count(49000), size_t(1));
    QCOMPARE(efile.at(49000).code, 1);
    efile.erase(49000);
    QVERIFY(sameEntries(efile, netfile));
}

void TestElectronicFile::fillsTheMapWithoutAFile()
{
    EfileFixture f;
    statements(f);
    QCOMPARE(f.person.CreateElectronicFile(nullptr, nullptr, kNetfile), 0);

    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;
    param.mode = kNetfile;
    param.lineCount = &count;
    param.fields = &fields;
    f.person.WriteNetfileFreeFormatData(kNetfile, param);
    const ReadBack back = readBack(electronicFile(f.person, kNetfile));
    QCOMPARE(count, back.returnLineCodes.size());
    QStringList keys;
    for (const auto& entry : fields) keys << QString::number(entry.first);
    QStringList written = back.returnLineCodes;
    std::sort(written.begin(), written.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    QCOMPARE(keys, written);
}

void TestElectronicFile::countsTheRecordsItWrites_data()
{
    QTest::addColumn<std::function<void(EfileFixture&)>>("build");
    QTest::addColumn<int>("records");
    using B = std::function<void(EfileFixture&)>;
    QTest::newRow("no statements") << B([](EfileFixture&) {}) << 0;
    QTest::newRow("T777 without employment expenses") << B([](EfileFixture& f) {
        f.set(f.add(FormType::T777), "8810", 300.0);
    }) << 0;
    QTest::newRow("T777 with employment expenses") << B([](EfileFixture& f) {
        f.set(f.add(FormType::T777), "8810", 300.0);
        f.setT1("22900", 300.0);
    }) << 1;
    QTest::newRow("a form of type 109 writes none") << B([](EfileFixture& f) { f.add(FormType::T1273); }) << 0;
    QTest::newRow("statements and partnership sections") << B(statements) << 4;
    // The designations follow the other records: the count states them too.
    QTest::newRow("a designation alone") << B([](EfileFixture& f) { f.add(FormType::T2091IND); }) << 1;
    QTest::newRow("a statement and two designations") << B([](EfileFixture& f) {
        f.add(FormType::T1255);
        f.set(f.add(FormType::T2125Commission), "8299", 5200.0);
        f.add(FormType::T2091IND);
    }) << 3;
}

void TestElectronicFile::countsTheRecordsItWrites()
{
    QFETCH(std::function<void(EfileFixture&)>, build);
    QFETCH(int, records);
    EfileFixture f;
    build(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    const ReadBack back = readBack(electronicFile(f.person, kNetfile));
    QCOMPARE(back.error, QString());
    QCOMPARE(back.recordCodes.size(), records);
    QCOMPARE(back.recordCount, records > 0 ? records : -1);
}

void TestElectronicFile::refusesAReturnWithoutT1()
{
    DependantInfoStruct dependants;
    IndividualTaxData person(MULTIPROV_MODE_NEW, &dependants);
    person.setMainProvince(9);
    person.NewFormDataItem(FormType::T776, -1, true, 0, false);
    int rc = 0;
    QCOMPARE(electronicFile(person, kNetfile, &rc), QByteArray());
    QVERIFY(rc != 0);
    const auto fields = returnLineMap(person, kNetfile, 2);   // the forms' own lines still fill the map
    QVERIFY(fields.count(12599) == 0);
}

void TestElectronicFile::statementsSendOnlyTheirOwnLines()
{
    EfileFixture f;
    CTaxData_Form* commission = f.add(FormType::T2125Commission);
    f.set(commission, "8299", 5200.0);
    f.set(commission, "13899", 5200.0);   // what it gives the return's lines
    f.set(commission, "13900", 4900.0);
    f.setT1("13899", 5200.0);
    f.setT1("13900", 4900.0);
    const ReadBack back = readBack(electronicFile(f.person, kNetfile));
    QCOMPARE(back.recordCodes, QList<QStringList>{QStringList{"8299"}});
    QCOMPARE(back.returnLineValues.value("13899"), QStringLiteral("5200"));
    QCOMPARE(back.returnLineValues.value("13900"), QStringLiteral("4900"));
}

void TestElectronicFile::tellsEachT2209ItsOrdinal()
{
    EfileFixture f;
    for (int i = 0; i < 4; ++i) f.add(FormType::T2209T2036);
    f.add(FormType::T776);   // statements do not advance it
    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;
    param.mode = kNetfile;
    param.lineCount = &count;
    param.fields = &fields;
    f.person.WriteNetfileFreeFormatData(kNetfile, param);
    QCOMPARE(param.t2209Index, 4);   // the fourth was handed index 3
}

void TestElectronicFile::writesEveryScenarioReturn()
{
    const QDir dir(QStringLiteral(QUILLMERE_SCENARIO_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files);
    QVERIFY(files.size() >= 10);
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        std::unique_ptr<CFamilyTaxData> family = Scenario::build(file.readAll(), &error);
        QVERIFY2(family, qPrintable(name + ": " + error));
        for (int who : {-2, -1}) {
            IndividualTaxData* person = family->_getIndvTaxData(who);
            if (!person || !person->t1()) continue;
            family->setCurIndv(who);
            for (unsigned char mode : {kNetfile, kEfile}) {
                const QByteArray xml = electronicFile(*person, mode);
                const QString where = name + (who == -2 ? " taxpayer" : " spouse") + (mode == kEfile ? " EFILE" : "");
                QVERIFY2(xmllintErrors(xml).isEmpty(), qPrintable(where));
                const ReadBack back = readBack(xml);
                QVERIFY2(back.error.isEmpty(), qPrintable(where + ": " + back.error));
                QVERIFY2(repeated(back.returnLineCodes).isEmpty(),
                         qPrintable(where + ": " + repeated(back.returnLineCodes).join(", ")));
                QVERIFY2(back.recordCount == (back.recordCodes.isEmpty() ? -1 : back.recordCodes.size()),
                         qPrintable(where));
                // The family forwards to its current person.
                FILE* out = std::tmpfile();
                QCOMPARE(family->CreateElectronicFile(nullptr, out, mode), 0);
                std::rewind(out);
                QByteArray forwarded(xml.size() + 16, '\0');
                forwarded.resize(int(std::fread(forwarded.data(), 1, size_t(forwarded.size()), out)));
                std::fclose(out);
                QCOMPARE(forwarded, xml);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestElectronicFile)
#include "tst_electronicfile.moc"

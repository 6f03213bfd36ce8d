// The paper return's barcode data: the fixed records item by item, the
// encoding of the return lines, the sections a saved return carries, and
// round trips through the real return file.

#include <functional>
#include <memory>

#include <QTemporaryDir>
#include <QtTest>

#include "barcoderecords.h"
#include "barcodetestsupport.h"
#include "familytaxdata.h"
#include "filingsettings.h"
#include "formtypes.h"
#include "memoryblock.h"
#include "netfileparam.h"
#include "returnfilebuilder.h"
#include "statements.h"
#include "validatetestsupport.h"

namespace {

constexpr const char* kEligibleSin = "130692544";

struct BarcodeFixture : ValidationFixture
{
    explicit BarcodeFixture(int province = 9) : ValidationFixture(province) { set(t1, "sin", kEligibleSin); }
};

using Build = std::function<void(BarcodeFixture&)>;

QByteArray t1Record(BarcodeFixture& f)
{
    T1ReturnBarcodeFixedData record(filingSettings().NetfileSoftwareCode, CString());
    f.person.FillT1BarcodeFixedData(record);
    return record.text();
}

// The 564-byte record of the first statement block the form type gives.
QByteArray statementRecord(BarcodeFixture& f, int type)
{
    CMemoryBlock block;
    CTaxData_Form* form = f.person.GetFormData(type, false);
    switch (type) {
    case FormType::T776: f.person.GenerateT776Barcode(static_cast<CTaxData_T776*>(form), block, 1); break;
    case FormType::T2042: f.person.GenerateT2042Barcode(static_cast<CTaxData_T2042*>(form), block, 1); break;
    case FormType::T2121: f.person.GenerateT2121Barcode(static_cast<CTaxData_T2121*>(form), block, 1); break;
    case FormType::T2125:
    case FormType::T2125Commission:
        f.person.GenerateT2125Barcode(type, static_cast<TaxData_T2125_New*>(form), block, 1);
        break;
    case FormType::T777: f.person.GenerateT777Barcode(static_cast<TaxData_T777New*>(form), block, 1); break;
    case FormType::TL2: f.person.GenerateTL2Barcode(static_cast<TaxData_TL2_New*>(form), block, 1); break;
    case FormType::T2091IND:
    case FormType::T1255: f.person.GenerateT2091Barcode(static_cast<TaxData_T2091*>(form), block, 1); break;
    case FormType::T5013: {
        QByteArray bytes;
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        int sequence = 0;
        f.person.GenerateT5013Barcode(static_cast<CTaxData_T5013*>(form), out, sequence);
        return bytes.mid(4, SFDBarcodeFixedData::kLength);   // past the block's byte count
    }
    default: break;
    }
    return block.data().left(SFDBarcodeFixedData::kLength);
}

QByteArray at(const QByteArray& record, int position, int width) { return record.mid(position - 1, width); }

} // namespace

Q_DECLARE_METATYPE(Build)

class TestBarcode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { filingSettings().NetfileSoftwareCode = "097"; }
    void buildsFixedWidthItems();
    void fillsTheT1Record_data();
    void fillsTheT1Record();
    void fillsStatementRecords_data();
    void fillsStatementRecords();
    void encodesReturnLines_data();
    void encodesReturnLines();
    void writesTheSection_data();
    void writesTheSection();
    void roundTripsThroughTheReturnFile_data();
    void roundTripsThroughTheReturnFile();
    void readsAnOldFileWithItsMarkersAtThePeekEdge();
    void scenarioFilesCarryTheirBlocks();
};

void TestBarcode::buildsFixedWidthItems()
{
    List_FixedBarcodeItem list;
    FixedBarcodeItem a(&list, 4, "01");
    FixedBarcodeItem b(&list, 5);
    FixedBarcodeItem c(&list, 3, "toolong");
    QCOMPARE(list.text(), QByteArray("01       too"));
    a.SetValueLeftPadding("7", '0');
    b.SetValueRightPadding("\xc3\xa9t\xc3\xa9s", '.');   // "étés" is 6 bytes: cut before the last "s"? no: before "é"
    c.SetAllCharsTo('x');
    QCOMPARE(list.text(), QByteArray("0007\xc3\xa9t\xc3\xa9xxx"));
    b.SetValueRightPadding("\xc3\xa9\xc3\xa9\xc3\xa9", ' ');   // three two-byte letters in five bytes
    QCOMPARE(b.text(), QByteArray("\xc3\xa9\xc3\xa9 "));
    CMemoryBlock block;
    list.OutputToMemoryBlock(block);
    QCOMPARE(block.size(), 12);

    // Fresh records have their lengths before anything fills them.
    const T1ReturnBarcodeFixedData t1(CString("097"), CString());
    QCOMPARE(t1.text().size(), 478);
    QCOMPARE(t1.text().mid(405, 12), QByteArray("097G        "));
    QCOMPARE(SFDBarcodeFixedData().text().size(), 564);
}

void TestBarcode::fillsTheT1Record_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("expected");

    const Build none = [](BarcodeFixture&) {};
    QTest::newRow("year") << none << 9 << 1 << QByteArray("012021");
    QTest::newRow("S.I.N.") << none << 9 << 15 << QByteArray(kEligibleSin);
    QTest::newRow("S.I.N. with blanks") << Build([](BarcodeFixture& f) { f.set(f.t1, "sin", "130 692 544"); }) << 9
                                        << 15 << QByteArray("130692544");
    QTest::newRow("birth date, province, MJ, marital status") << none << 9 << 24 << QByteArray("19800505ONMJ6");
    QTest::newRow("non-resident") << none << 14 << 32 << QByteArray("    ");
    QTest::newRow("single: no spouse S.I.N. or name") << none << 9 << 37 << QByteArray("000000000    ");
    QTest::newRow("single: no spouse amounts") << none << 9 << 349 << QByteArray(27, '0');
    QTest::newRow("single: no self-employed spouse") << none << 9 << 455 << QByteArray("0");
    QTest::newRow("spouse") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "marital_status", MARITAL_MARRIED);
        f.set(f.t1, "spouse_sin", "271 630 840");
        f.set(f.t1, "spouse_first_name", "Bartholomew");
        f.setT1("spouse_net_income", 25000.99);
    }) << 9 << 37 << QByteArray("271630840Bart");
    QTest::newRow("spouse S.I.N. with dashes") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "marital_status", MARITAL_MARRIED);
        f.set(f.t1, "spouse_sin", "271-630-840");
    }) << 9 << 37 << QByteArray("271630840");
    QTest::newRow("spouse net income truncated") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "marital_status", MARITAL_MARRIED);
        f.setT1("spouse_net_income", 25000.99);
    }) << 9 << 349 << QByteArray("000025000");
    QTest::newRow("a 40-character accented name") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "first_name", "Éléonore-Zoë Béland Côté Frédérique-Anne");
    }) << 9 << 50 << QByteArray("Éléonore-Zoë Béland Côté");
    QTest::newRow("address with rural route") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "mailing_address", "1 Main St  ");
        f.set(f.t1, "mailing_rr", "12");
    }) << 9 << 136 << QByteArray("1 Main St RR 12").leftJustified(60, ' ');
    QTest::newRow("address with box and route") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "mailing_po_box", "PO Box 5");
        f.set(f.t1, "mailing_rr", "3");
    }) << 9 << 136 << QByteArray("12 Main St PO Box 5 RR 3").leftJustified(60, ' ');
    QTest::newRow("Canadian mailing province and postal code") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "non_canadian_mailing", 1);
    }) << 9 << 246 << QByteArray("ONK1A0B1");
    QTest::newRow("foreign mailing address") << Build([](BarcodeFixture& f) { f.set(f.t1, "non_canadian_mailing", 0); })
                                             << 9 << 246 << QByteArray("  K1A0B1");
    QTest::newRow("telephone") << Build([](BarcodeFixture& f) { f.set(f.t1, "home_phone", "(613) 555-0123"); }) << 9
                               << 338 << QByteArray("61355501231");
    QTest::newRow("no telephone") << none << 9 << 338 << QByteArray("00000000001");
    QTest::newRow("telephone with the country code")
        << Build([](BarcodeFixture& f) { f.set(f.t1, "home_phone", "+1 (613) 555-0123"); }) << 9 << 338
        << QByteArray("61355501231");
    QTest::newRow("death") << Build([](BarcodeFixture& f) { f.t1->setDate("date_of_death", QDate(2021, 8, 15)); })
                           << 9 << 376 << QByteArray("120210815");
    QTest::newRow("bankrupt at 0") << Build([](BarcodeFixture& f) { f.set(f.t1, "is_bankrupt", 1); }) << 9 << 385
                                   << QByteArray("1000000001000000000");
    QTest::newRow("bankrupt at 1234.5") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "is_bankrupt", 1);
        f.setT1("post_bankrupt_net_income", 1234.5);
    }) << 9 << 386 << QByteArray("000001235");
    QTest::newRow("bankrupt at -10.2") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "is_bankrupt", 1);
        f.setT1("post_bankrupt_net_income", -10.2);
    }) << 9 << 386 << QByteArray("-00000010");
    QTest::newRow("bankrupt in Manitoba") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "is_bankrupt", 1);
        f.setT1("post_bankrupt_adjusted_net_income", 500.4);
    }) << 3 << 395 << QByteArray("000000500");
    QTest::newRow("count, software, kept items") << none << 9 << 404 << QByteArray("00097G");
    QTest::newRow("citizen and consent") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "elections_canada_citizen", 0);
        f.set(f.t1, "elections_canada_consent", 1);
    }) << 9 << 456 << QByteArray("102");
    QTest::newRow("BC on the land, not of a First Nation") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "land_residence", 0);
        f.set(f.t1, "first_nation", 1);
    }) << 2 << 459 << QByteArray("100000002");
    QTest::newRow("BC off the land") << Build([](BarcodeFixture& f) { f.set(f.t1, "land_residence", 1); }) << 2 << 459
                                     << QByteArray("200000000");
    QTest::newRow("Newfoundland and Labrador on the land")
        << Build([](BarcodeFixture& f) { f.set(f.t1, "land_residence", 0); }) << 5 << 459 << QByteArray("100000000");
    QTest::newRow("Northwest Territories") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "tlicho", 1);
        f.set(f.t1, "deline", 0);
        f.set(f.t1, "first_nation", 0);
    }) << 7 << 459 << QByteArray("021000001");
    QTest::newRow("Yukon without a First Nation") << Build([](BarcodeFixture& f) { f.set(f.t1, "land_residence", 1); })
                                                  << 13 << 459 << QByteArray("200000000");
    QTest::newRow("Yukon with a First Nation") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "first_nation_code", "123");
        f.set(f.t1, "first_nation", 0);
    }) << 13 << 459 << QByteArray("100001231");
    // Item 44: the province of residence today, against the main tax province.
    QTest::newRow("residence today differs from the main province")
        << Build([](BarcodeFixture& f) { f.set(f.t1, "current_province", 1); }) << 9 << 468
        << QByteArray("AB0   00000");
    QTest::newRow("residence today is the main province")
        << Build([](BarcodeFixture& f) { f.set(f.t1, "current_province", 9); }) << 9 << 468
        << QByteArray("  0   00000");
    QTest::newRow("the year-end province alone is not item 44")
        << Build([](BarcodeFixture& f) { f.set(f.t1, "province", 1); }) << 9 << 468 << QByteArray("  0   00000");
    QTest::newRow("Indian Act exempt income") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "indian_act_exempt_income", 1);
    }) << 9 << 468 << QByteArray("  1   00000");
}

void TestBarcode::fillsTheT1Record()
{
    QFETCH(Build, build);
    QFETCH(int, province);
    QFETCH(int, position);
    QFETCH(QByteArray, expected);
    BarcodeFixture f(province);
    build(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    const QByteArray record = t1Record(f);
    QCOMPARE(record.size(), T1ReturnBarcodeFixedData::kLength);
    QCOMPARE(at(record, position, expected.size()), expected);
    if (QByteArray(QTest::currentDataTag()) == "spouse")   // the saved S.I.N. loses its blanks
        QCOMPARE(f.t1->getString("spouse_sin"), CString("271630840"));
}

void TestBarcode::fillsStatementRecords_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("fields");   // "name=value" (numbers for numeric fields)
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("T776") << int(FormType::T776) << QStringList{} << 1 << QByteArray("030101  0");
    QTest::newRow("T2042") << int(FormType::T2042) << QStringList{} << 1 << QByteArray("030105  2");
    QTest::newRow("T2121") << int(FormType::T2121) << QStringList{"accounting_method=1"} << 1
                           << QByteArray("030104  1");
    QTest::newRow("T2125 business") << int(FormType::T2125) << QStringList{} << 5 << QByteArray("02  1");
    QTest::newRow("T2125 professional") << int(FormType::T2125) << QStringList{"is_professional=1"} << 5
                                        << QByteArray("03  1");
    QTest::newRow("T2125 commission") << int(FormType::T2125Commission) << QStringList{} << 5 << QByteArray("02  1");
    QTest::newRow("T777") << int(FormType::T777) << QStringList{} << 5 << QByteArray("07  0000000130692544");
    QTest::newRow("TL2") << int(FormType::TL2) << QStringList{} << 5 << QByteArray("08");
    QTest::newRow("T2091") << int(FormType::T2091IND) << QStringList{} << 5 << QByteArray("11");
    QTest::newRow("T1255") << int(FormType::T1255) << QStringList{} << 5 << QByteArray("12");
    QTest::newRow("share 100") << int(FormType::T2125) << QStringList{"partnership_percent=100"} << 116
                               << QByteArray("0000");
    QTest::newRow("share 37.5") << int(FormType::T2125) << QStringList{"partnership_percent=37.5"} << 116
                                << QByteArray("3750");
    QTest::newRow("share 0.29") << int(FormType::T2125) << QStringList{"partnership_percent=0.29"} << 116
                                << QByteArray("0029");
    QTest::newRow("other party 12.3456") << int(FormType::T2125) << QStringList{"partners.1.percent=12.3456"} << 403
                                         << QByteArray("00000000123456");
    QTest::newRow("other party 99.5") << int(FormType::T2125) << QStringList{"partners.1.percent=99.5"} << 411
                                      << QByteArray("995000");
    QTest::newRow("co-owner of a rental") << int(FormType::T776) << QStringList{"co_owners.2.name=Bo", "co_owners.2.percent=50"}
                                          << 417 << QByteArray("Bo").leftJustified(30, ' ') + QByteArray(30, ' ')
                                                        + "00000000500000";
    QTest::newRow("identity") << int(FormType::T2125)
                              << QStringList{"industry_code=5415", "business_name=Lee & Co", "is_final_year=1"} << 10
                              << QByteArray("541500") + QByteArray(9, '0') + QByteArray("Lee & Co").leftJustified(30, ' ');
    QTest::newRow("web presence") << int(FormType::T2125)
                                  << QStringList{"website_count=2", "websites.1.url=a.ca", "internet_income_percent=40"}
                                  << 144 << QByteArray("2   a.ca");
    for (const auto& kind : {std::make_pair(0, "01"), std::make_pair(1, "02"), std::make_pair(2, "03"),
                             std::make_pair(3, "02"), std::make_pair(4, "04"), std::make_pair(5, "05")})
        QTest::addRow("T5013 kind %d", kind.first)
            << int(FormType::T5013) << QStringList{QStringLiteral("partnerships.1.kind=%1").arg(kind.first),
                                                   "partnerships.1.010=100"}
            << 1 << QByteArray("0301") + kind.second + "  2";
}

void TestBarcode::fillsStatementRecords()
{
    QFETCH(int, type);
    QFETCH(QStringList, fields);
    QFETCH(int, position);
    QFETCH(QByteArray, expected);
    BarcodeFixture f;
    CTaxData_Form* form = f.add(type);
    for (const QString& item : fields) {
        const QByteArray name = item.section('=', 0, 0).toUtf8();
        const QString value = item.section('=', 1);
        bool number = false;
        const double v = value.toDouble(&number);
        if (number)
            f.set(form, name.constData(), v);
        else
            f.set(form, name.constData(), value.toUtf8().constData());
    }
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    const QByteArray record = statementRecord(f, type);
    QCOMPARE(record.size(), SFDBarcodeFixedData::kLength);
    QCOMPARE(at(record, position, expected.size()), expected);
}

void TestBarcode::encodesReturnLines_data()
{
    QTest::addColumn<QStringList>("entries");   // "code:type:value"
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("dollars") << QStringList{"15000:1:52000.75", "22000:1:-120.4"} << QByteArray("1500052000-22000&120");
    QTest::newRow("negative cents") << QStringList{"9000:2:-12.345"} << QByteArray("9000&1234");
    QTest::newRow("cents nudged") << QStringList{"9001:2:1.15"} << QByteArray("9001115");
    QTest::newRow("empty map") << QStringList{} << QByteArray();
    QTest::newRow("integer and text") << QStringList{"9915:3:1", "9999:4:R&D"} << QByteArray("99151-9999R&D");
    QTest::newRow("an unknown type is only its separator") << QStringList{"100:7:5", "200:3:4", "300:9:1"}
                                                           << QByteArray("-2004-");
}

void TestBarcode::encodesReturnLines()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, expected);
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    for (const QString& e : entries) {
        STRUCT_NETFILE_TIA_FIELD_TYPE v;
        v.type = e.section(':', 1, 1).toInt();
        const QString value = e.section(':', 2);
        v.amount = value.toDouble();
        v.code = value.toInt();
        v.text = value.toStdString();
        fields[e.section(':', 0, 0).toInt()] = v;
    }
    CMemoryBlock block;
    IndividualTaxData::ConvertFreeDataMapToMemoryBlock(fields, block);
    QCOMPARE(block.data(), expected);
}

void TestBarcode::writesTheSection_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<bool>("t1Block");
    QTest::addColumn<QList<QByteArray>>("blocks");   // each block's sequence and form code
    using L = QList<QByteArray>;
    QTest::newRow("eligible, no statement") << Build([](BarcodeFixture&) {}) << true << L{};
    QTest::newRow("no T1") << Build([](BarcodeFixture& f) {
        f.person.RemoveFormData(f.t1, true);
        f.t1 = nullptr;
    }) << false << L{};
    QTest::newRow("empty S.I.N.") << Build([](BarcodeFixture& f) { f.set(f.t1, "sin", "  "); }) << false << L{};
    QTest::newRow("zeros S.I.N.") << Build([](BarcodeFixture& f) { f.set(f.t1, "sin", "000000000"); }) << false << L{};
    QTest::newRow("invalid S.I.N.") << Build([](BarcodeFixture& f) { f.set(f.t1, "sin", "123456789"); }) << false
                                    << L{};
    QTest::newRow("0-led S.I.N.") << Build([](BarcodeFixture& f) { f.set(f.t1, "sin", "046454286"); }) << false << L{};
    QTest::newRow("emigrant") << Build([](BarcodeFixture& f) { f.t1->setDate("date_of_departure", QDate(2021, 6, 1)); })
                              << false << L{};
    QTest::newRow("immigrant") << Build([](BarcodeFixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 6, 1)); })
                               << false << L{};
    QTest::newRow("rental after commission in the list") << Build([](BarcodeFixture& f) {
        f.add(FormType::T2125Commission);
        f.add(FormType::T776);
    }) << true << L{"0101", "0202"};
    QTest::newRow("three statements: none") << Build([](BarcodeFixture& f) {
        f.add(FormType::T776);
        f.add(FormType::T776);
        f.add(FormType::T2121);
    }) << true << L{};
    QTest::newRow("bankrupt: none") << Build([](BarcodeFixture& f) {
        f.set(f.t1, "is_bankrupt", 1);
        f.add(FormType::T776);
    }) << true << L{};
    QTest::newRow("T777S is not counted") << Build([](BarcodeFixture& f) {
        f.add(FormType::T777S);
        f.add(FormType::T776);
    }) << true << L{"0101"};
    QTest::newRow("T5013 sections in use") << Build([](BarcodeFixture& f) {
        CTaxData_Form* t5013 = f.add(FormType::T5013);
        f.set(t5013, "partnerships.2.kind", 4);
        f.set(t5013, "partnerships.2.127", 10.0);
        f.set(t5013, "partnerships.4.kind", 0);
        f.set(t5013, "partnerships.4.117", 10.0);
    }) << true << L{"0104", "0201"};
    QTest::newRow("a form of the wrong class gets no block") << Build([](BarcodeFixture& f) {
        f.add(FormType::T776);
        STRUCT_FORMDATA_ITEM_2004* odd = f.person.NewFormDataItem(FormType::Schedule6, -1, true, 0, false);
        odd->formType = FormType::T2121;   // counted as a statement, not of its class
    }) << true << L{"0101"};
}

void TestBarcode::writesTheSection()
{
    QFETCH(Build, build);
    QFETCH(bool, t1Block);
    QFETCH(QList<QByteArray>, blocks);
    BarcodeFixture f;
    f.setT1("15000", 52000.75);
    build(f);
    if (!f.t1) QVERIFY(!f.person.t1());
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    int leftOver = -1;
    const BarcodeSection section = writtenSection(f.person, &leftOver);
    QVERIFY(section.valid);
    QCOMPARE(leftOver, 0);
    QCOMPARE(section.hasT1Block, t1Block);
    if (!t1Block) return;
    QCOMPARE(section.t1Block.left(2), QByteArray("01"));
    QVERIFY(section.t1Block.mid(T1ReturnBarcodeFixedData::kLength).contains("1500052000"));
    QVERIFY(section.t1Block.endsWith("-EOD"));
    QCOMPARE(section.storedCount, section.blocks.size());   // the number stored is the blocks that follow
    QList<QByteArray> found;
    for (const QByteArray& block : section.blocks) {
        QVERIFY(block.size() >= SFDBarcodeFixedData::kLength + 4);
        QVERIFY(block.endsWith("-EOD"));
        found << block.mid(2, 4);
    }
    QCOMPARE(found, blocks);
}

void TestBarcode::roundTripsThroughTheReturnFile_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("blocks");
    QTest::newRow("no statement") << Build([](BarcodeFixture&) {}) << false << 0;
    QTest::newRow("one") << Build([](BarcodeFixture& f) { f.add(FormType::T776); }) << false << 1;
    QTest::newRow("two") << Build([](BarcodeFixture& f) {
        f.add(FormType::T776);
        f.add(FormType::T2125);
    }) << false << 2;
    QTest::newRow("three") << Build([](BarcodeFixture& f) {
        f.add(FormType::T776);
        f.add(FormType::T2125);
        f.add(FormType::T2121);
    }) << false << 0;
    QTest::newRow("T5013 with two sections") << Build([](BarcodeFixture& f) {
        CTaxData_Form* t5013 = f.add(FormType::T5013);
        f.set(t5013, "partnerships.1.kind", 1);
        f.set(t5013, "partnerships.3.kind", 2);
        f.set(t5013, "partnerships.3.120", 5.0);
    }) << false << 2;
    QTest::newRow("T777S") << Build([](BarcodeFixture& f) {
        f.add(FormType::T777S);
        f.add(FormType::T777);
    }) << false << 1;
    QTest::newRow("a form of the wrong class") << Build([](BarcodeFixture& f) {
        f.add(FormType::T776);
        f.person.NewFormDataItem(FormType::Schedule6, -1, true, 0, false)->formType = FormType::T2121;
    }) << false << 1;
    QTest::newRow("coupled") << Build([](BarcodeFixture& f) { f.add(FormType::T776); }) << true << 1;
}

void TestBarcode::roundTripsThroughTheReturnFile()
{
    QFETCH(Build, build);
    QFETCH(bool, coupled);
    QFETCH(int, blocks);
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    // The fixture's return copied into the family's person.
    auto fill = [&](IndividualTaxData* person, const char* sin) {
        BarcodeFixture f;
        build(f);
        person->setMainProvince(9);
        for (STRUCT_FORMDATA_ITEM_2004* item : f.person.forms()) {
            // An object of another class than its type keeps its class.
            STRUCT_FORMDATA_ITEM_2004* copy = person->NewFormDataItem(item->object->getType(), -1, true, 0, false);
            QVERIFY(copy && copy->object);
            copy->formType = item->formType;
            copy->object->CopyFrom(item->object);
        }
        person->t1()->setString("sin", sin);
        if (coupled) person->t1()->setInt("marital_status", MARITAL_MARRIED);
    };
    fill(family.taxpayer(), kEligibleSin);
    if (coupled) fill(family.spouse(), "271630840");

    QTemporaryDir dir;
    const QString path = dir.filePath("barcode.r21");
    QVERIFY(family.saveToFile(CString(path)));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<BarcodeSection> sections = fileSections(saved.readAll());
    QCOMPARE(sections.size(), 2);   // the taxpayer's and the spouse's
    QVERIFY(sections[0].valid && sections[1].valid);
    QVERIFY(sections[0].hasT1Block);
    QCOMPARE(sections[0].blocks.size(), blocks);
    QCOMPARE(sections[0].storedCount, blocks);
    QCOMPARE(sections[1].hasT1Block, coupled);

    int result = -1;
    std::unique_ptr<CFamilyTaxData> read(CFamilyTaxData::serializeFromFile(CString(path), result));
    QCOMPARE(result, 0);
    QVERIFY(read);
    // Read back whole: the reading adds the forms a return needs, so the
    // T1 and the statements compare.
    for (IndividualTaxData* person : {family.taxpayer(), family.spouse()}) {
        IndividualTaxData* again = person == family.taxpayer() ? read->taxpayer() : read->spouse();
        QCOMPARE(bool(again->t1()), bool(person->t1()));
        if (!person->t1()) continue;
        QVERIFY(!again->t1()->Differs(person->t1()));
        QCOMPARE(again->GetCountOfSFDForms(), person->GetCountOfSFDForms());
    }
}

void TestBarcode::readsAnOldFileWithItsMarkersAtThePeekEdge()
{
    // An older layout of the statement blocks: the reader looks for the
    // closing marker run within 3100 bytes, here exactly at their end.
    RawPerson taxpayer = ontarioTaxpayer(66000);
    QByteArray section;
    {
        MyDataStream s(&section, QIODevice::WriteOnly);
        s << qint32(4);
        s.writeRawData("0102", 4);
        s << qint32(1);
        const QByteArray oldBlocks(3100 - 8, 'x');
        s.writeRawData(oldBlocks.constData(), oldBlocks.size());
    }
    taxpayer.barcode = section;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.r21");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rawFile(taxpayer));
    file.close();
    int result = -1;
    std::unique_ptr<CFamilyTaxData> read(CFamilyTaxData::serializeFromFile(CString(path), result));
    QCOMPARE(result, 0);
    QVERIFY(read);
    QCOMPARE(read->taxpayer()->GetFirstName(), CString("Ann"));
}

void TestBarcode::scenarioFilesCarryTheirBlocks()
{
    QTemporaryDir dir;
    const QString in = dir.filePath("rental.json");
    const QString out = dir.filePath("rental.r21");
    QFile json(in);
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(R"({"province": 9, "taxpayer": {"t1": {"first_name": "Ann", "last_name": "Lee", "sin": "130692544",
               "birth_date": "1960-05-01", "marital_status": 5},
               "forms": [{"type": 12, "fields": {"8230": 1200}}]}})");
    json.close();
    QProcess tool;
    tool.start(QStringLiteral(SCENARIO2R21), {in, out});
    QVERIFY(tool.waitForFinished(60000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
    QFile saved(out);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<BarcodeSection> sections = fileSections(saved.readAll());
    QVERIFY(!sections.isEmpty());
    QVERIFY(sections[0].valid && sections[0].hasT1Block);
    QCOMPARE(sections[0].blocks.size(), 1);
    QCOMPARE(sections[0].blocks[0].mid(4, 2), QByteArray("01"));
}

QTEST_GUILESS_MAIN(TestBarcode)
#include "tst_barcode.moc"

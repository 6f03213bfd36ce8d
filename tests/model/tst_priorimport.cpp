// Starting this year's return from last year's ".r20" file: the six import
// options, the carried T1-M amount, and turning a single return into a
// coupled one.

#include <memory>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "edition.h"
#include "familytaxdata.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "priorimport.h"

namespace {

constexpr int kT2125 = 125, kSch9 = 9, kT1ADJ = 116, kBC428 = 41, kRC381 = 148, kSch8 = 150, kT2204 = 23;
constexpr int kSummary = 93, kLastYearSummary = 165, kT4 = 1;

CTaxData_Form* addForm(IndividualTaxData& person, int type)
{
    STRUCT_FORMDATA_ITEM_2004* item = person.NewFormDataItem(type, -1, true, 0, true);
    return item ? item->object : nullptr;
}

// A 2021 Ontario taxpayer as a new return makes one, with the spouse named on the T1.
void newTaxpayer(CFamilyTaxData& family, int maritalStatus)
{
    family.taxpayer()->NewData(PROV_ON, "Ann", "Lee", "046454286", QDate(1970, 3, 4), maritalStatus, "Bo", "Lee",
                               "130692544", QDate(1968, 5, 6), true);
    // A status without a spouse leaves the spouse fields empty: set them anyway,
    // as a return whose status changed keeps them.
    TaxData_T1New* t1 = family.taxpayer()->t1();
    t1->setString("spouse_first_name", "Bo");
    t1->setString("spouse_last_name", "Lee");
    t1->setString("spouse_sin", "130692544");
    t1->setDate("spouse_birth_date", QDate(1968, 5, 6));
}

// Writes the family and turns both person blocks into last year's.
QString writeLastYearFile(CFamilyTaxData& family, const QTemporaryDir& dir)
{
    const QString path = dir.filePath("last.r20");
    if (!family.saveToFile(CString(path))) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.readAll();
    file.close();
    // Each person block starts with the version and the tax year.
    const QByteArray thisYear = QByteArray::fromHex("00010215000007e5");
    const QByteArray lastYear = QByteArray::fromHex("00010215000007e4");
    if (bytes.count(thisYear) != 2) return {};
    bytes.replace(thisYear, lastYear);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(bytes);
    return path;
}

std::unique_ptr<CFamilyTaxData> readFile(const QString& path)
{
    int result = -9;
    std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(path), result));
    if (result != 0) family.reset();
    return family;
}

STRUCT_IMPORT_LASTYEAR_PARAM importOptions(bool keepNotes, bool includeSFD, bool keepForms, bool copyData)
{
    STRUCT_IMPORT_LASTYEAR_PARAM p;
    p.keepNotes = keepNotes;
    p.includeSFD = includeSFD;
    p.keepForms = keepForms;
    p.copyData = copyData;
    return p;
}

QList<int> formTypes(const IndividualTaxData& person)
{
    QList<int> types;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) types << item->formType;
    return types;
}

} // namespace

class PriorImportTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { setCurrentEdition(2); }
    void options_data();
    void options();
    void negativeAmountsAreNotCarried();
    void carriedT1MAmount_data();
    void carriedT1MAmount();
    void makeCoupled_data();
    void makeCoupled();
};

void PriorImportTest::options_data()
{
    QTest::addColumn<bool>("keepNotes");
    QTest::addColumn<bool>("includeSFD");
    QTest::addColumn<bool>("keepForms");
    QTest::addColumn<bool>("copyData");
    QTest::addColumn<bool>("formAmountsKept");
    QTest::addColumn<bool>("businessAmountsKept");
    QTest::addColumn<int>("slips");
    QTest::addColumn<bool>("slipAmountsKept");
    QTest::addColumn<bool>("refusingFormsKept");
    QTest::addColumn<int>("notes");
    //                                        notes  sfd    forms  copy   forms  busi.  slips slip   refuse notes
    QTest::newRow("defaults")              << true  << false << false << false << false << false << 0 << false << false << 1;
    QTest::newRow("self-business data")    << true  << true  << false << false << false << true  << 0 << false << false << 1;
    QTest::newRow("copy all data")         << true  << false << false << true  << true  << true  << 0 << false << false << 1;
    QTest::newRow("keep forms")            << true  << false << true  << false << false << false << 1 << false << true  << 1;
    QTest::newRow("keep forms, copy data") << true  << false << true  << true  << true  << true  << 1 << true  << true  << 1;
    QTest::newRow("notes removed")         << false << false << false << false << false << false << 0 << false << false << 0;
}

void PriorImportTest::options()
{
    QFETCH(bool, keepNotes);
    QFETCH(bool, includeSFD);
    QFETCH(bool, keepForms);
    QFETCH(bool, copyData);
    QFETCH(bool, formAmountsKept);
    QFETCH(bool, businessAmountsKept);
    QFETCH(int, slips);
    QFETCH(bool, slipAmountsKept);
    QFETCH(bool, refusingFormsKept);
    QFETCH(int, notes);

    CFamilyTaxData last(MULTIPROV_MODE_NEW);
    newTaxpayer(last, MARITAL_SINGLE);
    IndividualTaxData& person = *last.taxpayer();
    TaxData_T1New* t1 = person.t1();
    t1->setString("filing_confirmation", "K1234567");
    person.GetFormData(kSummary, false)->setFloat("15000", 41000.0);
    CTaxData_Form* business = addForm(person, kT2125);
    business->setString("business_description", "Bookkeeping");
    business->setFloat("line_3A", 52000.0);
    addForm(person, kSch9)->setFloat("donations.1.amount", 300.0);
    addForm(person, kT1ADJ);
    addForm(person, kBC428);
    addForm(person, kRC381);
    CTaxData_Form* slip = person.NewSlipData(kT4, -1, 0)->object;
    slip->setString("payer_name", "Acme");
    slip->setFloat("14", 48000.0);
    person.NewNoteData(-1)->object->setString("text", "Ask about the RRSP receipt");

    QTemporaryDir dir;
    const QString path = writeLastYearFile(last, dir);
    QVERIFY(!path.isEmpty());
    std::unique_ptr<CFamilyTaxData> family = readFile(path);
    QVERIFY(family);
    IndividualTaxData& read = *family->taxpayer();
    QCOMPARE(read.taxYear(), 2020);
    QVERIFY(read.HasForm(kT1ADJ) && read.HasForm(kBC428) && read.HasForm(kRC381));

    STRUCT_IMPORT_LASTYEAR_PARAM param = importOptions(keepNotes, includeSFD, keepForms, copyData);
    family->Build2003DataTo2004(&param);

    // The T1 keeps the person whatever the options; last year's filing never carries.
    QVERIFY(read.t1());
    QCOMPARE(QByteArray(read.GetFirstName()), QByteArray("Ann"));
    QCOMPARE(QByteArray(read.GetSpouseFirstName()), QByteArray("Bo"));
    QVERIFY(read.t1()->getString("filing_confirmation").IsEmpty());

    QCOMPARE(read.GetFormData(kSch9, false)->getFloat("donations.1.amount"), formAmountsKept ? 300.0 : 0.0);
    CTaxData_Form* carried = read.GetFormData(kT2125, false);
    QCOMPARE(carried->getFloat("line_3A"), businessAmountsKept ? 52000.0 : 0.0);
    QCOMPARE(QByteArray(carried->getString("business_description")), QByteArray("Bookkeeping"));

    QCOMPARE(read.HasForm(kT1ADJ), refusingFormsKept);
    QCOMPARE(read.HasForm(kBC428), refusingFormsKept);

    // The RC381 is replaced by one Schedule 8: the T4's blank boxes 24 and
    // 26 (box 14 standing in) already made one, and a T2204, when the file
    // was read.
    QVERIFY(!read.HasForm(kRC381));
    QCOMPARE(formTypes(read).count(kSch8), 1);
    QCOMPARE(formTypes(read).count(kT2204), 1);

    // Last year's summary keeps last year's results; this year's starts again
    // unless the amounts carry.
    QCOMPARE(read.GetCountOfForm(kLastYearSummary), 1);
    QCOMPARE(read.GetFormData(kLastYearSummary, false)->getFloat("15000"), 41000.0);
    QCOMPARE(read.GetFormData(kSummary, false)->getFloat("15000"), formAmountsKept ? 41000.0 : 0.0);

    QCOMPARE(int(read.slips().size()), slips);
    if (slips) {
        CTaxData_Form* t4 = read.slips().front()->object;
        QCOMPARE(QByteArray(t4->getString("payer_name")), QByteArray("Acme"));
        QCOMPARE(t4->getFloat("14"), slipAmountsKept ? 48000.0 : 0.0);
    }
    QCOMPARE(int(read.notes().size()), notes);
}

// Last year's file may hold a negative amount on a line that cannot hold
// one: it does not come into this year's return; the signed ones do.
void PriorImportTest::negativeAmountsAreNotCarried()
{
    CFamilyTaxData last(MULTIPROV_MODE_NEW);
    newTaxpayer(last, MARITAL_SINGLE);
    IndividualTaxData& person = *last.taxpayer();
    CTaxData_Form* sch9 = addForm(person, kSch9);
    sch9->setFloat("donations.1.amount", 300.0);
    sch9->setFloat("donations.2.amount", -50.0);
    CTaxData_Form* slip = person.NewSlipData(kT4, -1, 0)->object;
    slip->setString("payer_name", "Acme");
    slip->setFloat("14", 48000.0);
    slip->setFloat("22", -10.0);
    slip->setFloat("79", -20.0);   // fishers' net partnership amount: a loss is one
    QTemporaryDir dir;
    const QString path = writeLastYearFile(last, dir);
    QVERIFY(!path.isEmpty());
    std::unique_ptr<CFamilyTaxData> family = readFile(path);
    QVERIFY(family);
    STRUCT_IMPORT_LASTYEAR_PARAM param = importOptions(false, true, true, true);
    family->Build2003DataTo2004(&param);
    IndividualTaxData& read = *family->taxpayer();
    QCOMPARE(read.GetFormData(kSch9, false)->getFloat("donations.1.amount"), 300.0);
    QCOMPARE(read.GetFormData(kSch9, false)->getFloat("donations.2.amount"), 0.0);
    QCOMPARE(int(read.slips().size()), 1);
    const CTaxData_Form* t4 = read.slips().front()->object;
    QCOMPARE(t4->getFloat("14"), 48000.0);
    QCOMPARE(t4->getFloat("22"), 0.0);
    QCOMPARE(t4->getFloat("79"), -20.0);
    // What was left out is told once, line by line; the signed box is not in it.
    const QString told = family->takeLeftOutAmountsText(QStringLiteral("last year's return"));
    QVERIFY2(told.startsWith(QStringLiteral("These amounts of last year's return were left out")), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("\nBox 22 of T4 cannot be negative.")), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("row 2 of Schedule 9 cannot be negative.")), qPrintable(told));
    QCOMPARE(told.count(QLatin1Char('\n')), 2);
    QVERIFY(family->takeLeftOutAmountsText(QStringLiteral("last year's return")).isEmpty());
}

void PriorImportTest::carriedT1MAmount_data()
{
    QTest::addColumn<double>("carried");
    QTest::addColumn<bool>("written");
    QTest::newRow("none") << 0.0 << false;
    QTest::newRow("under a cent") << 0.008 << false;
    QTest::newRow("a cent") << 0.01 << true;
    QTest::newRow("an amount") << 1534.27 << true;
    QTest::newRow("a cent under 20,000") << 19999.99 << true;
    QTest::newRow("under a cent below 20,000") << 19999.995 << false;
    QTest::newRow("exactly 20,000") << 20000.0 << false;
    QTest::newRow("above 20,000") << 25000.0 << false;
}

void PriorImportTest::carriedT1MAmount()
{
    QFETCH(double, carried);
    QFETCH(bool, written);

    CFamilyTaxData last(MULTIPROV_MODE_NEW);
    newTaxpayer(last, MARITAL_SINGLE);
    addForm(*last.taxpayer(), 102)->setFloat("carried_forward_to_next_year", carried);
    QTemporaryDir dir;
    const QString path = writeLastYearFile(last, dir);
    QVERIFY(!path.isEmpty());
    std::unique_ptr<CFamilyTaxData> family = readFile(path);
    QVERIFY(family);

    STRUCT_IMPORT_LASTYEAR_PARAM param;
    family->Build2003DataTo2004(&param);
    QCOMPARE(family->taxpayer()->t1()->getFloat("carryforward_moving_expenses"), written ? carried : 0.0);
}

void PriorImportTest::makeCoupled_data()
{
    QTest::addColumn<int>("taxpayerStatus");
    QTest::addColumn<int>("maritalChoice");
    QTest::addColumn<bool>("spouseReturnInFile");
    QTest::addColumn<int>("status");
    QTest::newRow("single, no choice: common-law") << int(MARITAL_SINGLE) << 0 << false << int(MARITAL_COMMON_LAW);
    QTest::newRow("single, married chosen") << int(MARITAL_SINGLE) << 1 << false << int(MARITAL_MARRIED);
    QTest::newRow("married stays married") << int(MARITAL_MARRIED) << 0 << false << int(MARITAL_MARRIED);
    QTest::newRow("common-law stays common-law") << int(MARITAL_COMMON_LAW) << 1 << false
                                                 << int(MARITAL_COMMON_LAW);
    QTest::newRow("spouse's return converted") << int(MARITAL_SINGLE) << 0 << true << int(MARITAL_COMMON_LAW);
}

void PriorImportTest::makeCoupled()
{
    QFETCH(int, taxpayerStatus);
    QFETCH(int, maritalChoice);
    QFETCH(bool, spouseReturnInFile);
    QFETCH(int, status);

    CFamilyTaxData last(MULTIPROV_MODE_NEW);
    newTaxpayer(last, taxpayerStatus);
    if (spouseReturnInFile) {
        last.spouse()->NewData(PROV_ON, "Cy", "Park", "527000145", QDate(1972, 1, 2), taxpayerStatus, "Ann", "Lee",
                               "046454286", QDate(1970, 3, 4), true);
        last.spouse()->NewSlipData(kT4, -1, 0);
    }
    QTemporaryDir dir;
    const QString path = writeLastYearFile(last, dir);
    QVERIFY(!path.isEmpty());
    std::unique_ptr<CFamilyTaxData> family = readFile(path);
    QVERIFY(family);
    QCOMPARE(family->spouse()->HasForm(FormType::T1), spouseReturnInFile);

    STRUCT_IMPORT_LASTYEAR_PARAM param;
    param.makeCoupled = 1;
    param.maritalChoice = static_cast<unsigned char>(maritalChoice);
    family->Build2003DataTo2004(&param);

    IndividualTaxData& me = *family->taxpayer();
    IndividualTaxData& partner = *family->spouse();
    QCOMPARE(me.GetMaritalStatus(), status);
    QCOMPARE(partner.GetMaritalStatus(), status);
    QVERIFY(me.IsCoupledReturn());
    QVERIFY(partner.IsCoupledReturn());
    QVERIFY(family->IsCoupledReturn());
    for (const IndividualTaxData* person : {&me, &partner})
        for (const STRUCT_FORMDATA_ITEM_2004* item : person->forms())
            QVERIFY2(item->object->isCoupledReturn(), qPrintable(QString::number(item->formType)));

    if (spouseReturnInFile) {
        // The spouse's own return is converted, not replaced: its slips go as the options say.
        QCOMPARE(QByteArray(partner.GetFirstName()), QByteArray("Cy"));
        QVERIFY(partner.slips().empty());
        return;
    }
    // The new spouse return is named from the taxpayer's T1, and names the taxpayer.
    QCOMPARE(QByteArray(partner.GetFirstName()), QByteArray("Bo"));
    QCOMPARE(QByteArray(partner.GetLastName()), QByteArray("Lee"));
    QCOMPARE(QByteArray(partner.GetSIN()), QByteArray("130692544"));
    QCOMPARE(partner.GetDOB(), QDate(1968, 5, 6));
    QCOMPARE(partner.getMainProvince(), me.getMainProvince());
    QCOMPARE(QByteArray(partner.GetSpouseFirstName()), QByteArray("Ann"));
    QCOMPARE(QByteArray(partner.GetSpouseSIN()), QByteArray("046454286"));
    QCOMPARE(partner.GetSpouseDOB(), QDate(1970, 3, 4));
}

QTEST_MAIN(PriorImportTest)
#include "tst_priorimport.moc"

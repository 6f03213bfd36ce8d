// The ".r21" return file: byte layout, version gates, dropped types, the
// password, and files that are damaged or cannot be opened.

#include <memory>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "edition.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "formtypes.h"
#include "itemfactory.h"
#include "modeltestsupport.h"
#include "prompt.h"
#include "returnfile.h"
#include "returnfilebuilder.h"
#include "utils.h"

namespace {

const QString kDamaged = QStringLiteral("The file being opened may be damaged, please verify the data after opening.");
const QString kTooNew = QStringLiteral(
    "The tax return file is prepared by a much later version of Quillmere. Please use the right version of Quillmere "
    "to open the tax return file.");

struct Opened
{
    std::unique_ptr<CFamilyTaxData> family;
    int result = 0;
};

Opened openBytes(const QByteArray& bytes, const QTemporaryDir& dir, const QString& name = "r.r21")
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
    Opened o;
    o.family.reset(CFamilyTaxData::serializeFromFile(CString(path), o.result));
    return o;
}

QList<int> formTypes(const IndividualTaxData* person)
{
    QList<int> types;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person->forms()) types << item->formType;
    return types;
}

} // namespace

class ReturnFileTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { setCurrentEdition(2); }
    void versionGate_data();
    void versionGate();
    void droppedTypes_data();
    void droppedTypes();
    void password_data();
    void password();
    void fileThatCannotBeOpened();
    void everyTruncationIsRefused();
    void absurdCountIsRefused();
    void listsBoundedByWhatAReturnHolds_data();
    void listsBoundedByWhatAReturnHolds();
    void failingTaxpayerBlockStopsReading_data();
    void failingTaxpayerBlockStopsReading();
    void slipWithoutIdentifierGetsTheNext();
    void singleInstanceFormReadIntoTheExistingOne();
    void oldBarcodeSectionIsSkippedToTheMarkers();
    void fewerDependantsAreCompletedNotLost();
    void noProvinceIsDamaged();
    void writtenBytesOfAnEmptyPerson();
    void coupledReturnRoundTrip();
    void everyT1AnswerRoundTrip();
    void damagedBytesNeverCrashTheReader();
    void savedPrivateInTheUsersFolder_data();
    void savedPrivateInTheUsersFolder();
};

void ReturnFileTest::versionGate_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("current") << 66069 << 0 << QString();
    QTest::newRow("older, before passwords") << 66000 << 0 << QString();
    QTest::newRow("oldest layout") << 65700 << 0 << QString();
    QTest::newRow("later version") << 66070 << -1 << kTooNew;
    QTest::newRow("much later") << 70000 << -1 << kTooNew;
    QTest::newRow("upper half 0") << 65535 << -1 << kDamaged;
    QTest::newRow("upper half 2") << 131072 << -1 << kDamaged;
    QTest::newRow("negative") << -66069 << -1 << kDamaged;
}

void ReturnFileTest::versionGate()
{
    QFETCH(int, version);
    QFETCH(int, result);
    QFETCH(QString, message);
    QTemporaryDir dir;
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    Opened o = openBytes(rawFile(ontarioTaxpayer(version)), dir);
    QVERIFY(o.family);
    QCOMPARE(o.result, result);
    if (message.isEmpty()) {
        QVERIFY(prompts.asked().isEmpty());
        QCOMPARE(o.family->taxpayer()->t1()->getString("first_name"), CString("Ann"));
    } else {
        QCOMPARE(prompts.texts(), QStringList({message}));
        QCOMPARE(prompts.titles(), QStringList({"Quillmere 2020"}));
    }
}

void ReturnFileTest::droppedTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("kept");
    QTest::newRow("Schedule 9 kept") << 9 << 2021 << true;
    QTest::newRow("old Schedule 8 dropped") << 8 << 2021 << false;
    QTest::newRow("retired type 100, no class any more") << 100 << 2021 << false;
    QTest::newRow("retired type 141") << 141 << 2021 << false;
    QTest::newRow("type 19 after 2007") << 19 << 2021 << false;
    QTest::newRow("type 22 in 2007: still expired") << 22 << 2007 << false;
    QTest::newRow("expired Family Tax Cut") << 151 << 2021 << false;
}

void ReturnFileTest::droppedTypes()
{
    QFETCH(int, type);
    QFETCH(int, year);
    QFETCH(bool, kept);
    RawPerson p = ontarioTaxpayer();
    p.year = year;
    p.forms << RawItem{type, 120, 0, objectWithString("zz_unknown", "consumed")};
    p.forms << RawItem{11, 121, 0, emptyObject()};   // read on after the dropped one
    QTemporaryDir dir;
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, 0);
    IndividualTaxData* person = o.family->taxpayer();
    QCOMPARE(person->GetCountOfForm(type), kept ? 1 : 0);
    QCOMPARE(person->GetCountOfForm(FormType::Schedule11), 1);
}

void ReturnFileTest::password_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("typed");   // empty: cancelled
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("asked");
    QTest::newRow("same password in other case") << 66069 << "sEcReT" << 0 << true;
    QTest::newRow("wrong password") << 66069 << "secrets" << 112 << true;
    QTest::newRow("cancelled") << 66069 << QString() << 112 << true;
    QTest::newRow("older file: never asked") << 66033 << QString() << 0 << false;
}

void ReturnFileTest::password()
{
    QFETCH(int, version);
    QFETCH(QString, typed);
    QFETCH(int, result);
    QFETCH(bool, asked);
    RawPerson p = ontarioTaxpayer(version);
    p.password = "Secret";
    QTemporaryDir dir;
    Prompt::Scripted prompts;
    if (typed.isEmpty()) prompts.cancel(); else prompts.type(typed);
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, result);
    QCOMPARE(prompts.asked().size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(prompts.titles().at(0), QStringLiteral("Enter password to open file"));
        QVERIFY(prompts.asked().at(0).password);
        QVERIFY(prompts.texts().at(0).startsWith("Please enter the password for this return file\n"));
    } else {
        QVERIFY(o.family->taxpayer()->readPassword().IsEmpty());   // older files lose it
    }
}

void ReturnFileTest::fileThatCannotBeOpened()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.r21"));   // a folder at the path: CI runs as root
    int result = 0;
    std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(dir.filePath("folder.r21")), result));
    QVERIFY(!family);
    QCOMPARE(result, 107);
    family.reset(CFamilyTaxData::serializeFromFile(CString(dir.filePath("missing.r21")), result));
    QVERIFY(!family);
    QCOMPARE(result, 107);
}

void ReturnFileTest::everyTruncationIsRefused()
{
    RawPerson p = ontarioTaxpayer();
    p.forms << RawItem{125, 101, 0, objectWithString("owner_name", "Ann Lee")};
    p.slips << RawItem{1, 102, 0, emptyObject()};
    p.notes << RawItem{0, 1, 0, objectWithString("text", "note")};
    const QByteArray whole = rawFile(p);
    QTemporaryDir dir;
    {
        Opened o = openBytes(whole, dir);
        QCOMPARE(o.result, 0);
    }
    // A file cut anywhere never reads as a whole return.
    for (int length = 0; length < whole.size(); ++length) {
        Prompt::Scripted prompts;
        prompts.press(Prompt::Ok);
        Opened o = openBytes(whole.left(length), dir);
        QVERIFY2(o.result != 0, qPrintable(QString("cut at %1 of %2").arg(length).arg(whole.size())));
    }
}

void ReturnFileTest::absurdCountIsRefused()
{
    RawPerson p = ontarioTaxpayer();
    QByteArray bytes = rawFile(p);
    // The form count follows the next identifier and the province.
    const int at = bytes.indexOf(QByteArray::fromHex("0000006500000009") + QByteArray::fromHex("00000001"));
    QVERIFY(at > 0);
    bytes.replace(at + 8, 4, QByteArray::fromHex("7fffffff"));
    QTemporaryDir dir;
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    Opened o = openBytes(bytes, dir);
    QCOMPARE(o.result, -1);
    QCOMPARE(prompts.texts(), QStringList({kDamaged}));
}

void ReturnFileTest::listsBoundedByWhatAReturnHolds_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("result");
    QTest::newRow("forms at the bound") << "forms" << ReturnFile::kMaxForms << 0;
    QTest::newRow("one form more") << "forms" << ReturnFile::kMaxForms + 1 << -1;
    QTest::newRow("slips at the bound") << "slips" << ReturnFile::kMaxSlips << 0;
    QTest::newRow("one slip more") << "slips" << ReturnFile::kMaxSlips + 1 << -1;
    QTest::newRow("notes at the bound") << "notes" << ReturnFile::kMaxNotes << 0;
    QTest::newRow("one note more") << "notes" << ReturnFile::kMaxNotes + 1 << -1;
}

// Each list holds at most what a real return could; one item more is
// damage, refused at the count, before any item is made for it.
void ReturnFileTest::listsBoundedByWhatAReturnHolds()
{
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(int, result);
    RawPerson p = ontarioTaxpayer();   // its T1 is one of the forms
    for (int i = list == "forms" ? 1 : 0; i < count; ++i) {
        const RawItem item{list == "forms" ? 125 : list == "slips" ? 1 : 0, 200 + i, 0, emptyObject()};
        if (list == "forms") p.forms << item;
        if (list == "slips") p.slips << item;
        if (list == "notes") p.notes << item;
    }
    p.nextId = 200 + count;
    QTemporaryDir dir;
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, result);
    const IndividualTaxData* person = o.family->taxpayer();
    // The repairs after reading may add forms of their own: the T2125s and
    // the T1 are the file's.
    const int read = list == "forms" ? person->GetCountOfForm(125) + person->GetCountOfForm(FormType::T1)
                     : list == "slips" ? int(person->slips().size())
                                       : int(person->notes().size());
    QCOMPARE(read, result == 0 ? count : 0);
    QCOMPARE(prompts.texts(), result == 0 ? QStringList() : QStringList{kDamaged});
}

void ReturnFileTest::failingTaxpayerBlockStopsReading_data()
{
    QTest::addColumn<bool>("slip");
    QTest::addColumn<int>("result");
    QTest::newRow("a slip type without a class") << true << -4;
    QTest::newRow("a provincial form whose library is missing") << false << -3;
}

void ReturnFileTest::failingTaxpayerBlockStopsReading()
{
    QFETCH(bool, slip);
    QFETCH(int, result);
    RawPerson p = ontarioTaxpayer();
    QTemporaryDir empty;
    if (slip) {
        p.slips << RawItem{19, 120, 0, emptyObject()};   // a T5008 is never a slip of the return
    } else {
        int on428 = 0;
        for (int type = 1; type <= MAX_FORM_TYPE; ++type)
            if (Global_Forms_Info[type].province == PROV_ON && (Global_Forms_Info[type].flags & FF_Mandatory)) on428 = type;
        p.forms << RawItem{on428, 121, 0, emptyObject()};
        setProgramLibraryFolder(empty.path());
    }
    // The spouse's block after the failing one must not be read at all.
    RawPerson spouse = ontarioTaxpayer();
    spouse.forms[0].object = objectWithString("first_name", "Bo");
    QTemporaryDir dir;
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    Opened o = openBytes(rawFile(p, spouse), dir);
    setProgramLibraryFolder(QString());
    QCOMPARE(o.result, result);
    QCOMPARE(o.family->spouse()->GetCountOfForm(FormType::T1), 0);
}

void ReturnFileTest::slipWithoutIdentifierGetsTheNext()
{
    RawPerson p = ontarioTaxpayer();
    p.nextId = 300;
    p.slips << RawItem{1, 0, 0, emptyObject()} << RawItem{8, -4, 0, emptyObject()} << RawItem{1, 250, 0, emptyObject()};
    QTemporaryDir dir;
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, 0);
    QList<int> ids;
    for (const STRUCT_SLIPDATA_ITEM_2004* s : o.family->taxpayer()->slips()) ids << s->uniqueId;
    QCOMPARE(ids, QList<int>({300, 301, 250}));
}

void ReturnFileTest::singleInstanceFormReadIntoTheExistingOne()
{
    RawPerson p = ontarioTaxpayer();
    p.forms << RawItem{1, 130, 0, objectWithString("first_name", "Second")};
    p.forms << RawItem{93, 131, 0, objectWithString("full_name", "first summary")};
    p.forms << RawItem{93, 132, 0, objectWithString("full_name", "second summary")};
    QTemporaryDir dir;
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, 0);
    IndividualTaxData* person = o.family->taxpayer();
    QCOMPARE(person->GetCountOfForm(FormType::T1), 1);
    QCOMPARE(person->t1()->getString("first_name"), CString("Second"));
    QCOMPARE(person->GetCountOfForm(FormType::Summary), 1);
    QCOMPARE(person->GetFormData(FormType::Summary, false)->getString("full_name"), CString("first summary"));
}

void ReturnFileTest::oldBarcodeSectionIsSkippedToTheMarkers()
{
    RawPerson p = ontarioTaxpayer(66060);
    // An old layout: a T1 block, a count, then blocks in a layout no longer known.
    QByteArray section;
    {
        MyDataStream s(&section, QIODevice::WriteOnly);
        s << qint32(5);
        s.writeRawData("T1BLK", 5);
        s << qint32(1);
        s.writeRawData("unknown old layout ... -EOD", 27);
    }
    p.barcode = section;
    p.notes << RawItem{0, 7, 0, emptyObject()};
    QTemporaryDir dir;
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, 0);
    QCOMPARE(o.family->taxpayer()->GetNoteData(7, false) != nullptr, true);

    // The current layout: exactly the stored blocks are skipped.
    RawPerson current = ontarioTaxpayer();
    QByteArray blocks;
    {
        MyDataStream s(&blocks, QIODevice::WriteOnly);
        s << qint32(4);
        s.writeRawData("bbbb", 4);   // marker bytes inside a block must not confuse the reader
        s << qint32(2) << qint32(3);
        s.writeRawData("abc", 3);
        s << qint32(0);
    }
    current.barcode = blocks;
    Opened c = openBytes(rawFile(current), dir);
    QCOMPARE(c.result, 0);
}

void ReturnFileTest::fewerDependantsAreCompletedNotLost()
{
    RawPerson p = ontarioTaxpayer();
    QByteArray bytes = rawFile(p, RawPerson{66069, 2021, -100, {}, 100, 0, {}, {}, {}, QByteArray::fromHex("00000000")}, 3);
    QTemporaryDir dir;
    Opened o = openBytes(bytes, dir);
    QCOMPARE(o.result, 0);
    QCOMPARE(o.family->dependants().count(), 12);

    // With a named dependant among the three, the name survives.
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_ON);
    addT1(*family.taxpayer())->setString("first_name", "Ann");
    family.dependants().AllocData(3);
    family.dependants().entry(2)->setFirstName("Kai");
    const QString path = dir.filePath("three.r21");
    QVERIFY(family.saveToFile(CString(path)));
    int result = -9;
    std::unique_ptr<CFamilyTaxData> read(CFamilyTaxData::serializeFromFile(CString(path), result));
    QCOMPARE(result, 0);
    QCOMPARE(read->dependants().count(), 12);
    QCOMPARE(QByteArray(read->dependants().entry(2)->firstName), QByteArray("Kai"));
}

void ReturnFileTest::noProvinceIsDamaged()
{
    RawPerson p = ontarioTaxpayer();
    p.province = 0;
    QTemporaryDir dir;
    Opened o = openBytes(rawFile(p), dir);
    QCOMPARE(o.result, -1);
}

void ReturnFileTest::writtenBytesOfAnEmptyPerson()
{
    // The writer's bytes for a person with no items match the layout exactly.
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.setMainProvince(PROV_ON);
    person.setReadPassword("pw");
    QByteArray bytes;
    MyDataStream out(&bytes, QIODevice::WriteOnly);
    QCOMPARE(person.serialize(2, out), 66069);
    QByteArray expected;
    {
        MyDataStream s(&expected, QIODevice::WriteOnly);
        s << qint32(66069) << qint32(2021) << qint32(0) << qint32(-100);
        s << qint32(2) << qint32(1) << CString("pw") << qint32(2) << CString("5829mqv73046158");
        s << qint32(100) << qint32(9) << qint32(0) << qint32(0) << qint32(0);
        s.writeRawData("bbbbbbbb", 8);
        s << qint32(0);
        s.writeRawData("bbbbbbbb", 8);
    }
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
}

void ReturnFileTest::coupledReturnRoundTrip()
{
    QTemporaryDir dir;
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    IndividualTaxData* taxpayer = family.taxpayer();
    IndividualTaxData* spouse = family.spouse();
    taxpayer->setMainProvince(PROV_ON);
    spouse->setMainProvince(PROV_ON);
    addT1(*taxpayer, MARITAL_MARRIED)->setString("first_name", "Ann");
    addT1(*spouse, MARITAL_MARRIED)->setString("first_name", "Bo");
    // One of every factory type, each with every field set, in the taxpayer's return.
    for (int type = 2; type <= MAX_FORM_TYPE; ++type) {
        std::unique_ptr<CTaxData_Form> probe(AllocFedFormData(type));
        if (!probe || IsFormExpired(type, 0)) continue;
        STRUCT_FORMDATA_ITEM_2004* item = taxpayer->NewFormDataItem(type, -1, true, 0, false);
        QVERIFY(item);
        fillEveryField(*item->object, type);
    }
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type)
        if (STRUCT_SLIPDATA_ITEM_2004* slip = taxpayer->NewSlipData(type, -1, 0)) fillEveryField(*slip->object, type);
    taxpayer->NewNoteData(1)->object->setString("text", "Receipts in the blue folder");
    spouse->NewNoteData(9)->object->setString("title", "Spouse's note");
    // Shared items.
    STRUCT_FORMDATA_ITEM_2004* rental = taxpayer->NewFormDataItem(12, -1, true, 0, false);
    STRUCT_FORMDATA_ITEM_2004* spouseRental = spouse->NewFormDataItem(12, -1, true, rental->uniqueId, false);
    rental->sharedId = spouseRental->uniqueId;
    taxpayer->setReadPassword("Open Sesame");
    spouse->setReadPassword("spouse pw");
    family.dependants().AllocData(12);
    family.dependants().entry(0)->setFirstName("Kai");
    family.settings().setCurrentForm(1, 5, 2);
    // Bring both to the shape a read return takes (the forms every return holds).
    taxpayer->DoSthAfterReading(2);
    spouse->DoSthAfterReading(2);
    // The summary is not first in memory; the file puts it first.
    QVERIFY(formTypes(taxpayer).first() != 93);

    const QString path = dir.filePath("family.r21");
    QVERIFY(family.saveToFile(CString(path)));
    QCOMPARE(formTypes(taxpayer).first(), 93);

    Prompt::Scripted prompts;
    prompts.type("OPEN SESAME");
    int result = -9;
    std::unique_ptr<CFamilyTaxData> read(CFamilyTaxData::serializeFromFile(CString(path), result));
    QCOMPARE(result, 0);
    QCOMPARE(prompts.asked().size(), 1);   // only the taxpayer's password is asked
    QVERIFY(*read == family);
    QVERIFY(read->IsCoupledReturn());
    QCOMPARE(formTypes(read->taxpayer()), formTypes(taxpayer));
    QCOMPARE(formTypes(read->taxpayer()).first(), 93);
    QCOMPARE(read->spouse()->readPassword(), CString("spouse pw"));
    QCOMPARE(read->taxpayer()->peekNextUniqueID(), taxpayer->peekNextUniqueID());
    int side = 0, form = 0, page = 0;
    read->settings().getCurrentForm(side, form, page);
    QCOMPARE(side, 1);
    QCOMPARE(form, 5);
    QCOMPARE(page, 2);
    for (const STRUCT_FORMDATA_ITEM_2004* item : read->taxpayer()->forms())
        QVERIFY(item->object->isCoupledReturn());
}

void ReturnFileTest::damagedBytesNeverCrashTheReader()
{
    // A file damaged anywhere, in any way, gives a result and never a crash
    // or a hang (the sanitizer build runs this too).
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_ON);
    addT1(*family.taxpayer(), MARITAL_MARRIED)->setString("first_name", "Ann");
    family.taxpayer()->NewSlipData(1, -1, 0)->object->setFloat("14", 60000);
    family.taxpayer()->NewFormDataItem(125, -1, true, 0, false)->object->setString("owner_name", "Ann Lee");
    family.taxpayer()->NewNoteData(1)->object->setString("text", "note");
    QTemporaryDir dir;
    const QString path = dir.filePath("whole.r21");
    QVERIFY(family.saveToFile(CString(path)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();

    QRandomGenerator random(20211231);
    Prompt::Scripted prompts;
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = whole;
        const int changes = 1 + random.bounded(4);
        for (int c = 0; c < changes; ++c) {
            const int at = random.bounded(damaged.size());
            damaged[at] = char(random.bounded(256));
        }
        for (int i = 0; i < 3; ++i) prompts.cancel();
        Opened o = openBytes(damaged, dir, "damaged.r21");
        QVERIFY(o.family);
        prompts.clear();
    }
}


void ReturnFileTest::everyT1AnswerRoundTrip()
{
    // The T1's identification answers, supporting amounts and test values
    // that checking and filing read come back from the file as written.
    QTemporaryDir dir;
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    IndividualTaxData* taxpayer = family.taxpayer();
    taxpayer->setMainProvince(PROV_ON);
    TaxData_T1New* t1 = addT1(*taxpayer);
    fillEveryField(*t1, 7);
    t1->setInt("province", PROV_ON);
    t1->setInt("marital_status", MARITAL_SINGLE);
    taxpayer->DoSthAfterReading(2);
    const QString path = dir.filePath("answers.r21");
    QVERIFY(family.saveToFile(CString(path)));
    int result = -9;
    std::unique_ptr<CFamilyTaxData> read(CFamilyTaxData::serializeFromFile(CString(path), result));
    QCOMPARE(result, 0);
    const TaxData_T1New* back = read->taxpayer()->t1();
    QVERIFY(back);
    QStringList differ;
    for (const CField* f : t1->fields().all())
        if (f->Differs(*back->field(f->GetName()))) differ << f->GetName().toQString();
    QVERIFY2(differ.isEmpty(), qPrintable(differ.join(',')));
    for (const char* name : {"netfile_access_code", "first_nation_code", "yukon_settlement_number"})
        QCOMPARE(back->getString(name), t1->getString(name));
    for (const char* name : {"filed_before", "elections_canada_consent", "post_bankrupt", "fishing_t4_slip",
                             "current_province", "test_49000_indicator"})
        QCOMPARE(back->getInt(name), t1->getInt(name));
    for (const char* name : {"67820", "52080", "12900_hbp", "min_llp_repayment", "post_bankrupt_net_income"})
        QCOMPARE(back->getFloat(name), t1->getFloat(name));
    QCOMPARE(back->getDate("date_of_move"), t1->getDate("date_of_move"));
}

QTEST_GUILESS_MAIN(ReturnFileTest)
void ReturnFileTest::savedPrivateInTheUsersFolder_data()
{
    QTest::addColumn<bool>("earlierCopy");
    QTest::newRow("a new file") << false;
    QTest::newRow("over a copy readable by all") << true;
}

// A return saved into a folder the user chose is the user's alone (0600),
// also where it replaces a wider file; the folder stays as the user made it.
void ReturnFileTest::savedPrivateInTheUsersFolder()
{
    QFETCH(bool, earlierCopy);
    QTemporaryDir dir;
    const QFileDevice::Permissions shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(dir.path(), shared));
    const QString path = dir.filePath("family.r21");
    if (earlierCopy) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_ON);
    addT1(*family.taxpayer())->setString("sin", "046454286");
    QVERIFY(family.saveToFile(CString(path)));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(QFileInfo(path).permissions() & (others | QFileDevice::ExeOwner), QFileDevice::Permissions());
    QVERIFY(QFileInfo(path).permissions() & QFileDevice::ReadOwner);
    QCOMPARE(QFileInfo(dir.path()).permissions() & (others | QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner),
             shared);
}

#include "tst_returnfile.moc"

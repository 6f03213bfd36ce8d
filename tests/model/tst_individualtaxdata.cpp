#include <QtTest>

#include "dependantinfo.h"
#include "formtables.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "slips.h"
#include "summaryforms.h"

namespace {

// Records the order a visitor is driven in.
class RecordingVisitor : public CEnumTaxFormObj
{
public:
    explicit RecordingVisitor(int stopAfter = -1) : m_stopAfter(stopAfter) {}
    bool begin(void*) override { m_log << "begin"; return true; }
    bool doWork(STRUCT_FORMDATA_ITEM_2004* item, void*) override
    {
        m_log << QString::number(item->formType);
        return --m_stopAfter != 0;
    }
    bool end(void*) override { m_log << "end"; return false; }
    QStringList m_log;

private:
    int m_stopAfter;
};

} // namespace

class IndividualTaxDataTest : public QObject
{
    Q_OBJECT
private slots:
    void identifiersAreSharedByFormsAndSlips();
    void contactTextsForPrintingAndFiling_data();
    void contactTextsForPrintingAndFiling();
    void basicInfoHandsBackTheEmail();
    void belowOneMeansNextIdentifier();
    void singleInstanceTypePresentTwiceAnswersNone();
    void lookupsByObject();
    void dependantsGoToFormsThatTakeThem();
    void interviewKinds();
    void removalTakesTheRelatedForm_data();
    void removalTakesTheRelatedForm();
    void removingAnotherReturnsFormDoesNothing();
    void softCopyRefusesOtherShapes();
    void softCopyCopiesValues();
    void equalityIgnoresListOrder();
    void equalityNeedsSameIdentifierForMultipleTypes();
    void assignmentCopiesEverythingButThePassword();
    void visitorsWalkInOrderAndStop();
    void coupledFlagReachesEveryForm();
    void fedAmountsAndStrings_data();
    void fedAmountsAndStrings();
    void statusLine();
    void validationCollectsPerItemMessages();
    void validationGathersTheProvincialMessages();
};

void IndividualTaxDataTest::identifiersAreSharedByFormsAndSlips()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    QCOMPARE(person.NewFormDataItem(1, -1, true, 0, false)->uniqueId, 100);
    QCOMPARE(person.NewSlipData(1, 0, 0)->uniqueId, 101);
    QCOMPARE(person.GetFormDataItem(FormType::Schedule9, true)->uniqueId, 102);
    QCOMPARE(person.NewSlipData(8, -5, 0)->uniqueId, 103);
    QCOMPARE(person.GetNextUniqueID(), 104);
    QCOMPARE(person.GetNextUniqueID(), 105);
}

void IndividualTaxDataTest::belowOneMeansNextIdentifier()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    QCOMPARE(person.NewFormDataItem(125, 500, true, 7, false)->uniqueId, 500);
    QCOMPARE(person.peekNextUniqueID(), 100);   // a given identifier takes nothing from the counter
    STRUCT_FORMDATA_ITEM_2004* item = person.NewFormDataItem(125, 0, true, 0, false);
    QCOMPARE(item->uniqueId, 100);
    QCOMPARE(person.GetFormDataItem(FormType::T2125, false), nullptr);   // two of a multiple type: no single one
    QCOMPARE(person.GetFormData(FormType::T2125, 500) != nullptr, true);
    QCOMPARE(person.GetSharedFormID(person.GetFormData(FormType::T2125, 500)), 7);
    // A note keeps exactly the identifier it is given.
    QCOMPARE(person.NewNoteData(-3)->noteId, -3);
    QCOMPARE(person.peekNextUniqueID(), 101);
}

void IndividualTaxDataTest::singleInstanceTypePresentTwiceAnswersNone()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.NewFormDataItem(9, -1, true, 0, false);
    person.NewFormDataItem(9, -1, true, 0, false);
    QCOMPARE(person.GetFormData(FormType::Schedule9, true), nullptr);
    QCOMPARE(person.GetFormDataItem(FormType::Schedule9, true), nullptr);
    QCOMPARE(person.GetCountOfForm(FormType::Schedule9), 2);
    QCOMPARE(person.GetCountOfForm(0), 2);
    // Absent: made once, then found.
    CTaxData_Form* sch11 = person.GetFormData(FormType::Schedule11, true);
    QVERIFY(sch11);
    QCOMPARE(person.GetFormData(FormType::Schedule11, true), sch11);
    QCOMPARE(person.GetCountOfForm(FormType::Schedule11), 1);
    QVERIFY(!person.GetFormData(FormType::Schedule5, false));
}

void IndividualTaxDataTest::lookupsByObject()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    CTaxData_Form* slip = person.GetSlipData(SlipType::T4, 42, true);
    QVERIFY(slip);
    QCOMPARE(person.GetSlipData(SlipType::T4, 42, true), slip);
    QCOMPARE(person.GetSlipID(slip), 42);
    person.SetSharedSlip(slip, 9);
    QCOMPARE(person.GetSharedSlipID(slip), 9);
    TaxData_Slip_T5 stranger;
    QCOMPARE(person.GetSlipID(&stranger), 0);
    person.SetSharedSlip(&stranger, 3);   // not ours: nothing happens
    QCOMPARE(person.GetSharedSlipID(&stranger), 0);
    QVERIFY(!person.GetSlipData(SlipType::T5008, 1, true));   // a T5008 has no slip class
    std::list<STRUCT_SLIPDATA_ITEM_2004*> t4s;
    person.GetSlipDataList(1, t4s);
    QCOMPARE(int(t4s.size()), 1);
    QVERIFY(person.GetNoteData(5, true));
    QCOMPARE(person.GetNoteData(5, false), person.notes().front()->object);
}

void IndividualTaxDataTest::dependantsGoToFormsThatTakeThem()
{
    DependantInfoStruct deps;
    IndividualTaxData person(MULTIPROV_MODE_NEW, &deps);
    QCOMPARE(person.GetFormData(FormType::Schedule5, true)->dependants(), &deps);    // Schedule 5 takes them
    QCOMPARE(person.GetFormData(FormType::Schedule9, true)->dependants(), nullptr);  // Schedule 9 does not
}

void IndividualTaxDataTest::interviewKinds()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.setMainProvince(PROV_ON);
    for (int kind = 1; kind <= 6; ++kind) {
        STRUCT_WIZDATA_ITEM_2004* item = person.NewWizData(kind);
        QVERIFY2(item, qPrintable(QString::number(kind)));
        QCOMPARE(item->object->getItemKind(), FROM_WIZARD);
        QCOMPARE(int(item->object->getType()), kind);
    }
    QVERIFY(!person.NewWizData(7));
    QVERIFY(!person.NewWizData(0));
    QCOMPARE(person.GetWizData(6, false), person.wizards().back()->object);
    person.FreeData();
    QVERIFY(person.wizards().empty());
}

void IndividualTaxDataTest::removalTakesTheRelatedForm_data()
{
    QTest::addColumn<int>("companions");
    QTest::addColumn<int>("left");
    QTest::newRow("companion present once: both go") << 1 << 0;
    QTest::newRow("companion present twice: only the form goes") << 2 << 2;
}

void IndividualTaxDataTest::removalTakesTheRelatedForm()
{
    QFETCH(int, companions);
    QFETCH(int, left);
    IndividualTaxData person(MULTIPROV_MODE_FILE, nullptr);
    person.setMainProvince(PROV_ON);
    const int companion = person.FindExtraFormToBeAdded(3);
    QVERIFY2(companion > 0, "Ontario's library names Schedule 2's companion");
    QCOMPARE(getFormProv(companion), int(PROV_ON));
    CTaxData_Form* sch2 = person.GetFormData(FormType::Schedule2, true);
    for (int i = 0; i < companions; ++i) QVERIFY(person.NewFormDataItem(companion, -1, true, 0, false));
    person.RemoveFormData(sch2, true);
    QCOMPARE(person.GetCountOfForm(FormType::Schedule2), 0);
    QCOMPARE(person.GetCountOfForm(companion), left);
}

void IndividualTaxDataTest::removingAnotherReturnsFormDoesNothing()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    IndividualTaxData other(MULTIPROV_MODE_NEW, nullptr);
    CTaxData_Form* theirs = other.GetFormData(FormType::Schedule9, true);
    person.GetFormData(FormType::Schedule9, true);
    person.RemoveFormData(theirs, true);
    QCOMPARE(other.GetFormData(FormType::Schedule9, false), theirs);
    QCOMPARE(person.GetCountOfForm(FormType::Schedule9), 1);
    person.RemoveFormData(nullptr, true);
    person.RemoveSlipData(nullptr);
}

void IndividualTaxDataTest::softCopyRefusesOtherShapes()
{
    IndividualTaxData mine(MULTIPROV_MODE_NEW, nullptr), theirs(MULTIPROV_MODE_NEW, nullptr);
    addT1(mine)->setString("first_name", "Mine");
    addT1(theirs)->setString("first_name", "Theirs");
    theirs.NewSlipData(1, -1, 0);
    theirs.setFileVersion(66000);
    QVERIFY(!mine.softCopy(theirs));
    QCOMPARE(mine.t1()->getString("first_name"), CString("Mine"));   // nothing copied
    QCOMPARE(mine.fileVersion(), 66000);                              // but version and counter taken
    QCOMPARE(mine.peekNextUniqueID(), theirs.peekNextUniqueID());

    // Same counts, another form type in the same place.
    IndividualTaxData otherType(MULTIPROV_MODE_NEW, nullptr);
    otherType.NewFormDataItem(9, -1, true, 0, false);
    IndividualTaxData single(MULTIPROV_MODE_NEW, nullptr);
    addT1(single)->setString("first_name", "Single");
    QVERIFY(!single.softCopy(otherType));
    QCOMPARE(single.t1()->getString("first_name"), CString("Single"));
}

void IndividualTaxDataTest::softCopyCopiesValues()
{
    IndividualTaxData mine(MULTIPROV_MODE_NEW, nullptr), theirs(MULTIPROV_MODE_NEW, nullptr);
    addT1(mine);
    mine.NewSlipData(1, -1, 0);
    addT1(theirs)->setString("first_name", "Theirs");
    theirs.NewSlipData(1, -1, 0)->object->setFloat("14", 50000);
    QVERIFY(mine.softCopy(theirs));
    QCOMPARE(mine.t1()->getString("first_name"), CString("Theirs"));
    QCOMPARE(mine.slips().front()->object->getFloat("14"), 50000.0);
}

void IndividualTaxDataTest::equalityIgnoresListOrder()
{
    IndividualTaxData a(MULTIPROV_MODE_NEW, nullptr), b(MULTIPROV_MODE_NEW, nullptr);
    addT1(a)->setString("first_name", "Ann");
    a.GetFormData(FormType::Schedule9, true)->setFloat("34000", 100);
    a.NewSlipData(1, 200, 0)->object->setFloat("14", 1000);
    a.NewSlipData(1, 201, 0)->object->setFloat("14", 2000);

    b.GetFormData(FormType::Schedule9, true)->setFloat("34000", 100);
    addT1(b)->setString("first_name", "Ann");
    b.NewSlipData(1, 201, 0)->object->setFloat("14", 2000);
    b.NewSlipData(1, 200, 0)->object->setFloat("14", 1000);
    QVERIFY(a == b);
    QVERIFY(!(a != b));

    b.slips().front()->object->setFloat("14", 2000.01);
    QVERIFY(a != b);
}

void IndividualTaxDataTest::equalityNeedsSameIdentifierForMultipleTypes()
{
    IndividualTaxData a(MULTIPROV_MODE_NEW, nullptr), b(MULTIPROV_MODE_NEW, nullptr);
    a.NewFormDataItem(125, 300, true, 0, false);
    b.NewFormDataItem(125, 301, true, 0, false);
    QVERIFY(a != b);
    IndividualTaxData c(MULTIPROV_MODE_NEW, nullptr), d(MULTIPROV_MODE_NEW, nullptr);
    c.NewFormDataItem(9, 300, true, 0, false);
    d.NewFormDataItem(9, 301, true, 0, false);   // a single-instance type matches by type alone
    QVERIFY(c == d);
}

void IndividualTaxDataTest::assignmentCopiesEverythingButThePassword()
{
    IndividualTaxData source(MULTIPROV_MODE_NEW, nullptr);
    source.setMainProvince(PROV_BC);
    addT1(source)->setString("last_name", "Lee");
    source.NewFormDataItem(125, 150, true, 160, false)->object->setFloat("8299", 5000);
    source.NewSlipData(8, 170, 180);
    source.NewNoteData(3)->object->setString("text", "Receipts in the blue folder");
    source.NewWizData(1);
    source.setReadPassword("secret");
    source.setTaxYear(2020);

    IndividualTaxData copy(MULTIPROV_MODE_NEW, nullptr);
    copy.setReadPassword("mine");
    copy = source;
    QVERIFY(copy == source);
    QCOMPARE(copy.getMainProvince(), int(PROV_BC));
    QCOMPARE(copy.peekNextUniqueID(), source.peekNextUniqueID());
    QCOMPARE(copy.forms().back()->uniqueId, 150);
    QCOMPARE(copy.forms().back()->sharedId, 160);
    QCOMPARE(copy.slips().front()->sharedId, 180);
    QCOMPARE(copy.notes().front()->object->getString("text"), CString("Receipts in the blue folder"));
    QCOMPARE(int(copy.wizards().size()), 1);
    QCOMPARE(copy.readPassword(), CString("mine"));
    QCOMPARE(copy.taxYear(), 2021);
    // The objects are copies, not shared.
    QVERIFY(copy.forms().front()->object != source.forms().front()->object);
}

void IndividualTaxDataTest::visitorsWalkInOrderAndStop()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    for (int type : {93, 1, 9, 11}) person.NewFormDataItem(type, -1, true, 0, false);
    RecordingVisitor all;
    QCOMPARE(person.EnumTaxForms(&all, nullptr), false);   // end's answer is returned
    QCOMPARE(all.m_log, QStringList({"begin", "93", "1", "9", "11", "end"}));
    RecordingVisitor two(2);
    person.EnumTaxForms(&two, nullptr);
    QCOMPARE(two.m_log, QStringList({"begin", "93", "1", "end"}));
}

void IndividualTaxDataTest::coupledFlagReachesEveryForm()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    for (int type : {1, 9, 125}) person.NewFormDataItem(type, -1, true, 0, false);
    CSetCoupledFlagObj setter;
    bool on = true;
    person.EnumTaxForms(&setter, &on);
    QCOMPARE(setter.count(), 3);
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) QVERIFY(item->object->isCoupledReturn());
    person.SetCoupledReturn(false);
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) QVERIFY(!item->object->isCoupledReturn());
    person.SetCoupledReturn(true);
    QVERIFY(person.NewFormDataItem(6, -1, true, 0, false)->object->isCoupledReturn());   // new forms follow
}

void IndividualTaxDataTest::fedAmountsAndStrings_data()
{
    QTest::addColumn<double>("refund");
    QTest::addColumn<double>("owing");
    QTest::addColumn<double>("result");
    QTest::newRow("refund") << 812.40 << 0.0 << -812.40;
    QTest::newRow("balance due") << 0.0 << 1200.0 << 1200.0;
    QTest::newRow("half a cent owing is a refund") << 0.0 << 0.005 << -0.0;
}

void IndividualTaxDataTest::fedAmountsAndStrings()
{
    QFETCH(double, refund);
    QFETCH(double, owing);
    QFETCH(double, result);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setString("first_name", "Ann Marie");
    t1->setString("last_name", "Lee");
    t1->setFloat("48400", refund);
    t1->setFloat("48500", owing);
    t1->setFloat("15000", 60000);
    double value = 0;
    QVERIFY(person.getFedAmountClaimed(483, value));
    QCOMPARE(value, result);
    QVERIFY(person.getFedAmountClaimed(150, value));
    QCOMPARE(value, 60000.0);
    QVERIFY(!person.getFedAmountClaimed(367, value));   // nothing claimed on line 30500
    t1->setFloat("30500", 2295);
    QVERIFY(person.getFedAmountClaimed(367, value));
    QVERIFY(!person.getFedAmountClaimed(999, value));
    CString text;
    QVERIFY(person.getFedStringClaimed(17, text));
    QCOMPARE(text, CString("Ann Marie Lee"));
    QVERIFY(!person.getFedStringClaimed(2, text));
}

void IndividualTaxDataTest::contactTextsForPrintingAndFiling_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("expected");
    // Printing takes 15, or 16 when 15 is empty: the T1 keeps one address.
    QTest::newRow("15 the e-mail address") << 15 << "ann@example.ca";
    QTest::newRow("16 empty") << 16 << "";
    QTest::newRow("19 the telephone") << 19 << "613-555-0100";
    QTest::newRow("1 the S.I.N.") << 1 << "046454286";
}

void IndividualTaxDataTest::contactTextsForPrintingAndFiling()
{
    QFETCH(int, item);
    QFETCH(QString, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setString("email", "ann@example.ca");
    t1->setString("home_phone", "613-555-0100");
    t1->setString("initial", "M");
    t1->setString("mailing_address", "12 Main St");
    t1->setString("sin", "046454286");
    CString text("untouched");
    QVERIFY(person.getFedStringClaimed(item, text));
    QCOMPARE(text.toQString(), expected);
}

void IndividualTaxDataTest::basicInfoHandsBackTheEmail()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setString("first_name", "Ann Marie");
    t1->setString("initial", "M");
    t1->setString("email", "ann@example.ca");
    CString sin, given, second, family, email;
    QDate birth;
    double amount = 0;
    person.GetPersonalBasicInfo(sin, given, second, family, email, birth, amount);
    QCOMPARE(given, CString("Ann"));
    QCOMPARE(second, CString("Marie"));
    QCOMPARE(email, CString("ann@example.ca"));
}

void IndividualTaxDataTest::statusLine()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    QCOMPARE(person.GetReturnStatusString(0), CString("No tax return is opened."));
    TaxData_T1New* t1 = addT1(person);
    t1->setFloat("15000", 60000);
    t1->setFloat("23600", 55000);
    t1->setFloat("26000", 55000);
    t1->setFloat("48400", 1234.5);
    QCOMPARE(person.GetReturnStatusString(0),
             CString("[Total Income]=60000.00 [Net Income]=55000.00 [Taxable Income]=55000.00 [Refund]=1234.50"));
    t1->setString("first_name", "Ann");
    QCOMPARE(person.GetNetfileNameWithoutSuffix(), CString("Ann_unknown"));
}

void IndividualTaxDataTest::validationCollectsPerItemMessages()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    // A T1 without identification speaks for itself, as a form item.
    QCOMPARE(person.Validate(2, items), 1);
    QCOMPARE(int(items.size()), 1);
    QCOMPARE(items.front()->kind, int(_STRUCT_FORM_VALIDATE_INFO::Form));
    QCOMPARE(items.front()->type, 1);
    QVERIFY(!items.front()->messages.empty());
    delete items.front();
}

void IndividualTaxDataTest::validationGathersTheProvincialMessages()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.setMainProvince(PROV_ON);
    TaxData_T1New* t1 = addT1(person);
    t1->setInt("province", PROV_ON);
    int on428 = 0;
    for (int type = 1; type <= MAX_FORM_TYPE && !on428; ++type)
        if (Global_Forms_Info[type].province == PROV_ON && (Global_Forms_Info[type].flags & FF_Mandatory)) on428 = type;
    QVERIFY(on428 > 0);
    person.GetFormData(on428, true)->setFloat("unused_tuition_carried_forward", -5);
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items{nullptr};   // entries already there are kept
    // The list's size afterwards: the entry there before, the T1's own
    // (no identification), the ON428's own (its amount cannot be negative)
    // and the return's.
    QCOMPARE(person.Validate(2, items), 4);
    QCOMPARE(int(items.size()), 4);
    QVERIFY(items.front() == nullptr);
    delete *std::next(items.begin());
    const _STRUCT_FORM_VALIDATE_INFO* own428 = *std::next(items.begin(), 2);
    QCOMPARE(own428->type, on428);
    QCOMPARE(int(own428->messages.size()), 1);
    QVERIFY(own428->messages.front().toQString().endsWith(QLatin1String("cannot be negative.")));
    delete own428;
    const _STRUCT_FORM_VALIDATE_INFO* entry = items.back();
    QCOMPARE(int(entry->kind), int(_STRUCT_FORM_VALIDATE_INFO::Return));
    QCOMPARE(int(entry->messages.size()), 1);
    QVERIFY(entry->messages.front().Left(6) == CString("ON428:"));
    delete entry;
}

QTEST_GUILESS_MAIN(IndividualTaxDataTest)
#include "tst_individualtaxdata.moc"

// A couple's returns checked against each other, and the reasons a form
// should not be added: the checks in their order, their limits, and the
// returns that lack their one T1.

#include <QtTest>

#include "familytaxdata.h"
#include "formtypes.h"
#include "validatetestsupport.h"

namespace {

const char* const kWidowed =
    "If you are widowed in the tax year, please check the box under marital status to indicate marital status changed "
    "in the tax year, so spouse related amount can be filed.";
const char* const kUccbBySpouse = "UCCB must be claimed by your spouse because your spouse has lower net income.";
const char* const kUccbByYou = "UCCB must be claimed by you because you have lower net income.";
const char* const kBothSpouseAmount = "Both spouses claimed spouse amount in schedule 5, only one should claim it.";
const char* const kBoth30500 = "You and your spouse can NOT claim the amount at field 30500 at the same time.";
const char* const kAdoption = "The total of field 31300 (adoption) for child 1 in both returns is more than $16729.00.";
const char* const kHomeBuyers = "The total of Home Buyer's Amount in field 31270 in both returns is more than $5,000.";
const char* const kTuition =
    "To claim an amount in field 36000 of Schedule 2, there has to be an even larger amount in field 32700 of spouse "
    "Schedule 11.";
const char* const kBasicCwb =
    "Only one person between Married or Common-law couple can claim basic CWB benefit in schedule 6.";
const char* const kT778 = "One tax return should claim it has higher net income in form T778 for child care expenses.";
const char* const kT1032 = "Please make sure form T1032 (Election to Split Pension) is presented in both coupled returns.";

const char* const kSpouseTransfer =
    "'Amount transferred from spouse' cannot be claimed because the marital status is not married or living with "
    "common-law partner.\n\nHowever, if the marital status changed during the tax year, spouse-transferring amount can "
    "still be claimed. Please first check the checkbox on page 1 of form T1 to claim the marital status change.";
const char* const kT5013 =
    "Quillmere has two types of T5013 (slip or form) to report Partnership Income. This T5013 form will generate "
    "Selected Financial Data record in your NETFILE. If you just want to report partnership income in line 122 of T1, "
    "please add T5013 slip from tax slips .\n\nDo you want to continue?";
const char* const kT1032Single = "If tax payer is not married or common-law, T1032 cannot be added to tax return.";

// A married couple, each with a complete T1.
struct Couple
{
    ValidationFixture own, spouse;
    Couple()
    {
        own.setT1("marital_status", MARITAL_MARRIED);
        spouse.setT1("marital_status", MARITAL_MARRIED);
    }
};

using CoupleSetup = void (*)(Couple&);

QStringList coupledMessages(IndividualTaxData& own, IndividualTaxData* spouse)
{
    std::list<CString> messages;
    const int size = own.ValidateWithCoupled(0, messages, spouse);
    QStringList out;
    for (const CString& m : messages) out << m.toQString();
    if (size != int(messages.size())) out << QStringLiteral("size answered: %1").arg(size);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(CoupleSetup)

class CoupledChecksTest : public QObject
{
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void returnWithoutItsOneT1IsNotCompared_data();
    void returnWithoutItsOneT1IsNotCompared();
    void familyComparesEitherSide();
    void formAddingRules_data();
    void formAddingRules();
};

void CoupledChecksTest::checksInOrder_data()
{
    QTest::addColumn<CoupleSetup>("setup");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing to say") << CoupleSetup([](Couple&) {}) << QStringList();
    QTest::newRow("widowed, mark on neither side: once") << CoupleSetup([](Couple& c) {
        c.own.setT1("marital_status", MARITAL_WIDOWED);
        c.spouse.setT1("marital_status", MARITAL_WIDOWED);
    }) << QStringList{kWidowed};
    QTest::newRow("widowed in the year: marked") << CoupleSetup([](Couple& c) {
        c.spouse.setT1("marital_status", MARITAL_WIDOWED);
        c.spouse.t1->setDate("date_of_marital_change", QDate(2021, 6, 1));
    }) << QStringList();
    QTest::newRow("UCCB received by the higher income") << CoupleSetup([](Couple& c) {
        c.own.setT1("23600", 50000);
        c.own.setT1("11700", 1000);
        c.spouse.setT1("23600", 20000);
    }) << QStringList{kUccbBySpouse};
    QTest::newRow("UCCB received by the lower income") << CoupleSetup([](Couple& c) {
        c.own.setT1("23600", 20000);
        c.own.setT1("11700", 1000);
        c.spouse.setT1("23600", 50000);
    }) << QStringList();
    QTest::newRow("UCCB left to the higher-income spouse") << CoupleSetup([](Couple& c) {
        c.own.setT1("23600", 20000);
        c.own.setT1("spouse_uccb", 1000);
        c.spouse.setT1("23600", 50000);
    }) << QStringList{kUccbByYou};
    QTest::newRow("UCCB received and left to the spouse: the received branch only") << CoupleSetup([](Couple& c) {
        c.own.setT1("23600", 20000);
        c.own.setT1("11700", 1000);
        c.own.setT1("spouse_uccb", 1000);
        c.spouse.setT1("23600", 50000);
    }) << QStringList();
    QTest::newRow("both claim the spouse amount and line 30500") << CoupleSetup([](Couple& c) {
        for (ValidationFixture* f : {&c.own, &c.spouse}) {
            f->setT1("30300", 100);
            f->setT1("30500", 100);
        }
    }) << QStringList{kBothSpouseAmount, kBoth30500};
    QTest::newRow("adoption 10000 and 6729: at the limit") << CoupleSetup([](Couple& c) {
        c.own.setT1("31300", 10000);
        c.spouse.setT1("31300", 6729);
    }) << QStringList();
    QTest::newRow("adoption 0.01 over the limit") << CoupleSetup([](Couple& c) {
        c.own.setT1("31300", 10000);
        c.spouse.setT1("31300", 6729.01);
    }) << QStringList{kAdoption};
    QTest::newRow("home buyers' amounts 0.01 over $5,000") << CoupleSetup([](Couple& c) {
        c.own.setT1("31270", 3000);
        c.spouse.setT1("31270", 2000.01);
    }) << QStringList{kHomeBuyers};
    QTest::newRow("tuition transfer without the spouse's Schedule 11") << CoupleSetup([](Couple& c) {
        c.own.set(c.own.add(FormType::Schedule2), "36000", 500);
    }) << QStringList{kTuition};
    QTest::newRow("tuition transfer larger than the spouse's") << CoupleSetup([](Couple& c) {
        c.own.set(c.own.add(FormType::Schedule2), "36000", 500);
        c.spouse.set(c.spouse.add(FormType::Schedule11), "32700", 499.99);
    }) << QStringList{kTuition};
    QTest::newRow("tuition transfer covered by the spouse's") << CoupleSetup([](Couple& c) {
        c.own.set(c.own.add(FormType::Schedule2), "36000", 500);
        c.spouse.set(c.spouse.add(FormType::Schedule11), "32700", 500);
    }) << QStringList();
    QTest::newRow("both claim the basic CWB") << CoupleSetup([](Couple& c) {
        c.own.set(c.own.add(FormType::Schedule6), "claim_basic", 1);
        c.spouse.set(c.spouse.add(FormType::Schedule6), "claim_basic", 1);
    }) << QStringList{kBasicCwb};
    QTest::newRow("one claims the basic CWB") << CoupleSetup([](Couple& c) {
        c.own.set(c.own.add(FormType::Schedule6), "claim_basic", 1);
        c.spouse.add(FormType::Schedule6);
    }) << QStringList();
    QTest::newRow("T778 higher-income box alike on both") << CoupleSetup([](Couple& c) {
        c.own.add(FormType::T778);
        c.spouse.add(FormType::T778);
    }) << QStringList{kT778};
    QTest::newRow("T778 higher-income box on one side") << CoupleSetup([](Couple& c) {
        c.own.set(c.own.add(FormType::T778), "is_higher_net_income", 1);
        c.spouse.add(FormType::T778);
    }) << QStringList();
    QTest::newRow("T1032 in one return only") << CoupleSetup([](Couple& c) { c.own.add(FormType::T1032); })
                                              << QStringList{kT1032};
    QTest::newRow("two T1032s against none: none and none") << CoupleSetup([](Couple& c) {
        c.own.add(FormType::T1032);
        c.own.add(FormType::T1032);
    }) << QStringList();
}

void CoupledChecksTest::checksInOrder()
{
    QFETCH(CoupleSetup, setup);
    QFETCH(QStringList, expected);
    Couple c;
    setup(c);
    QVERIFY2(c.own.unknownFields.isEmpty() && c.spouse.unknownFields.isEmpty(),
             qPrintable((c.own.unknownFields + c.spouse.unknownFields).join(',')));
    QCOMPARE(coupledMessages(c.own.person, &c.spouse.person), expected);
}

void CoupledChecksTest::returnWithoutItsOneT1IsNotCompared_data()
{
    QTest::addColumn<bool>("ownSide");
    QTest::addColumn<bool>("removeT1");   // else a second T1
    QTest::newRow("own return without a T1") << true << true;
    QTest::newRow("own return with two T1s") << true << false;
    QTest::newRow("spouse's return without a T1") << false << true;
    QTest::newRow("spouse's return with two T1s") << false << false;
}

void CoupledChecksTest::returnWithoutItsOneT1IsNotCompared()
{
    QFETCH(bool, ownSide);
    QFETCH(bool, removeT1);
    Couple c;
    for (ValidationFixture* f : {&c.own, &c.spouse}) f->setT1("30500", 100);   // would be a message
    ValidationFixture& broken = ownSide ? c.own : c.spouse;
    if (removeT1) {
        broken.person.RemoveFormData(broken.t1, true);
        broken.t1 = nullptr;
    } else {
        broken.add(FormType::T1);
    }
    std::list<CString> messages{CString("earlier")};
    QCOMPARE(c.own.person.ValidateWithCoupled(0, messages, &c.spouse.person), 1);
    QCOMPARE(int(messages.size()), 1);
    QCOMPARE(c.own.person.ValidateWithCoupled(0, messages, nullptr), 1);
}

void CoupledChecksTest::familyComparesEitherSide()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_ON);
    family.spouse()->setMainProvince(PROV_ON);
    std::list<CString> messages;
    QCOMPARE(family.ValidateWithCoupled(0, messages, false), 0);   // no spouse's return
    QVERIFY(messages.empty());

    auto* mine = dynamic_cast<TaxData_T1New*>(family.taxpayer()->NewFormDataItem(1, -1, true, 0, false)->object);
    auto* theirs = dynamic_cast<TaxData_T1New*>(family.spouse()->NewFormDataItem(1, -1, true, 0, false)->object);
    for (TaxData_T1New* t1 : {mine, theirs}) t1->setInt("marital_status", MARITAL_MARRIED);
    mine->setFloat("23600", 50000);
    mine->setFloat("11700", 1000);   // the taxpayer should leave the UCCB to the spouse
    theirs->setFloat("23600", 20000);
    QCOMPARE(family.ValidateWithCoupled(0, messages, false), 1);
    QCOMPARE(messages.front().toQString(), QString::fromLatin1(kUccbBySpouse));
    messages.clear();
    QCOMPARE(family.ValidateWithCoupled(0, messages, true), 0);   // the spouse received none
}

void CoupledChecksTest::formAddingRules_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<QStringList>("expected");
    for (int type : {3, 26, 43, 47, 64, 68, 72, 76, 79, 82, 90}) {
        QTest::addRow("type %d single", type) << type << int(MARITAL_SINGLE) << QStringList{kSpouseTransfer};
        QTest::addRow("type %d married", type) << type << int(MARITAL_MARRIED) << QStringList();
    }
    QTest::newRow("T5013 form single") << 38 << int(MARITAL_SINGLE) << QStringList{kT5013};
    QTest::newRow("T5013 form married") << 38 << int(MARITAL_MARRIED) << QStringList{kT5013};
    QTest::newRow("T1032 single") << 118 << int(MARITAL_SINGLE) << QStringList{kT1032Single};
    QTest::newRow("T1032 common-law") << 118 << int(MARITAL_COMMON_LAW) << QStringList();
    QTest::newRow("Schedule 3 single") << 4 << int(MARITAL_SINGLE) << QStringList();
}

void CoupledChecksTest::formAddingRules()
{
    QFETCH(int, type);
    QFETCH(int, maritalStatus);
    QFETCH(QStringList, expected);
    ValidationFixture f;
    f.setT1("marital_status", maritalStatus);
    std::list<CString> messages;
    f.person.CanAddNewForm(type, messages);
    QStringList out;
    for (const CString& m : messages) out << m.toQString();
    QCOMPARE(out, expected);
}

QTEST_MAIN(CoupledChecksTest)
#include "tst_coupledchecks.moc"

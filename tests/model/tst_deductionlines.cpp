// Lines worked out from what the return holds instead of being typed: the
// foreign pension plans' deductions, line 25300's cap and the T778's spouse.

#include <QtTest>

#include "deductionlines.h"
#include "formtypes.h"
#include "modeltestsupport.h"

namespace {

CTaxData_Form* addForm(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    STRUCT_FORMDATA_ITEM_2004* item = person.NewFormDataItem(type, -1, true, 0, false);
    return item ? item->object : nullptr;
}

} // namespace

class DeductionLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void foreignPlansShareTheRrspRoom_data();
    void foreignPlansShareTheRrspRoom();
    void netCapitalLossesCappedAtTheGains_data();
    void netCapitalLossesCappedAtTheGains();
    void t778SpouseFromTheT1();
};

void DeductionLinesTest::foreignPlansShareTheRrspRoom_data()
{
    QTest::addColumn<double>("limit");          // the T1's 2021 deduction limit (no Schedule 7)
    QTest::addColumn<double>("rrspDeducted");   // line 20800 typed on the T1
    QTest::addColumn<double>("rc267");
    QTest::addColumn<double>("rc269");
    QTest::addColumn<double>("deduction267");
    QTest::addColumn<double>("deduction269");
    QTest::newRow("room for both") << 10000.0 << 0.0 << 3000.0 << 2000.0 << 3000.0 << 2000.0;
    QTest::newRow("the second form gets what the first leaves") << 4000.0 << 0.0 << 3000.0 << 2000.0 << 3000.0
                                                               << 1000.0;
    QTest::newRow("the RRSP deduction uses the room first") << 4000.0 << 3500.0 << 3000.0 << 2000.0 << 500.0 << 0.0;
    QTest::newRow("no limit, no deduction") << 0.0 << 0.0 << 3000.0 << 2000.0 << 0.0 << 0.0;
    QTest::newRow("a negative amount deducts nothing") << 5000.0 << 0.0 << -300.0 << 2000.0 << 0.0 << 2000.0;
}

void DeductionLinesTest::foreignPlansShareTheRrspRoom()
{
    QFETCH(double, limit);
    QFETCH(double, rrspDeducted);
    QFETCH(double, rc267);
    QFETCH(double, rc269);
    QFETCH(double, deduction267);
    QFETCH(double, deduction269);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setFloat("carryforward_rrsp_deduction_limit", limit);
    t1->setFloat("20800", rrspDeducted);
    t1->setFloat("20700", 1200);   // the T4 slips' box 20, as step 1 leaves it
    CTaxData_Form* first = addForm(person, FormType::RC267);
    CTaxData_Form* second = addForm(person, FormType::RC269);
    first->setFloat("contributions", rc267);
    second->setFloat("contributions", rc269);
    // Run twice, as the calculation does: nothing is added twice.
    for (int pass = 0; pass < 2; ++pass) {
        applyForeignPlanDeductions(person, *t1);
        QCOMPARE(first->getFloat("deduction"), deduction267);
        QCOMPARE(second->getFloat("deduction"), deduction269);
        QCOMPARE(t1->getFloat("20700_foreign_plans"), deduction267 + deduction269);
        QCOMPARE(t1->getFloat("20700"), 1200 + deduction267 + deduction269);
    }
}

void DeductionLinesTest::netCapitalLossesCappedAtTheGains_data()
{
    QTest::addColumn<double>("claimed");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("line25300");
    QTest::addColumn<QString>("note");
    QTest::newRow("within the gains") << 500.0 << 650.0 << 500.0 << QString();
    QTest::newRow("exactly the gains") << 650.0 << 650.0 << 650.0 << QString();
    QTest::newRow("above the gains: cut")
        << 2500.0 << 650.0 << 650.0
        << QStringLiteral("Your claim of $2,500.00 is cut to $650.00, your taxable capital gains of 2021 (line 12700): "
                          "net capital losses of other years are deducted only from taxable capital gains. What is "
                          "not deducted stays available for later years.");
    QTest::newRow("a net capital loss this year: nothing")
        << 800.0 << -300.0 << 0.0
        << QStringLiteral("Your claim of $800.00 is cut to $0.00, your taxable capital gains of 2021 (line 12700): "
                          "net capital losses of other years are deducted only from taxable capital gains. What is "
                          "not deducted stays available for later years.");
    QTest::newRow("nothing claimed") << 0.0 << 650.0 << 0.0 << QString();
}

void DeductionLinesTest::netCapitalLossesCappedAtTheGains()
{
    QFETCH(double, claimed);
    QFETCH(double, gains);
    QFETCH(double, line25300);
    QFETCH(QString, note);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setFloat("25300_claimed", claimed);
    t1->setFloat("12700", gains);
    applyNetCapitalLosses(*t1);
    QCOMPARE(t1->getFloat("25300"), line25300);
    QCOMPARE(t1->getString("25300_note").toQString(), note);
    // The claim stays as typed; a later gain lets more of it count.
    QCOMPARE(t1->getFloat("25300_claimed"), claimed);
}

void DeductionLinesTest::t778SpouseFromTheT1()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person, MARITAL_MARRIED);
    t1->setString("spouse_first_name", "Tomasz");
    t1->setString("spouse_last_name", "Kowalski");
    t1->setString("spouse_sin", "130692544");
    t1->setFloat("spouse_net_income", 41250.75);
    CTaxData_Form* t778 = addForm(person, FormType::T778);
    fillT778Spouse(*t1, *t778);
    QCOMPARE(t778->getString("spouse_name"), CString("Tomasz Kowalski"));
    QCOMPARE(t778->getString("spouse_sin"), CString("130692544"));
    QCOMPARE(t778->getFloat("spouse_net_income"), 41250.75);

    // Single again: no spouse's income; what was typed stays.
    t1->setInt("marital_status", MARITAL_SINGLE);
    fillT778Spouse(*t1, *t778);
    QCOMPARE(t778->getFloat("spouse_net_income"), 0.0);
    QCOMPARE(t778->getString("spouse_name"), CString("Tomasz Kowalski"));
}

QTEST_GUILESS_MAIN(DeductionLinesTest)
#include "tst_deductionlines.moc"

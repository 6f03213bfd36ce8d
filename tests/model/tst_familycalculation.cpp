// The family calculation driver: the order its steps, exchanges and summary
// refreshes run in, and what crosses between the spouses.

#include <QtTest>

#include "calculationobserver.h"
#include "familytaxdata.h"
#include "formtypes.h"
#include "modeltestsupport.h"

namespace {

// Writes down every call, as "T2 fi0 ct5 sp0" (person, step, flags), "X3"
// (exchange after step 3) or "S T cur1" (summary refresh).
class Recorder : public CalculationObserver
{
public:
    explicit Recorder(const CFamilyTaxData& family) : m_family(family) { setCalculationObserver(this); }
    ~Recorder() override { setCalculationObserver(nullptr); }
    void stepRun(const IndividualTaxData& p, int step, bool fromInterview, int changedType, bool isSpouse) override
    {
        log << QStringLiteral("%1%2 fi%3 ct%4 sp%5").arg(who(p)).arg(step).arg(int(fromInterview)).arg(changedType).arg(int(isSpouse));
    }
    void exchanged(int step) override { log << QStringLiteral("X%1").arg(step); }
    void summaryUpdated(const IndividualTaxData& p, bool isCurrent) override
    {
        log << QStringLiteral("S %1 cur%2").arg(who(p)).arg(int(isCurrent));
    }
    QStringList log;

private:
    QString who(const IndividualTaxData& p) const { return &p == m_family.taxpayer() ? "T" : "P"; }
    const CFamilyTaxData& m_family;
};

struct Family
{
    explicit Family(bool coupled) : data(MULTIPROV_MODE_NEW)
    {
        data.taxpayer()->setMainProvince(PROV_ON);
        t = addT1(*data.taxpayer(), coupled ? MARITAL_MARRIED : MARITAL_SINGLE);
        t->setString("first_name", "Ann");
        t->setString("last_name", "Lee");
        t->setString("sin", "046454286");
        if (coupled) {
            data.spouse()->setMainProvince(PROV_ON);
            s = addT1(*data.spouse(), MARITAL_MARRIED);
            s->setString("first_name", "Bo");
            s->setString("last_name", "Chan");
            s->setString("sin", "130692544");
        }
    }
    CFamilyTaxData data;
    TaxData_T1New* t = nullptr;
    TaxData_T1New* s = nullptr;
};

QStringList singlePass(const QString& who, int changedType, bool fromInterview)
{
    QStringList pass;
    for (int step = 0; step <= 6; ++step)
        pass << QStringLiteral("%1%2 fi%3 ct%4 sp0").arg(who).arg(step).arg(int(fromInterview)).arg(changedType);
    pass << QStringLiteral("S %1 cur1").arg(who);
    return pass;
}

} // namespace

class FamilyCalculationTest : public QObject
{
    Q_OBJECT
private slots:
    void singleReturnRunsTheTaxpayerTwice_data();
    void singleReturnRunsTheTaxpayerTwice();
    void coupledReturnInterleavesTheSpouses();
    void interviewEditIsFlagged();
    void t1159ReturnIsOneCallAndNoSummary();
    void editedSharedSlipReachesTheSpousesCopy();
    void sharedLinkToAMissingCopyIsCleared();
    void identityAndIncomeCrossBetweenSpouses();
    void schedule2TakesTheSpousesCredits();
    void schedule6SeesWhetherTheSpouseHasOne();
    void recalculationIsStable();
    void movingExpensesCarriedFromLastYear();
    void eiBenefitsRepaidOnlyWhereTheSlipSaysSo_data();
    void eiBenefitsRepaidOnlyWhereTheSlipSaysSo();
};

void FamilyCalculationTest::singleReturnRunsTheTaxpayerTwice_data()
{
    QTest::addColumn<int>("current");
    QTest::newRow("taxpayer current") << -2;
    QTest::newRow("spouse current: the taxpayer still") << -1;
}

void FamilyCalculationTest::singleReturnRunsTheTaxpayerTwice()
{
    QFETCH(int, current);
    Family f(false);
    f.data.setCurIndv(current);
    Recorder r(f.data);
    f.data.Calculate(FROM_WHOLE_RETURN, nullptr);
    QCOMPARE(r.log, singlePass("T", 0, false) + singlePass("T", 0, false));
}

void FamilyCalculationTest::coupledReturnInterleavesTheSpouses()
{
    Family f(true);
    f.data.setCurIndv(-1);   // the spouse is being worked on
    CTaxData_Form* slip = f.data.spouse()->NewSlipData(1, -1, 0)->object;
    Recorder r(f.data);
    f.data.Calculate(FROM_SLIP, slip);
    QStringList pass;
    for (int step = 0; step <= 6; ++step)
        pass << QStringLiteral("P%1 fi0 ct1 sp1").arg(step) << QStringLiteral("T%1 fi0 ct0 sp0").arg(step)
             << QStringLiteral("X%1").arg(step);
    pass << "S P cur1" << "S T cur0";
    QCOMPARE(r.log, pass + pass);
}

void FamilyCalculationTest::interviewEditIsFlagged()
{
    Family f(false);
    CTaxData_Form* interview = f.data.taxpayer()->NewWizData(3)->object;
    Recorder r(f.data);
    f.data.Calculate(FROM_WIZARD, interview);
    QCOMPARE(r.log.first(), QStringLiteral("T0 fi1 ct3 sp0"));
}

void FamilyCalculationTest::t1159ReturnIsOneCallAndNoSummary()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_T1159);
    family.taxpayer()->NewFormDataItem(161, -1, true, 0, false);
    Recorder r(family);
    QCOMPARE(family.Calculate(FROM_WHOLE_RETURN, nullptr), 0);
    QCOMPARE(r.log, QStringList({"T0 fi0 ct-1 sp0"}));
}

void FamilyCalculationTest::editedSharedSlipReachesTheSpousesCopy()
{
    Family f(true);
    STRUCT_SLIPDATA_ITEM_2004* mine = f.data.NewSlipData(8, -1, 0);   // a T5 held jointly
    f.data.ShareTaxSlipWithSpouse(mine->object, 0);
    mine->object->setFloat("13", 1234.56);
    f.data.Calculate(FROM_SLIP, mine->object);
    QCOMPARE(f.data.spouse()->slips().back()->object->getFloat("13"), 1234.56);
}

void FamilyCalculationTest::sharedLinkToAMissingCopyIsCleared()
{
    Family f(true);
    STRUCT_SLIPDATA_ITEM_2004* mine = f.data.NewSlipData(8, -1, 0);
    f.data.ShareTaxSlipWithSpouse(mine->object, 0);
    f.data.spouse()->RemoveSlipData(f.data.spouse()->slips().back()->object);
    f.data.Calculate(FROM_SLIP, mine->object);
    QCOMPARE(mine->sharedId, 0);
}

void FamilyCalculationTest::identityAndIncomeCrossBetweenSpouses()
{
    Family f(true);
    f.s->setDate("birth_date", QDate(1962, 2, 3));
    f.s->setFloat("11700", 0.0);
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_0);
    QCOMPARE(f.t->getString("spouse_first_name"), CString("Bo"));
    QCOMPARE(f.t->getString("spouse_sin"), CString("130692544"));
    QCOMPARE(f.t->getDate("spouse_birth_date"), QDate(1962, 2, 3));
    QCOMPARE(f.s->getString("spouse_last_name"), CString("Lee"));

    f.data.spouse()->NewFormDataItem(125, -1, true, 0, false);   // a business: self-employed
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_1);
    QVERIFY(f.t->getBool("spouse_self_employed"));
    QVERIFY(!f.s->getBool("spouse_self_employed"));

    f.s->setFloat("23600", 31000);
    f.s->setFloat("26000", 30500);
    f.t->setFloat("23600", 52000);
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_2);
    QCOMPARE(f.t->getFloat("spouse_net_income"), 31000.0);
    QCOMPARE(f.t->getFloat("spouse_taxable_income"), 30500.0);
    QCOMPARE(f.s->getFloat("spouse_net_income"), 52000.0);
}

void FamilyCalculationTest::schedule2TakesTheSpousesCredits()
{
    Family f(true);
    CTaxData_Form* sch2 = f.data.taxpayer()->GetFormData(FormType::Schedule2, true);
    f.s->setFloat("30100", 7713);
    f.s->setFloat("31400", 2000);
    f.s->setFloat("31600", 8662);
    f.s->setFloat("26000", 20000);
    f.s->setFloat("30000", 13808);
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_3);
    QCOMPARE(sch2->getFloat("35200"), 7713.0);
    QCOMPARE(sch2->getFloat("35500"), 2000.0);
    QCOMPARE(sch2->getFloat("35700"), 8662.0);
    QCOMPARE(sch2->getFloat("spouse_taxable_income"), 20000.0);
    QCOMPARE(sch2->getFloat("spouse_credits_used"), 13808.0);

    // A newcomer takes the spouse's age amount for the days in Canada only.
    f.t->setDate("date_of_entry", QDate(2021, 7, 1));   // 184 of 365 days
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_3);
    QCOMPARE(sch2->getFloat("35200"), 7713.0 * 184 / 365);
    QCOMPARE(sch2->getFloat("35500"), 2000.0);   // not prorated
}

void FamilyCalculationTest::schedule6SeesWhetherTheSpouseHasOne()
{
    Family f(true);
    CTaxData_Form* mine = f.data.taxpayer()->GetFormData(FormType::Schedule6, true);
    f.s->setFloat("10100", 9000);
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_4);
    QCOMPARE(mine->getInt("spouse_without_schedule6"), 1);
    QCOMPARE(mine->getFloat("spouse_employment_income"), 9000.0);
    f.data.spouse()->GetFormData(FormType::Schedule6, true);
    f.data.ExchangeCoupledTaxData(IndividualTaxData::STEP_4);
    QCOMPARE(mine->getInt("spouse_without_schedule6"), 0);
}

void FamilyCalculationTest::recalculationIsStable()
{
    Family f(true);
    f.data.NewSlipData(1, -1, 0)->object->setFloat("14", 60000);
    f.data.Calculate(FROM_WHOLE_RETURN, nullptr);
    CFamilyTaxData first(MULTIPROV_MODE_NEW);
    first = f.data;
    // A second whole calculation of an already calculated return changes nothing.
    QCOMPARE(f.data.Calculate(FROM_WHOLE_RETURN, nullptr), 0);
    QVERIFY(f.data == first);
}

void FamilyCalculationTest::movingExpensesCarriedFromLastYear()
{
    // The import carries last year's unused moving expenses into the T1; a
    // T1-M of this year deducts them against income earned at the new place.
    Family f(false);
    f.t->setFloat("carryforward_moving_expenses", 1500);
    CTaxData_Form* t1m = f.data.taxpayer()->GetFormData(FormType::T1M, true);
    t1m->setFloat("eligible_income", 10000);
    f.data.Calculate(FROM_WHOLE_RETURN, nullptr);
    QCOMPARE(t1m->getFloat("deduction"), 1500.0);
    QCOMPARE(f.t->getFloat("21900"), 1500.0);
}

void FamilyCalculationTest::eiBenefitsRepaidOnlyWhereTheSlipSaysSo_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<bool>("repaid");
    QTest::newRow("box 7 at 30%") << 30.0 << true;
    QTest::newRow("box 7 at 0%: a first claim") << 0.0 << false;
}

void FamilyCalculationTest::eiBenefitsRepaidOnlyWhereTheSlipSaysSo()
{
    QFETCH(double, rate);
    QFETCH(bool, repaid);
    Family f(false);
    CTaxData_Form* t4 = f.data.NewSlipData(1, -1, 0)->object;
    t4->setFloat("14", 90000);
    t4->setInt("province_of_employment", 9);
    CTaxData_Form* t4e = f.data.NewSlipData(5, -1, 0)->object;
    t4e->setFloat("7", rate);
    t4e->setFloat("14", 6000);
    t4e->setFloat("15", 6000);
    f.data.Calculate(FROM_WHOLE_RETURN, nullptr);
    QCOMPARE(f.t->getFloat("ei_regular_benefits_repayable"), repaid ? 6000.0 : 0.0);
    // Income far over 70,375: all of the 30% is repaid (1,800) when the slip says so.
    QCOMPARE(f.t->getFloat("23500"), repaid ? 1800.0 : 0.0);
    QCOMPARE(f.t->getFloat("42200"), f.t->getFloat("23500"));
}

QTEST_GUILESS_MAIN(FamilyCalculationTest)
#include "tst_familycalculation.moc"

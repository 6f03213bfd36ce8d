// The coupled-return optimiser: the bracket equaliser, the order in which an
// equalised amount is moved, the donation rule, the share-amounts holder, and
// the searches on real calculated couples.

#include <algorithm>
#include <cmath>
#include <list>
#include <memory>

#include <QFile>
#include <QtTest>

#include "calculationobserver.h"
#include "coupledclaims.h"
#include "familytaxdata.h"
#include "federalforms.h"
#include "formtypes.h"
#include "optimiser.h"
#include "scenario.h"
#include "shareamountdata.h"
#include "t1.h"

Q_DECLARE_METATYPE(QList<double>)

namespace {

// A pensioner with employment income and a spouse in a lower bracket. The
// pension of the taxpayer's T4A is the eligible income of the election.
QByteArray couple(double pension, double taxpayerPay, double spousePay, const char* spouseBirth = "1960-09-02")
{
    return QStringLiteral(R"({ "province": 9,
      "taxpayer": { "t1": { "first_name": "Ann", "last_name": "Roy", "sin": "046454286",
                            "birth_date": "1958-03-14", "marital_status": 0 },
        "slips": [ { "type": 2, "boxes": { "016": %1 }, "fields": { "payer_name": "Plan" } },
                   { "type": 1, "boxes": { "14": %2 }, "fields": { "province_of_employment": 9 } } ],
        "forms": [ { "type": 118, "fields": { "is_transferor": true, "is_elected": true } } ] },
      "spouse": { "t1": { "first_name": "Bo", "last_name": "Roy", "sin": "130692544",
                          "birth_date": "%4", "marital_status": 0 },
        "slips": [ { "type": 1, "boxes": { "14": %3 }, "fields": { "province_of_employment": 9 } } ] } })")
        .arg(pension)
        .arg(taxpayerPay)
        .arg(spousePay)
        .arg(spouseBirth)
        .toUtf8();
}

std::unique_ptr<CFamilyTaxData> build(const QByteArray& json)
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    if (!family) qWarning("%s", qPrintable(error));
    else family->Calculate(FROM_WHOLE_RETURN, nullptr);
    return family;
}

std::unique_ptr<CFamilyTaxData> buildFile(const char* name)
{
    QFile file(QStringLiteral(QUILLMERE_SCENARIO_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? build(file.readAll()) : nullptr;
}

double figure(const CFamilyTaxData& family)
{
    double p = 0, s = 0, total = 0;
    family.GetFamilyReturnStatus(p, s, total);
    return total;
}

TaxData_T1032_New* t1032(IndividualTaxData* person)
{
    return dynamic_cast<TaxData_T1032_New*>(person->GetFormData(FormType::T1032, false));
}

// The split each pension trial wrote: the taxpayer's T1032 as the first
// step of the first pass of each calculation that names it sees it.
class TrialRecorder : public CalculationObserver
{
public:
    explicit TrialRecorder(CFamilyTaxData& family) : m_family(family) { setCalculationObserver(this); }
    ~TrialRecorder() override { setCalculationObserver(nullptr); }
    void stepRun(const IndividualTaxData& person, int step, bool, int changedType, bool) override
    {
        if (&person != m_family.taxpayer() || step != 0 || changedType != 118) return;
        if (m_firstPass) values << t1032(m_family.taxpayer())->getFloat("split_amount");
        m_firstPass = !m_firstPass;
    }
    void exchanged(int) override {}
    void summaryUpdated(const IndividualTaxData&, bool) override {}
    QList<double> values;

private:
    CFamilyTaxData& m_family;
    bool m_firstPass = true;
};

} // namespace

class OptimiserTest : public QObject
{
    Q_OBJECT
private slots:
    void sharedAmountsReachTheReturn();
    void stair_data();
    void stair();
    void equaliser_data();
    void equaliser();
    void moveOrder_data();
    void moveOrder();
    void donationRule_data();
    void donationRule();
    void shareHolder();
    void notCoupledUnchanged();
    void pensionPasses_data();
    void pensionPasses();
    void pensionSearchMatchesBruteForce();
    void halfCap();
    void wholeOptimisation();
    void donationSplitKeepsTheBound_data();
    void donationSplitKeepsTheBound();
};

void OptimiserTest::stair_data()
{
    QTest::addColumn<QList<double>>("added");
    QTest::addColumn<QList<double>>("sorted");
    QTest::addColumn<double>("probe");
    QTest::addColumn<int>("level");
    QTest::newRow("empty") << QList<double>{} << QList<double>{} << 500.0 << 0;
    QTest::newRow("unsorted input") << QList<double>{30, 10, 20} << QList<double>{10, 20, 30} << 20.0 << 2;
    QTest::newRow("equal thresholds") << QList<double>{20, 10, 20} << QList<double>{10, 20, 20} << 20.0 << 3;
    QTest::newRow("below the first") << QList<double>{10, 20} << QList<double>{10, 20} << 9.99 << 0;
    QTest::newRow("above the last") << QList<double>{10, 20} << QList<double>{10, 20} << 1e9 << 2;
}

void OptimiserTest::stair()
{
    QFETCH(QList<double>, added);
    QFETCH(QList<double>, sorted);
    QFETCH(double, probe);
    QFETCH(int, level);
    NumberStair stair;
    for (double v : added) stair.AddStepAmt(v);
    QCOMPARE(stair.GetMaxLevel(), sorted.size());
    for (int i = 0; i < sorted.size(); ++i) QCOMPARE(stair.GetStepAmt(i), sorted[i]);
    QCOMPARE(stair.GetLevel(probe), level);
    QCOMPARE(stair.GetStepAmt(sorted.size()), 0.0);
    QCOMPARE(stair.GetStepAmt(-3), sorted.isEmpty() ? 0.0 : sorted.first());
}

void OptimiserTest::equaliser_data()
{
    QTest::addColumn<QList<double>>("thresholds");
    QTest::addColumn<double>("incomeA");
    QTest::addColumn<double>("movableA");
    QTest::addColumn<double>("incomeB");
    QTest::addColumn<double>("movableB");
    QTest::addColumn<double>("most");
    QTest::addColumn<double>("least");
    const QList<double> three{10000, 20000, 30000};
    // Same level 1: min(5000 movable, 20000 - 15000, 12000 - 10000) from a to b.
    QTest::newRow("same level, a to b") << three << 12000.0 << 5000.0 << 15000.0 << 1000.0 << -1000.0 << 2000.0;
    QTest::newRow("both at level 0") << three << 5000.0 << 1000.0 << 6000.0 << 1000.0 << 0.0 << 0.0;
    QTest::newRow("movable runs out") << three << 35000.0 << 3000.0 << 5000.0 << 0.0 << 3000.0 << 3000.0;
    // 5000 brings a down to 20000, b up to 10000; then one bracket apart by 0.
    QTest::newRow("brackets meet") << three << 25000.0 << 20000.0 << 5000.0 << 0.0 << 15000.0 << 5000.0;
    QTest::newRow("brackets meet, b to a") << three << 5000.0 << 0.0 << 25000.0 << 20000.0 << -15000.0 << -5000.0;
    QTest::newRow("top level") << QList<double>{10000, 20000} << 30000.0 << 4000.0 << 25000.0 << 1000.0 << -1000.0
                               << 4000.0;
    QTest::newRow("no thresholds") << QList<double>{} << 90000.0 << 5000.0 << 10000.0 << 0.0 << 0.0 << 0.0;
}

void OptimiserTest::equaliser()
{
    QFETCH(QList<double>, thresholds);
    QFETCH(double, incomeA);
    QFETCH(double, movableA);
    QFETCH(double, incomeB);
    QFETCH(double, movableB);
    QFETCH(double, most);
    QFETCH(double, least);
    NumberStair stair;
    for (double v : thresholds) stair.AddStepAmt(v);
    double gotMost = 12345, gotLeast = 12345;
    stair.Optimize(PersonalAmt(incomeA, movableA), PersonalAmt(incomeB, movableB), gotMost, gotLeast);
    QCOMPARE(gotMost, most);
    QCOMPARE(gotLeast, least);
}

void OptimiserTest::moveOrder_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("pension");
    QTest::addColumn<bool>("bothT1032");
    QTest::addColumn<double>("movedInterest");
    QTest::addColumn<double>("movedGains");
    QTest::addColumn<double>("split");
    QTest::addColumn<bool>("splits");
    QTest::newRow("interest covers it") << 500.0 << 1000.0 << 2000.0 << 3000.0 << true << 500.0 << 0.0 << 0.0 << false;
    QTest::newRow("then capital gains") << 1500.0 << 1000.0 << 2000.0 << 3000.0 << true << 1000.0 << 500.0 << 0.0
                                        << false;
    QTest::newRow("then the pension") << 4000.0 << 1000.0 << 2000.0 << 3000.0 << true << 1000.0 << 2000.0 << 1000.0
                                      << true;
    QTest::newRow("pension limited") << 9000.0 << 1000.0 << 2000.0 << 3000.0 << true << 1000.0 << 2000.0 << 3000.0
                                     << true;
    QTest::newRow("no election") << 9000.0 << 1000.0 << 2000.0 << 3000.0 << false << 1000.0 << 2000.0 << 0.0 << false;
    QTest::newRow("negative interest") << 500.0 << -200.0 << 2000.0 << 0.0 << true << -200.0 << 700.0 << 0.0 << false;
}

void OptimiserTest::moveOrder()
{
    QFETCH(double, amount);
    QFETCH(double, interest);
    QFETCH(double, gains);
    QFETCH(double, pension);
    QFETCH(bool, bothT1032);
    const OptimiserMove move = planOptimiserMove(amount, interest, gains, pension, bothT1032);
    QTEST(move.interest, "movedInterest");
    QTEST(move.capitalGains, "movedGains");
    QTEST(move.pensionSplit, "split");
    QTEST(move.splitsPension, "splits");
}

void OptimiserTest::donationRule_data()
{
    QTest::addColumn<double>("taxpayerIncome");
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<bool>("spouseHigher");
    QTest::newRow("equal incomes") << 50000.0 << 50000.0 << false;
    QTest::newRow("spouse higher by a cent") << 50000.0 << 50000.01 << true;
    QTest::newRow("spouse higher by under a cent") << 50000.0 << 50000.008 << false;
    QTest::newRow("taxpayer higher") << 60000.0 << 50000.0 << false;
}

void OptimiserTest::donationRule()
{
    QFETCH(double, taxpayerIncome);
    QFETCH(double, spouseIncome);
    QFETCH(bool, spouseHigher);
    const double own = 100, spouses = 200, unclaimed = 300;
    const DonationShares shares = donationsToHigherEarner(taxpayerIncome, spouseIncome, own, spouses, unclaimed);
    QCOMPARE(shares.spouseHigher, spouseHigher);
    // The lower earner gives up their own shareable part; the higher takes
    // it with the unclaimed donations.
    QCOMPARE(shares.taxpayer, spouseHigher ? -own : spouses + unclaimed);
    QCOMPARE(shares.spouse, spouseHigher ? own + unclaimed : -spouses);
    QCOMPARE(shares.taxpayer + shares.spouse, unclaimed);
}

void OptimiserTest::shareHolder()
{
    DataShareAmtDlg holder;
    const QStringList names{"fld_BankInterest_1_Claimed", "fld_BankInterest_1", "fld_BankInterest_2_Claimed",
                            "fld_BankInterest_2", "fld_BankInterest_3", "fld_Donation_1_Claimed", "fld_Donation_1",
                            "fld_Donation_2_Claimed", "fld_Donation_2", "fld_Donation_3", "fld_CapGain_1_Claimed",
                            "fld_CapGain_1", "fld_CapGain_2_Claimed", "fld_CapGain_2", "fld_CapGain_3",
                            "fld_Pension_1_Claimed", "fld_Pension_1", "fld_Pension_2_Claimed", "fld_Pension_2"};
    const auto fields = holder.fields().all();
    QCOMPARE(int(fields.size()), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(QString(fields[i]->GetName().c_str()), names[i]);
        QCOMPARE(static_cast<CFloatField*>(fields[i])->GetValue(), 0.0);
    }
    holder.fld_Donation_1_Claimed->SetValue(400);
    holder.fld_Donation_1->SetValue(650);
    holder.fld_Donation_2_Claimed->SetValue(400);
    holder.fld_Donation_2->SetValue(250);
    holder.fld_BankInterest_1->SetValue(900);
    holder.fld_CapGain_2->SetValue(700);
    QCOMPARE(holder.Calculate(), 0);
    QCOMPARE(holder.fld_Donation_1->GetValue(), 400.0);
    QCOMPARE(holder.fld_Donation_2->GetValue(), 250.0);
    QCOMPARE(holder.fld_BankInterest_1->GetValue(), 900.0);
    QCOMPARE(holder.fld_CapGain_2->GetValue(), 700.0);
}

void OptimiserTest::notCoupledUnchanged()
{
    std::unique_ptr<CFamilyTaxData> family = buildFile("donations_on.json");
    std::unique_ptr<CFamilyTaxData> untouched = buildFile("donations_on.json");
    QVERIFY(family && untouched);
    QVERIFY(!family->IsCoupledReturn());
    DataShareAmtDlg shares;
    shares.fld_Donation_3->SetValue(500);
    shares.fld_BankInterest_3->SetValue(500);
    family->DoCoupledReturnOptimize(&shares);
    QVERIFY(*family == *untouched);
}

void OptimiserTest::pensionPasses_data()
{
    QTest::addColumn<double>("maxSplit");
    QTest::addColumn<double>("start");
    // With no pension every trial gives the same figure, so the start value
    // stays best and each window is centred on it.
    QTest::newRow("max 250 from 0") << 250.0 << 0.0;
    QTest::newRow("max 250 from 37") << 250.0 << 37.0;
    QTest::newRow("no room") << 0.0 << 0.0;
}

void OptimiserTest::pensionPasses()
{
    QFETCH(double, maxSplit);
    QFETCH(double, start);
    std::unique_ptr<CFamilyTaxData> family = build(couple(0, 50000, 20000));
    QVERIFY(family);
    QList<double> expected;
    auto pass = [&](double from, double step, double to) {
        for (int i = 0; from + i * step < to; ++i) expected << from + i * step;
    };
    if (maxSplit > 0) pass(0, 100, maxSplit);
    for (double step : {10.0, 1.0, 0.1})
        pass(std::max(0.0, start - 10 * step), step, std::min(maxSplit, start + 10 * step));
    double split = start;
    TrialRecorder recorder(*family);
    family->DoPensionSplitOpt(maxSplit, split);
    QCOMPARE(split, start);
    QCOMPARE(recorder.values.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) QVERIFY(std::abs(recorder.values[i] - expected[i]) < 1e-9);
    QVERIFY(!recorder.values.contains(maxSplit) || maxSplit == 0);
}

void OptimiserTest::pensionSearchMatchesBruteForce()
{
    // The split moves pension out of the taxpayer's 20.5% federal bracket
    // until the spouse, 71 and losing age amount, reaches that bracket.
    std::unique_ptr<CFamilyTaxData> family = build(couple(1600, 49500, 49200, "1950-09-02"));
    QVERIFY(family);
    TaxData_T1032_New* own = t1032(family->taxpayer());
    TaxData_T1032_New* other = t1032(family->spouse());
    QVERIFY(own && other);
    const double maxSplit = own->getFloat("max_split");
    QCOMPARE(maxSplit, 800.0);
    auto figureAt = [&](double v) {
        own->setFloat("split_amount", v);
        other->setFloat("split_amount", v);
        family->Calculate(FROM_WHOLE_RETURN, own);
        return figure(*family);
    };

    // Every value of the finest step over the same range; the two searches
    // visit them in different orders, so a tie may keep a different one.
    QMap<int, double> figures;
    for (int i = 0; i * 0.1 < maxSplit; ++i) figures[i] = figureAt(i * 0.1);
    const double bruteBest = *std::min_element(figures.cbegin(), figures.cend());
    QList<int> best;
    for (auto it = figures.cbegin(); it != figures.cend(); ++it)
        if (it.value() == bruteBest) best << it.key();
    QVERIFY2(best.first() > 0 && best.last() < figures.lastKey(), "the best split should lie inside the range");

    figureAt(0);
    double split = 0;
    family->DoPensionSplitOpt(maxSplit, split);
    QVERIFY2(best.contains(int(std::lround(split * 10))), qPrintable(QString::number(split)));
    QCOMPARE(figureAt(split), bruteBest);
}

void OptimiserTest::halfCap()
{
    // Every dollar split moves from a 26% bracket to a 15% one.
    std::unique_ptr<CFamilyTaxData> family = build(couple(3000, 90000, 20000));
    QVERIFY(family);
    TaxData_T1032_New* own = t1032(family->taxpayer());
    QVERIFY(own);
    const double eligible = own->getFloat("eligible_pension");
    QCOMPARE(eligible, 3000.0);
    // Offered the whole eligible income, the search still ends at most at half.
    double split = 0;
    family->DoPensionSplitOpt(eligible, split);
    QVERIFY2(split <= eligible / 2 && split > eligible / 2 - 1, qPrintable(QString::number(split)));

    // So does the whole optimisation.
    family->DoCoupledReturnOptimize(std::make_unique<DataShareAmtDlg>().get());
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()}) {
        QVERIFY(t1032(person)->getFloat("split_amount") <= eligible / 2);
        QVERIFY(t1032(person)->getFloat("split_amount") > eligible / 2 - 1);
    }
}

void OptimiserTest::wholeOptimisation()
{
    std::unique_ptr<CFamilyTaxData> family = buildFile("retired_couple_pension_split_on.json");
    QVERIFY(family);
    // The scenario's own election is undone so that the optimiser has work.
    TaxData_T1032_New* own = t1032(family->taxpayer());
    own->setFloat("split_amount", 0);
    own->setBool("is_elected", false);
    family->Calculate(FROM_WHOLE_RETURN, own);
    const double before = figure(*family);
    QVERIFY(!family->spouse()->GetFormData(FormType::Schedule9, false));

    DataShareAmtDlg shares;
    family->DoCoupledReturnOptimize(&shares);
    QVERIFY(figure(*family) < before);
    TaxData_T1032_New* other = t1032(family->spouse());
    QVERIFY(other);
    for (TaxData_T1032_New* form : {own, other}) {
        QVERIFY(form->getBool("is_elected"));
        QCOMPARE(form->getFloat("split_amount"), own->getFloat("split_amount"));
        QVERIFY(form->getFloat("split_amount") <= own->getFloat("eligible_pension") / 2);
    }
    // Schedule 9 is made for both even without donations to share.
    QVERIFY(family->taxpayer()->GetFormData(FormType::Schedule9, false));
    QVERIFY(family->spouse()->GetFormData(FormType::Schedule9, false));
}

void OptimiserTest::donationSplitKeepsTheBound_data()
{
    QTest::addColumn<double>("taxpayerPay");
    QTest::addColumn<double>("spousePay");
    QTest::addColumn<double>("taxpayerReceipts");
    QTest::addColumn<double>("spouseReceipts");
    QTest::addColumn<double>("taxpayerShareable");   // as typed on the shareable-amounts page
    QTest::addColumn<double>("spouseShareable");
    QTest::addColumn<double>("joint");               // held by both, on neither schedule yet

    QTest::newRow("taxpayer's shareable typed above the receipts")
        << 30000.0 << 90000.0 << 300.0 << 0.0 << 1000.0 << 0.0 << 0.0;
    QTest::newRow("spouse's shareable typed above the receipts")
        << 90000.0 << 30000.0 << 0.0 << 100.0 << 0.0 << 800.0 << 0.0;
    QTest::newRow("own receipts of both and joint gifts")
        << 30000.0 << 90000.0 << 200.0 << 300.0 << 200.0 << 300.0 << 400.0;
    QTest::newRow("joint gifts only, taxpayer higher") << 90000.0 << 30000.0 << 0.0 << 0.0 << 0.0 << 0.0 << 700.0;
}

// Whatever the page says may be shared, the couple never claims more
// donations than they made: the bound the return's validation holds them to.
void OptimiserTest::donationSplitKeepsTheBound()
{
    QFETCH(double, taxpayerPay);
    QFETCH(double, spousePay);
    QFETCH(double, taxpayerReceipts);
    QFETCH(double, spouseReceipts);
    QFETCH(double, taxpayerShareable);
    QFETCH(double, spouseShareable);
    QFETCH(double, joint);
    std::unique_ptr<CFamilyTaxData> family = build(couple(0, taxpayerPay, spousePay));
    QVERIFY(family);
    CTaxData_Form* pSch9 = family->taxpayer()->GetFormData(FormType::Schedule9, true);
    CTaxData_Form* sSch9 = family->spouse()->GetFormData(FormType::Schedule9, true);
    pSch9->setFloat("donations.1.amount", taxpayerReceipts);
    sSch9->setFloat("donations.1.amount", spouseReceipts);
    family->Calculate(FROM_WHOLE_RETURN, nullptr);

    DataShareAmtDlg shares;
    shares.fld_Donation_1->SetValue(taxpayerShareable);
    shares.fld_Donation_2->SetValue(spouseShareable);
    shares.fld_Donation_3->SetValue(joint);
    family->DoCoupledReturnOptimize(&shares);

    const double claimed = pSch9->getFloat("total_eligible_donations") + sSch9->getFloat("total_eligible_donations");
    QVERIFY2(claimed <= taxpayerReceipts + spouseReceipts + joint + 0.005, qPrintable(QString::number(claimed)));
    QVERIFY(DonationsClaimedBeyondHeld(pSch9, sSch9, joint) < 0.009);
    // Nothing held is lost either: every gift is claimed by one of them.
    QVERIFY2(claimed >= taxpayerReceipts + spouseReceipts + joint - 0.005, qPrintable(QString::number(claimed)));
}

void OptimiserTest::sharedAmountsReachTheReturn()
{
    // What the optimiser moves between spouses must change the return.
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(R"({"province": 9,
        "taxpayer": {"t1": {"first_name": "Ann", "last_name": "Lee", "sin": "046454286", "birth_date": "1970-01-01",
                            "marital_status": 5},
                     "slips": [{"type": 1, "boxes": {"14": 60000}, "fields": {"province_of_employment": 9}}]}})",
                                                           &error);
    QVERIFY2(family, qPrintable(error));
    TaxData_T1New* t1 = family->taxpayer()->t1();
    CTaxData_Form* sch9 = family->taxpayer()->GetFormData(FormType::Schedule9, true);
    t1->setFloat("shared_interest", 500);
    t1->setFloat("shared_capital_gains", 1000);
    sch9->setFloat("shared_donations", 300);
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    QCOMPARE(t1->getFloat("12100"), 500.0);
    QCOMPARE(t1->getFloat("12700"), 500.0);    // half of the gains is taxable
    QCOMPARE(sch9->getFloat("total_eligible_donations"), 300.0);
    // A share taken away never makes the gains negative.
    t1->setFloat("shared_capital_gains", -1000);
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    QCOMPARE(t1->getFloat("12700"), 0.0);
    // An odd cent of a share: half of 1,000.25 is 500.13 on the form.
    t1->setFloat("shared_capital_gains", 1000.25);
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    QCOMPARE(t1->getFloat("12700"), 500.13);
}

QTEST_MAIN(OptimiserTest)
#include "tst_optimiser.moc"

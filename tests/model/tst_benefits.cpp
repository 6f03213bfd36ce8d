// The return summary and the benefit estimates for July 2022 to June 2023.
// Expected amounts are worked out from the agency's published figures for
// that benefit year: the child benefit of 6,997 under 6 and 5,903 aged 6 to
// 17, reduced from 32,797 and 71,060, the child disability benefit of 2,985;
// the GST/HST credit of 306 an adult, 161 a child and 161 single supplement
// (phased in from 9,919), reduced from 39,826.

#include <QtTest>

#include "benefitsummary.h"
#include "dependantinfo.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "summaryforms.h"

namespace {

// A dependant: its age at the end of 2021, a child or not, infirm or not.
struct Dependant
{
    int age;
    bool child;
    bool infirm;
};
using Dependants = QList<Dependant>;

void addDependants(DependantInfoStruct& record, const Dependants& list)
{
    record.AllocData(DependantInfoStruct::kEntries);
    int i = 0;
    for (const Dependant& d : list) {
        DependantEntry* e = record.entry(i++);
        e->setFirstName("Kid");
        e->relationship = d.child ? DEP_REL_CHILD : DEP_REL_SIBLING;
        e->birthDate = QDate(2021 - d.age, 9, 15);
        e->infirm = d.infirm ? 1 : 0;
    }
}

TaxData_T1New* makePerson(IndividualTaxData& person, int status, int age, double netIncome)
{
    person.setMainProvince(PROV_ON);
    TaxData_T1New* t1 = addT1(person, status);
    t1->setDate("birth_date", QDate(2021 - age, 3, 1));
    t1->setFloat("23600", netIncome);
    person.NewFormDataItem(93, -1, true, 0, false);
    return t1;
}

CTaxData_Form* summaryOf(IndividualTaxData& person)
{
    return person.GetFormData(FormType::Summary, false);
}

bool near(double a, double b)
{
    return qAbs(a - b) < kAmountThatCounts;
}

} // namespace

using Lines = QList<QPair<QString, double>>;

Q_DECLARE_METATYPE(Dependants)

class BenefitsTest : public QObject
{
    Q_OBJECT
private slots:
    void childBenefit_data();
    void childBenefit();
    void gstCredit_data();
    void gstCredit();
    void eligibility_data();
    void eligibility();
    void singleParentSummary_data();
    void singleParentSummary();
    void coupleEstimatesMadeOnce_data();
    void coupleEstimatesMadeOnce();
    void nextYearsRrspLimit_data();
    void nextYearsRrspLimit();
    void summaryWithoutT1();
};

void BenefitsTest::childBenefit_data()
{
    QTest::addColumn<int>("under6");
    QTest::addColumn<int>("age6to17");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("expected");

    QTest::newRow("no children, whatever the income") << 0 << 0 << 1 << 10000.0 << 0.0;
    QTest::newRow("one under 6 at the first threshold") << 1 << 0 << 0 << 32797.0 << 6997.0;
    QTest::newRow("one under 6, 10,000 above it") << 1 << 0 << 0 << 42797.0 << 6997.0 - 10000 * 0.07;
    QTest::newRow("two aged 6 to 17 at the second threshold")
        << 0 << 2 << 0 << 71060.0 << 2 * 5903.0 - (71060.0 - 32797.0) * 0.135;
    QTest::newRow("three, 20,000 above the second threshold")
        << 1 << 2 << 0 << 91060.0 << 6997.0 + 2 * 5903.0 - ((71060.0 - 32797.0) * 0.19 + 20000 * 0.08);
    QTest::newRow("five: the rates of four or more")
        << 2 << 3 << 0 << 50000.0 << 2 * 6997.0 + 3 * 5903.0 - (50000.0 - 32797.0) * 0.23;
    QTest::newRow("a high income leaves nothing") << 0 << 1 << 0 << 250000.0 << 0.0;
    QTest::newRow("a disabled child at the second threshold")
        << 1 << 0 << 1 << 71060.0 << 6997.0 - (71060.0 - 32797.0) * 0.07 + 2985.0;
    QTest::newRow("two disabled children above it")
        << 0 << 2 << 2 << 81060.0
        << (2 * 5903.0 - (71060.0 - 32797.0) * 0.135 - 10000 * 0.057) + (2 * 2985.0 - 10000 * 0.057);
    QTest::newRow("the disability supplement runs out") << 0 << 1 << 1 << 200000.0 << 0.0;
}

void BenefitsTest::childBenefit()
{
    QFETCH(int, under6);
    QFETCH(int, age6to17);
    QFETCH(int, disabled);
    QFETCH(double, income);
    QFETCH(double, expected);
    const double got = CalculateCCB2016(PROV_ON, under6, age6to17, disabled, income);
    QVERIFY2(near(got, expected), qPrintable(QString::number(got, 'f', 4)));
    // The province makes no difference.
    QCOMPARE(CalculateCCB2016(PROV_QC, under6, age6to17, disabled, income), got);
}

void BenefitsTest::gstCredit_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<bool>("hasSpouse");
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<bool>("eligibleDependant");
    QTest::addColumn<int>("children");
    QTest::addColumn<double>("expected");

    QTest::newRow("single at the supplement's start") << 9919.0 << false << 0.0 << false << 0 << 306.0;
    QTest::newRow("single, supplement phasing in") << 12000.0 << false << 0.0 << false << 0
                                                   << 306.0 + 0.02 * (12000.0 - 9919.0);
    QTest::newRow("single, the whole supplement") << 17969.0 << false << 0.0 << false << 0 << 467.0;
    QTest::newRow("single at the reduction threshold") << 39826.0 << false << 0.0 << false << 0 << 467.0;
    QTest::newRow("single 5,000 above it") << 44826.0 << false << 0.0 << false << 0 << 467.0 - 250.0;
    QTest::newRow("single far above: never negative") << 60000.0 << false << 0.0 << false << 0 << 0.0;
    QTest::newRow("single parent of one: the whole supplement") << 5000.0 << false << 0.0 << true << 0 << 773.0;
    QTest::newRow("single parent of three, 10,000 above")
        << 49826.0 << false << 0.0 << true << 2 << 306.0 + 306.0 + 2 * 161.0 + 161.0 - 500.0;
    QTest::newRow("children without an eligible dependant add nothing but the supplement")
        << 5000.0 << false << 0.0 << false << 1 << 467.0;
    QTest::newRow("negative children count as none") << 5000.0 << false << 0.0 << true << -1 << 773.0;
    QTest::newRow("couple of two children at the threshold")
        << 20000.0 << true << 19826.0 << false << 2 << 612.0 + 322.0;
    QTest::newRow("couple 10,000 above it") << 30000.0 << true << 19826.0 << false << 2 << 934.0 - 500.0;
    QTest::newRow("couple: no single supplement") << 0.0 << true << 0.0 << false << 0 << 612.0;
}

void BenefitsTest::gstCredit()
{
    QFETCH(double, income);
    QFETCH(bool, hasSpouse);
    QFETCH(double, spouseIncome);
    QFETCH(bool, eligibleDependant);
    QFETCH(int, children);
    QFETCH(double, expected);
    const double got = CalculateGSTCredit(income, hasSpouse, spouseIncome, eligibleDependant, children);
    QVERIFY2(near(got, expected), qPrintable(QString::number(got, 'f', 4)));
    QVERIFY(IsEligibleForGSTCredit());
}

void BenefitsTest::eligibility_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("birthMonth");
    QTest::addColumn<Dependants>("dependants");
    QTest::addColumn<QString>("dateField");   // a date of 2021 set on the T1
    QTest::addColumn<bool>("eligible");

    const int single = MARITAL_SINGLE;
    QTest::newRow("adult") << single << 30 << 3 << Dependants{} << QString() << true;
    QTest::newRow("17, born in June") << single << 17 << 6 << Dependants{} << QString() << true;
    QTest::newRow("17, born in July: not by age alone") << single << 17 << 7 << Dependants{} << QString() << false;
    QTest::newRow("16 with a spouse") << int(MARITAL_COMMON_LAW) << 16 << 1 << Dependants{} << QString() << true;
    QTest::newRow("16 with a child") << single << 16 << 1 << Dependants{{0, true, false}} << QString() << true;
    QTest::newRow("16 with another dependant") << single << 16 << 1 << Dependants{{10, false, false}} << QString()
                                               << true;
    QTest::newRow("16 with an adult dependant only") << single << 16 << 1 << Dependants{{40, false, false}}
                                                     << QString() << false;
    QTest::newRow("died in the year") << single << 50 << 1 << Dependants{} << "date_of_death" << false;
    QTest::newRow("emigrated in the year") << int(MARITAL_MARRIED) << 50 << 1 << Dependants{{3, true, false}}
                                           << "date_of_departure" << false;
}

void BenefitsTest::eligibility()
{
    QFETCH(int, status);
    QFETCH(int, age);
    QFETCH(int, birthMonth);
    QFETCH(Dependants, dependants);
    QFETCH(QString, dateField);
    QFETCH(bool, eligible);
    DependantInfoStruct record;
    addDependants(record, dependants);
    IndividualTaxData person(MULTIPROV_MODE_NEW, &record);
    TaxData_T1New* t1 = addT1(person, status);
    t1->setDate("birth_date", QDate(2021 - age, birthMonth, 10));
    if (!dateField.isEmpty()) t1->setDate(CString(dateField), QDate(2021, 8, 1));
    QCOMPARE(IndividualTaxData::isBenefitEligible(&person), eligible);

    IndividualTaxData noReturn(MULTIPROV_MODE_NEW, &record);
    QVERIFY(!IndividualTaxData::isBenefitEligible(&noReturn));
    QVERIFY(!IndividualTaxData::isBenefitEligible(nullptr));
}

void BenefitsTest::singleParentSummary_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<Dependants>("dependants");
    QTest::addColumn<double>("ccb");
    QTest::addColumn<double>("gst");

    QTest::newRow("one child under 6 at the child benefit's threshold")
        << 32797.0 << Dependants{{3, true, false}} << 6997.0 << 306.0 + 306.0 + 161.0;
    QTest::newRow("one child under 6 at the credit's threshold")
        << 39826.0 << Dependants{{3, true, false}} << 6997.0 - (39826.0 - 32797.0) * 0.07 << 773.0;
    QTest::newRow("two children, one infirm, 10,000 above the credit's threshold")
        << 49826.0 << Dependants{{2, true, true}, {9, true, false}}
        << 6997.0 + 5903.0 - (49826.0 - 32797.0) * 0.135 + 2985.0 << 306.0 + 306.0 + 161.0 + 161.0 - 500.0;
    QTest::newRow("a younger sibling: the eligible dependant, no child benefit")
        << 20000.0 << Dependants{{12, false, false}} << 0.0 << 306.0 + 306.0 + 161.0;
}

void BenefitsTest::singleParentSummary()
{
    QFETCH(double, income);
    QFETCH(Dependants, dependants);
    QFETCH(double, ccb);
    QFETCH(double, gst);
    DependantInfoStruct record;
    addDependants(record, dependants);
    IndividualTaxData person(MULTIPROV_MODE_NEW, &record);
    TaxData_T1New* t1 = makePerson(person, MARITAL_SINGLE, 35, income + 500);
    t1->setFloat("11700", 500);   // the UCCB is not in adjusted net income
    person.UpdateT1KS(true, nullptr);
    const CTaxData_Form* summary = summaryOf(person);
    QVERIFY(near(summary->getFloat("adjusted_net_income"), income));
    QVERIFY2(near(summary->getFloat("ccb_estimate"), ccb),
             qPrintable(QString::number(summary->getFloat("ccb_estimate"))));
    QVERIFY2(near(summary->getFloat("gst_hst_credit_estimate"), gst),
             qPrintable(QString::number(summary->getFloat("gst_hst_credit_estimate"))));
    QCOMPARE(summary->getFloat("ccb_per_month"), roundToCents(ccb / 12));
    QCOMPARE(summary->getString("benefit_year"), CString("July 2022 to June 2023"));
}

void BenefitsTest::coupleEstimatesMadeOnce_data()
{
    QTest::addColumn<double>("taxpayerIncome");
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<bool>("spouseIsCurrent");
    QTest::addColumn<bool>("spouseEmigrated");
    QTest::addColumn<bool>("taxpayerComputes");

    QTest::newRow("taxpayer's income the higher") << 20000.0 << 12797.0 << false << false << true;
    QTest::newRow("spouse's income the higher") << 12797.0 << 20000.0 << false << false << false;
    QTest::newRow("spouse's the higher, spouse current") << 12797.0 << 20000.0 << true << false << false;
    QTest::newRow("equal incomes: the taxpayer") << 16398.5 << 16398.5 << false << false << true;
    QTest::newRow("equal incomes, spouse current: the taxpayer") << 16398.5 << 16398.5 << true << false << true;
    QTest::newRow("the higher not eligible: the other") << 12797.0 << 20000.0 << false << true << true;
}

void BenefitsTest::coupleEstimatesMadeOnce()
{
    QFETCH(double, taxpayerIncome);
    QFETCH(double, spouseIncome);
    QFETCH(bool, spouseIsCurrent);
    QFETCH(bool, spouseEmigrated);
    QFETCH(bool, taxpayerComputes);
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    addDependants(family.dependants(), {{2, true, false}, {4, true, false}});
    makePerson(*family.taxpayer(), MARITAL_MARRIED, 40, taxpayerIncome);
    TaxData_T1New* spouseT1 = makePerson(*family.spouse(), MARITAL_MARRIED, 38, spouseIncome);
    if (spouseEmigrated) spouseT1->setDate("date_of_departure", QDate(2021, 6, 1));
    family.setCurIndv(spouseIsCurrent ? CFamilyTaxData::kSpouse : CFamilyTaxData::kTaxpayer);
    IndividualTaxData* current = family.getCurIndvTaxData();
    IndividualTaxData* other = family.getNonCurIndvTaxData();
    current->UpdateT1KS(true, other);
    other->UpdateT1KS(false, current);

    IndividualTaxData* computing = taxpayerComputes ? family.taxpayer() : family.spouse();
    IndividualTaxData* notComputing = taxpayerComputes ? family.spouse() : family.taxpayer();
    // The family's income is at the child benefit's threshold and below the credit's.
    QCOMPARE(summaryOf(*computing)->getFloat("ccb_estimate"), 2 * 6997.0);
    QCOMPARE(summaryOf(*computing)->getFloat("gst_hst_credit_estimate"), 2 * 306.0 + 2 * 161.0);
    QCOMPARE(summaryOf(*notComputing)->getFloat("ccb_estimate"), 0.0);
    QCOMPARE(summaryOf(*notComputing)->getFloat("gst_hst_credit_estimate"), 0.0);
}

void BenefitsTest::nextYearsRrspLimit_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<double>("expected");
    QTest::newRow("18% of earned income") << Lines{{"10100", 50000}} << 9000.0;
    QTest::newRow("the 2022 dollar limit") << Lines{{"10100", 200000}} << 29210.0;
    QTest::newRow("less the pension adjustment") << Lines{{"10100", 50000}, {"20600", 4000}} << 5000.0;
    QTest::newRow("pension adjustment above it: 0") << Lines{{"10100", 10000}, {"20600", 5000}} << 0.0;
    QTest::newRow("business and rental income, less union dues")
        << Lines{{"13500", 20000}, {"12600", -5000}, {"21200", 1000}} << 0.18 * 14000;
    QTest::newRow("an earned loss: 0") << Lines{{"13500", -9000}} << 0.0;
}

void BenefitsTest::nextYearsRrspLimit()
{
    QFETCH(Lines, lines);
    QFETCH(double, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = makePerson(person, MARITAL_SINGLE, 40, 0);
    for (const auto& line : lines) t1->setFloat(CString(line.first), line.second);
    person.UpdateT1KS(true, nullptr);
    QVERIFY(near(summaryOf(person)->getFloat("rrsp_deduction_limit_next_year"), expected));
}

void BenefitsTest::summaryWithoutT1()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = makePerson(person, MARITAL_SINGLE, 40, 30000);
    t1->setString("first_name", "Ann");
    t1->setString("last_name", "Lee");
    t1->setString("mailing_address", "1 Elm St");
    t1->setString("mailing_city", "Ottawa");
    person.UpdateT1KS(true, nullptr);
    CTaxData_Form* summary = summaryOf(person);
    QCOMPARE(summary->getString("full_name"), CString("Ann Lee"));
    QCOMPARE(summary->getString("address"), CString("1 Elm St\nOttawa"));
    QCOMPARE(summary->getFloat("23600"), 30000.0);
    QVERIFY(summary->getFloat("gst_hst_credit_estimate") > 0);

    person.RemoveFormData(t1, true);
    person.UpdateT1KS(true, nullptr);
    QVERIFY(summary->getString("full_name").IsEmpty());
    QCOMPARE(summary->getFloat("23600"), 0.0);
    QCOMPARE(summary->getFloat("gst_hst_credit_estimate"), 0.0);
}

QTEST_GUILESS_MAIN(BenefitsTest)
#include "tst_benefits.moc"

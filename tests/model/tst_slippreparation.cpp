// The slip totals of a return and the forms its slips need.

#include <QtTest>

#include "modeltestsupport.h"
#include "formtypes.h"
#include "slippreparation.h"

namespace {

// A box of a slip and its value; ints and bools are given as numbers too.
struct Box
{
    QString name;
    double value;
};
using Boxes = QList<Box>;

CTaxData_Form* addSlip(IndividualTaxData& person, int type, const Boxes& boxes)
{
    CTaxData_Form* slip = person.NewSlipData(type, -1, 0)->object;
    for (const Box& box : boxes) {
        const CString name(box.name);
        CField* f = slip->field(name);
        Q_ASSERT_X(f, "addSlip", qPrintable(box.name));
        switch (f->GetType()) {
        case CField::Int: slip->setInt(name, int(box.value)); break;
        case CField::Bool: slip->setBool(name, box.value != 0); break;
        default: slip->setFloat(name, box.value); break;
        }
    }
    return slip;
}

void setAge(TaxData_T1New* t1, int age)
{
    t1->setDate("birth_date", QDate(TaxData_T1New::kTaxYear - age, 3, 1));
}

STRU_SLIPDATA_CALCULATION collect(const IndividualTaxData& person, std::set<ENUMTYPE_FORM>* needed = nullptr)
{
    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> forms;
    person.CollectSlipTotals(totals, forms);
    if (needed) *needed = forms;
    return totals;
}

QList<int> formTypes(const IndividualTaxData& person)
{
    QList<int> types;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) types << item->formType;
    return types;
}

} // namespace

Q_DECLARE_METATYPE(Boxes)

class SlipPreparationTest : public QObject
{
    Q_OBJECT
private slots:
    void t4ByProvinceAndPensionPlan_data();
    void t4ByProvinceAndPensionPlan();
    void t4OtherTotals();
    void t4aByAgeScholarshipKindAndDeathBenefits_data();
    void t4aByAgeScholarshipKindAndDeathBenefits();
    void t4rspAndT4rif_data();
    void t4rspAndT4rif();
    void sharedSlipsCountTheirShare_data();
    void sharedSlipsCountTheirShare();
    void formsEachSlipNeeds_data();
    void formsEachSlipNeeds();
    void collectingOnlyAsks();
    void preparingMakesTheMissingFormsOnce();
    void aFormPresentTwiceIsLeftAlone();
    void noSlipsLeavesTheTotalsAsTheyWere();
};

void SlipPreparationTest::t4ByProvinceAndPensionPlan_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QList<int>>("slipCounts");       // CPP, Quebec with CPP, Quebec
    QTest::addColumn<QList<double>>("income");        // outside Quebec, Quebec
    QTest::addColumn<QList<double>>("pensionable");   // CPP, QPP
    QTest::addColumn<QList<bool>>("exempt");          // CPP, QPP
    QTest::addColumn<double>("taxOutsideQuebec");

    QTest::newRow("Ontario employment pays CPP")
        << Boxes{{"province_of_employment", 9}, {"14", 50000}, {"16", 2500}, {"26", 50000}, {"22", 7000}}
        << QList<int>{1, 0, 0} << QList<double>{50000, 0} << QList<double>{50000, 0} << QList<bool>{false, false}
        << 7000.0;
    QTest::newRow("Quebec employment without CPP is QPP")
        << Boxes{{"province_of_employment", 11}, {"14", 40000}, {"17", 2300}, {"26", 40000}, {"22", 5000}}
        << QList<int>{0, 0, 1} << QList<double>{0, 40000} << QList<double>{0, 40000} << QList<bool>{false, false}
        << 0.0;
    QTest::newRow("Quebec employment with CPP counts as CPP earnings")
        << Boxes{{"province_of_employment", 11}, {"14", 30000}, {"16", 1500}, {"26", 30000}}
        << QList<int>{0, 1, 0} << QList<double>{0, 30000} << QList<double>{30000, 0} << QList<bool>{false, false}
        << 0.0;
    QTest::newRow("exempt outside Quebec")
        << Boxes{{"province_of_employment", 2}, {"14", 1000}, {"cpp_qpp_exempt", 1}}
        << QList<int>{1, 0, 0} << QList<double>{1000, 0} << QList<double>{0, 0} << QList<bool>{true, false} << 0.0;
    QTest::newRow("exempt in Quebec")
        << Boxes{{"province_of_employment", 11}, {"14", 1000}, {"cpp_qpp_exempt", 1}}
        << QList<int>{0, 0, 1} << QList<double>{0, 1000} << QList<double>{0, 0} << QList<bool>{false, true} << 0.0;
}

void SlipPreparationTest::t4ByProvinceAndPensionPlan()
{
    QFETCH(Boxes, boxes);
    QFETCH(QList<int>, slipCounts);
    QFETCH(QList<double>, income);
    QFETCH(QList<double>, pensionable);
    QFETCH(QList<bool>, exempt);
    QFETCH(double, taxOutsideQuebec);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    addSlip(person, 1, boxes);
    const STRU_SLIPDATA_CALCULATION t = collect(person);
    QCOMPARE(t.t4Slips, 1);
    QCOMPARE((QList<int>{t.t4CppSlips, t.t4QppSlipsWithCpp, t.t4QppSlips}), slipCounts);
    QCOMPARE((QList<double>{t.t4EmploymentIncomeOutsideQuebec, t.t4EmploymentIncomeQuebec}), income);
    QCOMPARE(t.t4EmploymentIncome, income[0] + income[1]);
    QCOMPARE((QList<double>{t.t4CppPensionableEarnings, t.t4QppPensionableEarnings}), pensionable);
    QCOMPARE((QList<bool>{t.t4CppExempt, t.t4QppExempt}), exempt);
    QCOMPARE(t.t4TaxDeductedOutsideQuebec, taxOutsideQuebec);
}

void SlipPreparationTest::t4OtherTotals()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    addSlip(person, 1, {{"province_of_employment", 9}, {"14", 20000}, {"22", 3000}, {"55", 80}, {"81", 900},
                        {"85", 120}, {"46", 50}});
    // A T4F: its earnings and tax also go to the fishing totals.
    addSlip(person, 1, {{"province_of_employment", 9}, {"14", 5000}, {"22", 400}, {"marker", 1}});
    addSlip(person, 1, {{"province_of_employment", 9}, {"71", 700}});
    const STRU_SLIPDATA_CALCULATION t = collect(person);
    QCOMPARE(t.t4Slips, 3);
    QCOMPARE(t.t4EmploymentIncome, 25000.0);
    QCOMPARE(t.t4TaxDeducted, 3400.0);
    QCOMPARE(t.t4fIncome, 5000.0);
    QCOMPARE(t.t4fTaxDeducted, 400.0);
    QCOMPARE(t.t4PpipPremiums, 80.0);
    QCOMPARE(t.t4PlacementAgencyIncome, 900.0);
    QCOMPARE(t.t4PrivateHealthPremiums, 120.0);
    QCOMPARE(t.t4Donations, 50.0);
    QCOMPARE(t.t4IndianExemptEmployment, 700.0);
    QVERIFY(t.indianActExempt);
}

void SlipPreparationTest::t4aByAgeScholarshipKindAndDeathBenefits_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<QList<Boxes>>("slips");
    QTest::addColumn<double>("pensionUnder65");
    QTest::addColumn<double>("pension");
    QTest::addColumn<double>("annuitiesUnder65");
    QTest::addColumn<double>("taxableScholarships");
    QTest::addColumn<double>("otherIncome");

    QTest::newRow("under 65: pension and annuities to the under-65 totals")
        << 60 << QList<Boxes>{{{"016", 12000}, {"024", 500}}} << 12000.0 << 0.0 << 500.0 << 0.0 << 0.0;
    QTest::newRow("65: pension to the other totals")
        << 65 << QList<Boxes>{{{"016", 12000}, {"024", 500}}} << 0.0 << 12000.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("under 65, from a spouse's death")
        << 50 << QList<Boxes>{{{"016", 8000}, {"marker", 1}}} << 0.0 << 8000.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("two kind-0 scholarships of 300: the 500 applies once")
        << 20 << QList<Boxes>{{{"105", 300}}, {{"105", 300}}} << 0.0 << 0.0 << 0.0 << 100.0 << 0.0;
    QTest::newRow("kind-0 scholarships of 500: nothing taxable")
        << 20 << QList<Boxes>{{{"105", 500}}} << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("kind 1: fully exempt")
        << 20 << QList<Boxes>{{{"105", 4000}, {"scholarship_kind", 1}}} << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("kind 2: fully taxable")
        << 20 << QList<Boxes>{{{"105", 4000}, {"scholarship_kind", 2}}} << 0.0 << 0.0 << 0.0 << 4000.0 << 0.0;
    QTest::newRow("any other kind: fully taxable")
        << 20 << QList<Boxes>{{{"105", 800}, {"scholarship_kind", 7}}, {{"105", 700}}} << 0.0 << 0.0 << 0.0
        << 1000.0 << 0.0;
    QTest::newRow("death benefits of exactly 10,000: nothing")
        << 40 << QList<Boxes>{{{"106", 10000}, {"028", 250}}} << 0.0 << 0.0 << 0.0 << 0.0 << 250.0;
    QTest::newRow("death benefits over 10,000 on two slips")
        << 40 << QList<Boxes>{{{"106", 6000}}, {{"106", 6500}, {"028", 250}}} << 0.0 << 0.0 << 0.0 << 0.0 << 2750.0;
}

void SlipPreparationTest::t4aByAgeScholarshipKindAndDeathBenefits()
{
    QFETCH(int, age);
    QFETCH(QList<Boxes>, slips);
    QFETCH(double, pensionUnder65);
    QFETCH(double, pension);
    QFETCH(double, annuitiesUnder65);
    QFETCH(double, taxableScholarships);
    QFETCH(double, otherIncome);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    setAge(addT1(person), age);
    for (const Boxes& boxes : slips) addSlip(person, 2, boxes);
    const STRU_SLIPDATA_CALCULATION t = collect(person);
    QCOMPARE(t.t4aPensionUnder65, pensionUnder65);
    QCOMPARE(t.t4aPension, pension);
    QCOMPARE(t.t4aAnnuitiesUnder65, annuitiesUnder65);
    QCOMPARE(t.t4aTaxableScholarships, taxableScholarships);
    QCOMPARE(t.t4aOtherIncome, otherIncome);
}

void SlipPreparationTest::t4rspAndT4rif_data()
{
    QTest::addColumn<int>("slipType");
    QTest::addColumn<int>("age");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QList<double>>("expected");   // by slip type, see below

    // T4RSP: annuity, annuity from a spouse's death, other income, deductions, HBP, LLP
    QTest::newRow("T4RSP annuity and a deduction")
        << 4 << 50 << Boxes{{"16", 3000}, {"28", -200}, {"27", 10000}}
        << QList<double>{3000, 0, 0, 200, 10000, 0};
    QTest::newRow("T4RSP annuity from a spouse's death, other income")
        << 4 << 50 << Boxes{{"16", 3000}, {"marker", 1}, {"28", 150}, {"25", 4000}}
        << QList<double>{0, 3000, 150, 0, 0, 4000};
    // T4RIF: taxable under 65, excess under 65, taxable, excess, other income, deductions
    QTest::newRow("T4RIF under 65")
        << 7 << 60 << Boxes{{"16", 9000}, {"24", 1000}, {"22", -75}} << QList<double>{9000, 1000, 0, 0, 0, 75};
    QTest::newRow("T4RIF at 71")
        << 7 << 71 << Boxes{{"16", 9000}, {"24", 1000}, {"22", 60}} << QList<double>{0, 0, 9000, 1000, 60, 0};
    QTest::newRow("T4RIF under 65 from a spouse's death")
        << 7 << 55 << Boxes{{"16", 4000}, {"marker", 2}} << QList<double>{0, 0, 4000, 0, 0, 0};
}

void SlipPreparationTest::t4rspAndT4rif()
{
    QFETCH(int, slipType);
    QFETCH(int, age);
    QFETCH(Boxes, boxes);
    QFETCH(QList<double>, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    setAge(addT1(person), age);
    addSlip(person, slipType, boxes);
    const STRU_SLIPDATA_CALCULATION t = collect(person);
    const QList<double> got = slipType == 4
        ? QList<double>{t.t4rspAnnuity, t.t4rspAnnuityFromSpouseDeath, t.t4rspOtherIncome, t.t4rspDeductions,
                        t.t4rspHbpWithdrawals, t.t4rspLlpWithdrawals}
        : QList<double>{t.t4rifTaxableUnder65, t.t4rifExcessUnder65, t.t4rifTaxable, t.t4rifExcess,
                        t.t4rifOtherIncome, t.t4rifDeductions};
    QCOMPARE(got, expected);
}

void SlipPreparationTest::sharedSlipsCountTheirShare_data()
{
    QTest::addColumn<int>("slipType");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QList<double>>("expected");

    // T5013: capital gains, business income, interest
    QTest::newRow("T5013 with a 25% share: a quarter of each amount")
        << 13 << Boxes{{"partner_share_percent", 25}, {"030", 4000}, {"116", 10000}, {"128", 800}}
        << QList<double>{1000, 2500, 200};
    QTest::newRow("T5013 of the whole partnership")
        << 13 << Boxes{{"030", 4000}, {"116", 10000}, {"128", 800}} << QList<double>{4000, 10000, 800};
    // T5: interest, taxable eligible dividends, foreign tax
    QTest::newRow("joint T5 at 50%")
        << 8 << Boxes{{"share_percent", 50}, {"13", 300}, {"25", 1380}, {"16", 30}} << QList<double>{150, 690, 15};
    // T3: capital gains, taxable other dividends, foreign non-business income
    QTest::newRow("T3 at 40%")
        << 9 << Boxes{{"share_percent", 40}, {"21", 1000}, {"32", 115}, {"25", 250}} << QList<double>{400, 46, 100};
}

void SlipPreparationTest::sharedSlipsCountTheirShare()
{
    QFETCH(int, slipType);
    QFETCH(Boxes, boxes);
    QFETCH(QList<double>, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    addSlip(person, slipType, boxes);
    const STRU_SLIPDATA_CALCULATION t = collect(person);
    QList<double> got;
    switch (slipType) {
    case 13: got = {t.t5013CapitalGains, t.t5013NetBusinessIncome, t.t5013Interest}; break;
    case 8: got = {t.t5Interest, t.t5TaxableEligibleDividends, t.t5ForeignTax}; break;
    default: got = {t.t3CapitalGains, t.t3TaxableOtherDividends, t.t3ForeignNonBusinessIncome}; break;
    }
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(qAbs(got[i] - expected[i]) < 1e-9, qPrintable(QString::number(i)));
}

void SlipPreparationTest::formsEachSlipNeeds_data()
{
    QTest::addColumn<int>("slipType");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QList<int>>("forms");   // in the order they are made

    QTest::newRow("T3 capital gains: Schedule 3, then T936") << 9 << Boxes{{"21", 500}} << QList<int>{4, 32};
    QTest::newRow("T3 segregated fund losses") << 9 << Boxes{{"37", -100}} << QList<int>{4, 32};
    QTest::newRow("T3 dividends: Schedule 4") << 9 << Boxes{{"50", 700}} << QList<int>{5};
    QTest::newRow("T3 foreign tax: T2209") << 9 << Boxes{{"34", 40}} << QList<int>{35};
    QTest::newRow("T3 foreign income: Schedule 4 and T2209") << 9 << Boxes{{"25", 400}} << QList<int>{5, 35};
    QTest::newRow("T4 outside Quebec: Schedule 8 and T2204")
        << 1 << Boxes{{"province_of_employment", 9}, {"14", 30000}, {"16", 1400}, {"18", 470}, {"26", 30000}}
        << QList<int>{150, 23};
    QTest::newRow("T4 of Quebec without CPP but with earnings: RC381, not Schedule 8")
        << 1 << Boxes{{"province_of_employment", 11}, {"14", 30000}, {"24", 30000}, {"26", 30000}}
        << QList<int>{148, 23};
    QTest::newRow("T4 of Quebec, boxes entered as 0: RC381 for the QPP only")
        << 1
        << Boxes{{"province_of_employment", 11}, {"14", 30000}, {"17", 100}, {"ei_insurable_earnings_entered", 1},
                 {"pensionable_earnings_entered", 1}}
        << QList<int>{148};
    QTest::newRow("T4 with EI premiums only: T2204") << 1 << Boxes{{"18", 300}} << QList<int>{23};
    // Boxes 24 and 26 left blank: box 14 stands in for both, as the
    // agency's Schedule 8 and T2204 read them.
    QTest::newRow("T4 with box 14 alone: Schedule 8 and T2204") << 1 << Boxes{{"14", 100}} << QList<int>{150, 23};
    QTest::newRow("T4 exempt from CPP and EI (box 28): neither")
        << 1 << Boxes{{"14", 100}, {"cpp_qpp_exempt", 1}, {"ei_exempt", 1}} << QList<int>{};
    QTest::newRow("T4 donations: Schedule 9") << 1 << Boxes{{"46", 120}} << QList<int>{9};
    QTest::newRow("T4 exempt under the Indian Act: T90") << 1 << Boxes{{"71", 9000}} << QList<int>{171};
    QTest::newRow("T5 interest: Schedule 4") << 8 << Boxes{{"13", 60}} << QList<int>{5};
    QTest::newRow("T5 capital gains dividends: Schedule 3") << 8 << Boxes{{"18", 60}} << QList<int>{4};
    QTest::newRow("T5 foreign income and tax: Schedule 4 and T2209")
        << 8 << Boxes{{"15", 200}, {"16", 30}} << QList<int>{5, 35};
    QTest::newRow("T2202 months only: Schedule 11") << 25 << Boxes{{"25", 8}} << QList<int>{11};
    QTest::newRow("T4RSP HBP withdrawal: Schedule 7") << 4 << Boxes{{"27", 20000}} << QList<int>{7};
    QTest::newRow("T4RSP refund of premiums: nothing") << 4 << Boxes{{"18", 900}} << QList<int>{};
    QTest::newRow("T4A RESP accumulated income: T1172") << 2 << Boxes{{"040", 3000}} << QList<int>{17};
    QTest::newRow("T4A donations: Schedule 9") << 2 << Boxes{{"046", 25}} << QList<int>{9};
    QTest::newRow("T5013 capital gains and interest: Schedule 3, Schedule 4")
        << 13 << Boxes{{"030", 800}, {"128", 90}} << QList<int>{4, 5};
    QTest::newRow("T5013 business income only: nothing") << 13 << Boxes{{"116", 5000}} << QList<int>{};
    QTest::newRow("T4PS dividends, gains and foreign tax")
        << 14 << Boxes{{"31", 400}, {"34", 200}, {"38", 10}} << QList<int>{5, 4, 35};
}

void SlipPreparationTest::formsEachSlipNeeds()
{
    QFETCH(int, slipType);
    QFETCH(Boxes, boxes);
    QFETCH(QList<int>, forms);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    addSlip(person, slipType, boxes);

    std::set<ENUMTYPE_FORM> asked;
    collect(person, &asked);
    QCOMPARE(asked, std::set<ENUMTYPE_FORM>(forms.begin(), forms.end()));

    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> needed;
    person.PrepareSlipsBeforeCalculate(totals, needed);
    QCOMPARE(needed, asked);
    QList<int> made = formTypes(person);
    made.removeFirst();   // the T1
    QCOMPARE(made, forms);
    for (int type : forms) QVERIFY(person.slipsRequireForm(type));
    QVERIFY(!person.slipsRequireForm(1));
}

void SlipPreparationTest::collectingOnlyAsks()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    addSlip(person, 9, {{"21", 500}, {"50", 100}});
    addSlip(person, 1, {{"14", 40000}, {"16", 2000}, {"24", 0}, {"26", 40000}, {"ei_insurable_earnings_entered", 1}});
    const int counter = person.peekNextUniqueID();
    std::set<ENUMTYPE_FORM> needed;
    const STRU_SLIPDATA_CALCULATION t = collect(person, &needed);
    QCOMPARE(t.t3CapitalGains, 500.0);
    QCOMPARE(needed, (std::set<ENUMTYPE_FORM>{4, 5, 32, 150}));
    QCOMPARE(formTypes(person), QList<int>{1});
    QCOMPARE(person.peekNextUniqueID(), counter);
    QVERIFY(person.slipsRequireForm(32));
    QCOMPARE(formTypes(person), QList<int>{1});
}

void SlipPreparationTest::preparingMakesTheMissingFormsOnce()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    person.GetFormData(FormType::Schedule4, true);   // Schedule 4 is there already
    addSlip(person, 9, {{"21", 500}, {"50", 100}});
    const int counter = person.peekNextUniqueID();
    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> needed;
    person.PrepareSlipsBeforeCalculate(totals, needed);
    QCOMPARE(needed, (std::set<ENUMTYPE_FORM>{4, 5, 32}));
    QCOMPARE(formTypes(person), (QList<int>{1, 5, 4, 32}));
    // Made forms take the next identifiers of the return.
    QCOMPARE(person.GetFormDataItem(FormType::Schedule3, false)->uniqueId, counter);
    QCOMPARE(person.GetFormDataItem(FormType::T936, false)->uniqueId, counter + 1);

    STRU_SLIPDATA_CALCULATION again;
    needed.clear();
    person.PrepareSlipsBeforeCalculate(again, needed);
    QCOMPARE(formTypes(person), (QList<int>{1, 5, 4, 32}));
    QCOMPARE(again.t3CapitalGains, totals.t3CapitalGains);
}

void SlipPreparationTest::aFormPresentTwiceIsLeftAlone()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    person.NewFormDataItem(35, -1, true, 0, false);
    person.NewFormDataItem(35, -1, true, 0, false);
    addSlip(person, 8, {{"16", 30}});
    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> needed;
    person.PrepareSlipsBeforeCalculate(totals, needed);
    QVERIFY(needed.count(35));
    QCOMPARE(person.GetCountOfForm(FormType::T2209T2036), 2);
}

void SlipPreparationTest::noSlipsLeavesTheTotalsAsTheyWere()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    STRU_SLIPDATA_CALCULATION totals;
    totals.t4EmploymentIncome = 5;
    std::set<ENUMTYPE_FORM> needed{7};
    person.PrepareSlipsBeforeCalculate(totals, needed);
    QCOMPARE(totals.t4EmploymentIncome, 5.0);
    QCOMPARE(totals.t4eRepaymentRate, 1.0);
    QCOMPARE(needed, std::set<ENUMTYPE_FORM>{7});
    QCOMPARE(person.GetCountOfForm(0), 1);
}

QTEST_GUILESS_MAIN(SlipPreparationTest)
#include "tst_slippreparation.moc"

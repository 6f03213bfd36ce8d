// The federal forms' own arithmetic: each schedule or form given its inputs
// and calculated alone, and the T1's line calculations. Each expected amount
// is worked by hand from the agency's 2021 form in its row's comment.

#include <functional>
#include <memory>

#include <QtTest>

#include "dependantinfo.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formclasses.h"
#include "schedules.h"
#include "t1.h"

namespace {

struct Value
{
    QString name;
    double value;
};
using Values = QList<Value>;

void apply(CTaxData_Form& form, const Values& values)
{
    for (const Value& v : values) {
        const CString name(v.name);
        const CField* f = form.field(name);
        QVERIFY2(f, qPrintable(v.name));
        switch (f->GetType()) {
        case CField::Int: form.setInt(name, int(v.value)); break;
        case CField::Bool: form.setBool(name, v.value != 0); break;
        case CField::String: form.setString(name, "x"); break;   // any text names a row
        case CField::Date: form.setDate(name, QDate(int(v.value), 6, 1)); break;   // a year
        default: form.setFloat(name, v.value); break;
        }
    }
}

// Makes the form, and runs its calculation once its inputs are in.
struct Calc
{
    std::function<TableForm*()> make;
    std::function<void(TableForm&)> run;
};

template <typename T>
Calc calc(std::function<void(T&)> run)
{
    return Calc{[] { return new T; }, [run](TableForm& f) { run(static_cast<T&>(f)); }};
}

Calc sch5(double bpa, double spouseNetIncome, bool hasSpouse)
{
    return calc<TaxData_Sch5>([=](TaxData_Sch5& f) {
        TaxData_Sch5::Inputs in;
        in.basicPersonalAmount = bpa;
        in.spouseNetIncome = spouseNetIncome;
        in.hasSpouse = in.canClaimSpouse = hasSpouse;
        f.Calculate01(in);
    });
}

} // namespace

Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Calc)

class FedCalcsTest : public QObject
{
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
    void cppContributionsAgreeWithTheRules();
    void t1Lines_data();
    void t1Lines();
    void medicalExpensesOfDependants();
    void spouseTaxableIncomeForSchedule2_data();
    void spouseTaxableIncomeForSchedule2();
};

void FedCalcsTest::forms_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<Values>("inputs");
    QTest::addColumn<Values>("expected");

    const Calc sch8 = calc<TaxData_Sch8_14>([](TaxData_Sch8_14& f) { f.Calculate01(); });
    // Employee 30,000: (30,000 - 3,500) x 5.45% = 1,444.25 paid and required;
    // base 26,500 x 4.95% = 1,311.75, enhanced 132.50. With 20,000 of
    // self-employment: (50,000 - 3,500) x 10.9% = 5,068.50 less twice
    // 1,444.25 = 2,180; base 2,180 x 9.9/10.9 = 1,980, credit 990, deduction
    // 200 + 990 = 1,190.
    QTest::newRow("Schedule 8: employment and self-employment")
        << sch8 << Values{{"50339", 30000}, {"50340", 1444.25}, {"self_employment_earnings", 20000}}
        << Values{{"30800", 1311.75}, {"22215", 132.50}, {"42100", 2180}, {"31000", 990}, {"22200", 1190},
                  {"overpayment", 0}};
    // (61,600 - 3,500) x 10.9% = 6,332.90; base 58,100 x 9.9% = 5,751.90,
    // credit 2,875.95, deduction 581 + 2,875.95 = 3,456.95.
    QTest::newRow("Schedule 8: self-employment above the maximum")
        << sch8 << Values{{"self_employment_earnings", 80000}}
        << Values{{"42100", 6332.90}, {"31000", 2875.95}, {"22200", 3456.95}, {"30800", 0}};
    // Nine months: exemption 3,500 x 9/12 = 2,625; (20,000 - 2,625) x 5.45%
    // = 946.9375 -> 946.94 required, 1,000 - 946.94 = 53.06 back; base
    // 946.94 x 4.95/5.45 = 860.06, enhanced 86.88.
    QTest::newRow("Schedule 8: nine months of the year")
        << sch8 << Values{{"50339", 20000}, {"50340", 1000}, {"pensionable_months", 9}}
        << Values{{"contributions_required", 946.94}, {"overpayment", 53.06}, {"30800", 860.06},
                  {"22215", 86.88}};

    const auto sch9 = [](double netIncome, double taxableIncome, bool deceased) {
        return calc<TaxData_Sch9>([=](TaxData_Sch9& f) { f.Calculate01(netIncome, taxableIncome, deceased); });
    };
    // 200 x 15% = 30; the other 9,800 all within taxable income over
    // 216,511 (83,489): 9,800 x 33% = 3,234. 3,264.
    QTest::newRow("Schedule 9: all at 33%") << sch9(300000, 300000, false) << Values{{"donations.1.amount", 10000}}
                                            << Values{{"34000", 10000}, {"34900", 3264}};
    // 220,000 - 216,511 = 3,489 x 33% = 1,151.37; 6,311 x 29% = 1,830.19;
    // 30 + 1,151.37 + 1,830.19 = 3,011.56.
    QTest::newRow("Schedule 9: partly at 33%") << sch9(220000, 220000, false) << Values{{"donations.1.amount", 10000}}
                                               << Values{{"34900", 3011.56}};
    // Limit 75% of 4,000 = 3,000: 30 + 2,800 x 29% = 842.
    QTest::newRow("Schedule 9: 75% of net income")
        << sch9(4000, 4000, false) << Values{{"donations.1.amount", 2000}, {"donations_self", 3000}}
        << Values{{"total_eligible_donations", 5000}, {"donation_limit", 3000}, {"34000", 3000}, {"34900", 842}};
    // Year of death: all of net income, 4,000: 30 + 3,800 x 29% = 1,132.
    QTest::newRow("Schedule 9: year of death") << sch9(4000, 4000, true) << Values{{"donations_slips", 5000}}
                                               << Values{{"34000", 4000}, {"34900", 1132}};
    // Cultural gifts have no limit: 30 + 4,800 x 29% = 1,422.
    QTest::newRow("Schedule 9: cultural gift")
        << sch9(4000, 4000, false) << Values{{"donations.1.amount", 5000}, {"donations.1.cultural_or_ecological", 1}}
        << Values{{"34000", 0}, {"34200", 5000}, {"34900", 1422}};
    // A planned total replaces the 7,000 of gifts; the cultural part it can
    // hold (5,000 of 6,000) stays unlimited: 1,000 within the 3,000 limit.
    QTest::newRow("Schedule 9: planned total with a cultural gift")
        << sch9(4000, 4000, false)
        << Values{{"donations.1.amount", 5000}, {"donations.1.cultural_or_ecological", 1}, {"donations.2.amount", 2000},
                  {"planned_donations", 6000}, {"donations_planned", 1}}
        << Values{{"total_eligible_donations", 6000}, {"34000", 1000}, {"34200", 5000}};
    QTest::newRow("Schedule 9: planned total of 0")
        << sch9(4000, 4000, false)
        << Values{{"donations.1.amount", 2000}, {"planned_donations", 0}, {"donations_planned", 1}}
        << Values{{"total_eligible_donations", 0}, {"34000", 0}, {"34900", 0}};

    // Training credit min(4,000 / 2, 500) = 500; 3,500 of this year left.
    // Needed 20,000 - 15,000 = 5,000: 3,000 carried first, then 2,000 of
    // this year's. Transferable min(3,500, 5,000) - 2,000 = 1,500 of the
    // 2,000 asked; nothing left to carry.
    QTest::newRow("Schedule 11: carried amount first, training credit, transfer")
        << calc<TaxData_Sch11>([](TaxData_Sch11& f) { f.Calculate01(); })
        << Values{{"unused_tuition_carryforward", 3000}, {"32000", 4000}, {"ctc_limit", 500},
                  {"taxable_income", 20000}, {"credits_before_tuition", 15000}, {"32700", 2000}}
        << Values{{"45350", 500}, {"unused_tuition_claimed", 3000}, {"current_tuition_claimed", 2000},
                  {"32300", 5000}, {"tuition_carried_forward", 0}};

    // 1,000 + 2,000 + 5,000 = 8,000 less what the spouse needs, 20,000 -
    // 15,000 = 5,000: 3,000.
    QTest::newRow("Schedule 2: the spouse keeps part")
        << calc<TaxData_Sch2>([](TaxData_Sch2& f) { f.Calculate01(); })
        << Values{{"35200", 1000}, {"35500", 2000}, {"36000", 5000}, {"35100", 20000}, {"spouse_credits_used", 15000}}
        << Values{{"transferable_total", 8000}, {"32600", 3000}};

    // Infirm spouse, net income 10,000: 13,808 + 2,295 - 10,000 = 6,103;
    // caregiver 7,348 - 6,103 = 1,245. Another infirm adult with 20,000:
    // 7,348 - (20,000 - 17,256) = 4,604. Two infirm children: 4,590.
    QTest::newRow("Schedule 5: infirm spouse, adult and children")
        << sch5(13808, 10000, true)
        << Values{{"spouse_infirm", 1}, {"caregiver_dependants.1.first_name", 0}, {"caregiver_dependants.1.net_income", 20000},
                  {"infirm_children.1.first_name", 0}, {"infirm_children.2.first_name", 0}}
        << Values{{"30300", 6103}, {"30425", 1245}, {"30450", 4604}, {"30500", 4590}};
    // 16,103 - 20,000 is nothing; caregiver 7,348 - 2,744 = 4,604.
    QTest::newRow("Schedule 5: infirm spouse with 20,000")
        << sch5(13808, 20000, true) << Values{{"spouse_infirm", 1}} << Values{{"30300", 0}, {"30425", 4604}};
    // A dependant is claimed only without a spouse.
    QTest::newRow("Schedule 5: no eligible dependant with a spouse")
        << sch5(13808, 0, true) << Values{{"eligible_dependant_first_name", 0}}
        << Values{{"30300", 13808}, {"30400", 0}};
    // ...unless the person lived apart from the spouse: the dependant instead.
    QTest::newRow("Schedule 5: a dependant instead of a spouse lived apart from")
        << sch5(13808, 0, true) << Values{{"eligible_dependant_first_name", 0}, {"eligible_dependant_condition", 1}}
        << Values{{"30300", 0}, {"30400", 13808}};

    const Calc sch6 = calc<TaxData_Sch6>([](TaxData_Sch6& f) { f.Calculate01(); });
    // Couple: 20,000 + 10,000 working; adjusted 30,000 less the lower
    // earner's 10,000 = 20,000, under 26,177: the family maximum 2,403.
    // Disability supplement (20,000 - 1,150) x 27%, at most 720.
    QTest::newRow("Schedule 6: couple with the secondary earner exemption")
        << sch6
        << Values{{"employment_income", 20000}, {"spouse_employment_income", 10000}, {"net_income", 20000},
                  {"spouse_net_income", 10000}, {"disability_supplement", 1}}
        << Values{{"family_working_income", 30000}, {"adjusted_family_net_income", 20000}, {"basic_cwb", 2403},
                  {"disability_supplement_amount", 720}, {"45300", 3123}};
    // Single, 30,000: 1,395 - 15% x (30,000 - 22,944) = 1,395 - 1,058.40 = 336.60.
    QTest::newRow("Schedule 6: single, reduced")
        << sch6 << Values{{"no_spouse", 1}, {"employment_income", 30000}, {"net_income", 30000}}
        << Values{{"45300", 336.60}};

    // 1,000 unused + 5,000 = 6,000 available; transfers 2,000 in full; 3,500
    // asked for, so 1,500 more within the 3,000 limit: 3,500, 2,500 left.
    QTest::newRow("Schedule 7: transfers and a smaller claim")
        << calc<TaxData_Sch7>([](TaxData_Sch7& f) { f.Calculate01(0, 0); })
        << Values{{"line_1", 1000}, {"contributions.1.amount_2021", 5000}, {"transfers", 2000},
                  {"rrsp_deduction_limit", 3000}, {"deduction_requested", 3500}}
        << Values{{"line_5", 6000}, {"20800", 3500}, {"unused_contributions_carried_forward", 2500}};
    // The notice of assessment's limit stands in for the schedule's: 4,000.
    QTest::newRow("Schedule 7: limit from the return")
        << calc<TaxData_Sch7>([](TaxData_Sch7& f) { f.Calculate01(4000, 500); })
        << Values{{"contributions.1.amount_2021", 5000}} << Values{{"line_5", 5500}, {"20800", 4000}};
    // A planned deduction replaces the 3,000 the schedule allows, 0 included;
    // the carry-forward never goes below 0.
    QTest::newRow("Schedule 7: planned deduction of 0")
        << calc<TaxData_Sch7>([](TaxData_Sch7& f) { f.Calculate01(0, 0); })
        << Values{{"contributions.1.amount_2021", 5000}, {"rrsp_deduction_limit", 3000}, {"planned_deduction", 0},
                  {"deduction_planned", 1}}
        << Values{{"20800", 0}, {"unused_contributions_carried_forward", 5000}};
    QTest::newRow("Schedule 7: planned deduction above the contributions")
        << calc<TaxData_Sch7>([](TaxData_Sch7& f) { f.Calculate01(0, 0); })
        << Values{{"contributions.1.amount_2021", 5000}, {"rrsp_deduction_limit", 3000},
                  {"planned_deduction", 7000}, {"deduction_planned", 1}}
        << Values{{"20800", 7000}, {"unused_contributions_carried_forward", 0}};
    QTest::newRow("Schedule 7: planned amount without the flag")
        << calc<TaxData_Sch7>([](TaxData_Sch7& f) { f.Calculate01(0, 0); })
        << Values{{"contributions.1.amount_2021", 5000}, {"rrsp_deduction_limit", 3000}, {"planned_deduction", 0}}
        << Values{{"20800", 3000}};

    // 56,300 x 1.58% = 889.54.
    QTest::newRow("Schedule 13: insurable maximum")
        << calc<TaxData_Sch13>([](TaxData_Sch13& f) { f.Calculate01(); }) << Values{{"self_employment_earnings", 60000}}
        << Values{{"insurable_earnings", 56300}, {"31217", 889.54}, {"42120", 889.54}};

    const Calc t2204 = calc<TaxData_T2204_New>([](TaxData_T2204_New& f) { f.Calculate01(); });
    // 1,500 earned: nothing due below 2,000, all 23.70 back.
    QTest::newRow("T2204: earnings under 2,000") << t2204
                                                 << Values{{"insurable_earnings", 1500}, {"premiums_deducted", 23.70}}
                                                 << Values{{"overpayment", 23.70}, {"total_overpayment", 23.70}};
    // 2,500 x 1.58% = 39.50 due and paid.
    QTest::newRow("T2204: nothing over") << t2204 << Values{{"insurable_earnings", 2500}, {"premiums_deducted", 39.50}}
                                         << Values{{"premiums_payable", 39.50}, {"overpayment", 0}};

    const Calc t778 = calc<TaxData_T778New>([](TaxData_T778New& f) { f.Calculate01(); });
    // Children of 5 and 10: 8,000 + 5,000 = 13,000; two-thirds of 15,000 =
    // 10,000 is the least.
    const Values children{{"children.1.birth_date", 2016}, {"children.2.birth_date", 2011},
                          {"payments.1.amount", 15000}, {"earned_income", 15000}};
    QTest::newRow("T778: two-thirds of earned income") << t778 << children
                                                       << Values{{"basic_limit", 13000}, {"deduction", 10000}};
    // The higher-income spouse: 10 weeks of the other's studies at 200 +
    // 125 a week = 3,250.
    Values higher = children;
    higher << Value{"is_higher_net_income", 1} << Value{"spouse_student_full_time_weeks", 10};
    QTest::newRow("T778: higher-income spouse") << t778 << higher
                                                << Values{{"part_c_limit", 3250}, {"deduction", 3250}};

    // 10,000 of eligible dividends as split income: 3,300 at 33% less
    // 10,000 x 15.0198% = 1,501.98: 1,798.02.
    QTest::newRow("T1206: split dividends")
        << calc<TaxData_T1206New>([](TaxData_T1206New& f) { f.CalculateTOSI(); }) << Values{{"68330", 10000}}
        << Values{{"68360", 10000}, {"federal_tax", 3300}, {"net_federal_tax", 1798.02}};

    // 100,000 + 30% of the 100,000 gain (3/5 of the 50,000 taxable) =
    // 130,000; (130,000 - 40,000) x 15% = 13,500 less 2,000 of credits =
    // 11,500. Regular tax 15,000 leaves 3,500 for the 5,000 carried over.
    QTest::newRow("T691: carryover absorbed")
        << calc<TaxData_T691New>([](TaxData_T691New& f) {
               f.CalculateToLine65andMinitaxCarryOverAndLine102(100000, 50000, 2000, 15000);
               f.CalculateToEnd();
           })
        << Values{{"carryover_prior", 5000}}
        << Values{{"adjusted_taxable_income", 130000}, {"minimum_tax", 11500}, {"carryover_applied", 3500},
                  {"additional_tax", 0}};
    // Regular tax 10,000 under 11,500: 1,500 more, nothing carried in.
    QTest::newRow("T691: minimum tax above the regular tax")
        << calc<TaxData_T691New>([](TaxData_T691New& f) {
               f.CalculateToLine65andMinitaxCarryOverAndLine102(100000, 50000, 2000, 10000);
               f.CalculateToEnd();
           })
        << Values{{"carryover_prior", 5000}} << Values{{"carryover_applied", 0}, {"additional_tax", 1500}};

    // 1,130 with 13% HST: 130; CCA 210 with 5% GST: 10.
    QTest::newRow("GST370: rebate by rate")
        << calc<CTaxData_GST370>([](CTaxData_GST370& f) { f.Calculate01(); })
        << Values{{"expenses_13", 1130}, {"cca_5", 210}}
        << Values{{"rebate_13", 130}, {"rebate_5", 10}, {"rebate", 140}, {"rebate_cca_part", 10}, {"rebate_other_part", 130}};
}

void FedCalcsTest::forms()
{
    QFETCH(Calc, calc);
    QFETCH(Values, inputs);
    QFETCH(Values, expected);
    std::unique_ptr<TableForm> form(calc.make());
    apply(*form, inputs);
    calc.run(*form);
    for (const Value& v : expected)
        QVERIFY2(qAbs(form->getFloat(CString(v.name)) - v.value) < kAmountThatCounts,
                 qPrintable(QStringLiteral("%1: %2, expected %3").arg(v.name).arg(form->getFloat(CString(v.name))).arg(v.value)));
}

// Self-employment alone through Schedule 8's combined rule gives what the
// self-employment rule alone gives, across the earnings range.
void FedCalcsTest::cppContributionsAgreeWithTheRules()
{
    for (double earnings : {2000.0, 3500.0, 3501.0, 25000.0, 61600.0, 90000.0}) {
        const CppRelatedAmounts combined = cppContributions(0, 0, earnings, 12);
        const Federal2021::CppSelfEmployment alone = Federal2021::cppOnSelfEmployment(earnings);
        QCOMPARE(combined.payable42100, alone.contributions);
        QCOMPARE(combined.credit31000, alone.credit);
        QCOMPARE(combined.deduction22200, alone.deduction);
    }
}

namespace {

enum T1Step { TOTAL_INCOME, NET_INCOME, TAXABLE_INCOME, PENSION_AMOUNT, CREDITS, BASIC_TAX, BALANCE };

void runT1(TaxData_T1New& t1, int step)
{
    switch (step) {
    case TOTAL_INCOME: t1.CalculateTotalIncome(true); break;
    case NET_INCOME: t1.CalculateNetIncomeAfterCCT(0); break;
    case TAXABLE_INCOME: t1.CalculateTaxableIncome(0); break;
    case PENSION_AMOUNT: t1.CalculateLine314ByWorkSheet(); break;
    case CREDITS: t1.CalculateField350AndField410_414(); break;
    case BASIC_TAX: t1.CalculateField429AndNonResiSurTax(); break;
    case BALANCE:
        t1.CalculateBeforeLine437(0);
        t1.CalculateBalance(0);
        break;
    }
}

} // namespace

void FedCalcsTest::t1Lines_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("age");
    QTest::addColumn<Values>("inputs");
    QTest::addColumn<Values>("expected");

    // Lines typed on the return count with the slip amounts beside them;
    // 14700 = 1,000 + 2,000 + 500; 12010 is part of 12000. 30,000 + 100 +
    // 900 + 1,380 + 3,500 + 250 = 36,130.
    QTest::newRow("total income") << int(TOTAL_INCOME) << 40
                                  << Values{{"10100", 30000}, {"13000", 100}, {"13000_slips", 900}, {"12000", 1380},
                                            {"12010", 115}, {"14400", 1000}, {"14500", 2000}, {"14600", 500},
                                            {"spousal_plan_income_adjustment", 250}}
                                  << Values{{"14700", 3500}, {"15000", 36130}};
    // 90,500 - 500 = 90,000 before adjustments; the recovery counts 90,000
    // - 1,000 of UCCB + 500 repaid = 89,500: (89,500 - 79,845) x 15% = 1,448.25.
    QTest::newRow("OAS recovery after the UCCB adjustments")
        << int(NET_INCOME) << 70 << Values{{"15000", 90500}, {"21300", 500}, {"11700", 1000}, {"11300", 7000}}
        << Values{{"23400", 90000}, {"23500", 1448.25}, {"23600", 88551.75}};
    // (150,000 - 79,845) x 15% = 10,523.25, at most the 7,000 received.
    QTest::newRow("OAS recovery of all the pension") << int(NET_INCOME) << 70 << Values{{"15000", 150000}, {"11300", 7000}}
                                                     << Values{{"23500", 7000}, {"23600", 143000}};
    // EI benefits repayment: 30% x the lesser of 6,000 and (80,000 - 70,375 = 9,625) = 1,800.
    QTest::newRow("EI benefits repaid") << int(NET_INCOME) << 40
        << Values{{"15000", 80000}, {"ei_regular_benefits_repayable", 6000}}
        << Values{{"ei_benefits_repayment", 1800}, {"23500", 1800}, {"23600", 78200}};
    // At 70,000 nothing is repaid.
    QTest::newRow("EI benefits under the threshold") << int(NET_INCOME) << 40
        << Values{{"15000", 70000}, {"ei_regular_benefits_repayable", 6000}}
        << Values{{"23500", 0}, {"23600", 70000}};
    // EI first: 30% x min(3,000, 29,625) = 900; then OAS on 100,000 - 900:
    // (99,100 - 79,845) x 15% = 2,888.25; together 3,788.25.
    QTest::newRow("EI repaid before the OAS recovery") << int(NET_INCOME) << 70
        << Values{{"15000", 100000}, {"11300", 7500}, {"ei_regular_benefits_repayable", 3000}}
        << Values{{"ei_benefits_repayment", 900}, {"oas_recovery", 2888.25}, {"23500", 3788.25}, {"23600", 96211.75}};
    // Half of a business investment loss of 4,000 (slips 1,000).
    QTest::newRow("allowable business investment loss")
        << int(NET_INCOME) << 40 << Values{{"15000", 50000}, {"21699", 3000}, {"21699_slips", 1000}}
        << Values{{"21700", 2000}, {"23600", 48000}};
    // 8,000 repaid against 7,000 of OAS: 1,000 of the 5,000 supplements
    // repaid, 4,000 deducted. 60,000 - 4,000 - 1,000 typed = 55,000.
    QTest::newRow("supplements deduction after the repayment")
        << int(TAXABLE_INCOME) << 70
        << Values{{"23600", 60000}, {"oas_recovery", 8000}, {"11300", 7000}, {"14600", 5000}, {"25200", 1000}}
        << Values{{"25000", 4000}, {"25700", 5000}, {"26000", 55000}};
    QTest::newRow("taxable income not below 0") << int(TAXABLE_INCOME) << 40 << Values{{"23600", 1000}, {"25200", 5000}}
                                                << Values{{"26000", 0}};
    // Under 65, only 3,000 - 2,000 = 1,000 of line 11500 counts.
    QTest::newRow("pension amount under 65") << int(PENSION_AMOUNT) << 60
                                             << Values{{"11500", 3000}, {"pension_ineligible_under65", 2000}}
                                             << Values{{"31400", 1000}};
    QTest::newRow("pension amount at 65 from annuities") << int(PENSION_AMOUNT) << 65
                                                         << Values{{"pension_eligible_12900", 1500}}
                                                         << Values{{"31400", 1500}};
    // Political contributions 1,000: 75% x 400 + 50% x 350 + 250 / 3 =
    // 558.33; labour-sponsored funds 1,000 x 15% = 150. Digital news 800
    // counts as 500: 13,808 + 500 = 14,308 x 15% = 2,146.20.
    QTest::newRow("political and labour-sponsored credits")
        << int(CREDITS) << 40 << Values{{"40900", 1000}, {"41300", 1000}, {"31350", 800}}
        << Values{{"41000", 558.33}, {"41400", 150}, {"33500", 14308}, {"33800", 2146.20}};
    QTest::newRow("political credit at most 650") << int(CREDITS) << 40 << Values{{"40900", 2000}, {"41300", 6000}}
                                                  << Values{{"41000", 650}, {"41400", 750}};
    // 5,000 - 2,000 - 1,000 = 2,000; credits above the tax give 0.
    QTest::newRow("basic federal tax") << int(BASIC_TAX) << 40
                                       << Values{{"40400", 5000}, {"35000", 2000}, {"40425", 1000}}
                                       << Values{{"42900", 2000}};
    QTest::newRow("basic federal tax not below 0") << int(BASIC_TAX) << 40 << Values{{"40400", 1000}, {"35000", 2000}}
                                                   << Values{{"42900", 0}};
    // 1,000 + 200 + 300 + 400 = 1,900 payable; 500 + 100 + 50 + 25% x
    // 1,000 of school supplies = 900 in credits: 1,000 owing.
    QTest::newRow("balance owing")
        << int(BALANCE) << 40
        << Values{{"42000", 1000}, {"42100", 200}, {"42120", 300}, {"23500", 400}, {"43700_slips", 500}, {"44800", 100},
                  {"45000", 50}, {"46800", 1500}}
        << Values{{"42200", 400}, {"43500", 1900}, {"46900", 250}, {"48200", 900}, {"48500", 1000}, {"48400", 0}};
}

void FedCalcsTest::t1Lines()
{
    QFETCH(int, step);
    QFETCH(int, age);
    QFETCH(Values, inputs);
    QFETCH(Values, expected);
    TaxData_T1New t1;
    t1.setDate("birth_date", QDate(TaxData_T1New::kTaxYear - age, 1, 1));
    apply(t1, inputs);
    runT1(t1, step);
    for (const Value& v : expected)
        QVERIFY2(qAbs(t1.getFloat(CString(v.name)) - v.value) < kAmountThatCounts,
                 qPrintable(QStringLiteral("%1: %2, expected %3").arg(v.name).arg(t1.getFloat(CString(v.name))).arg(v.value)));
}

// Net income 50,000: the threshold 1,500 takes all of the 1,000 + 500 of
// the person and a child of 10. A parent with 10,000 of income: 1,000 less
// 3% of 10,000 = 300, so 700 on line 33199. 33200 = 700.
void FedCalcsTest::medicalExpensesOfDependants()
{
    DependantInfoStruct dependants;
    dependants.AllocData(DependantInfoStruct::kEntries);
    DependantEntry* parent = dependants.entry(0);
    parent->setFirstName("Pat");
    parent->relationship = DEP_REL_PARENT;
    parent->birthDate = QDate(1945, 1, 1);
    parent->netIncome = 10000;
    DependantEntry* child = dependants.entry(1);
    child->setFirstName("Kit");
    child->relationship = DEP_REL_CHILD;
    child->birthDate = QDate(2011, 1, 1);

    TaxData_T1New t1;
    t1.SetDependantInfo(&dependants);
    apply(t1, {{"23600", 50000},
               {"medical_expenses.1.amount", 1000},
               {"medical_expenses.2.patient", 2},
               {"medical_expenses.2.amount", 1000},
               {"medical_expenses.3.patient", 3},
               {"medical_expenses.3.amount", 500}});
    t1.CalculateField350AndField410_414();
    QCOMPARE(t1.getFloat("33099"), 1500.0);
    QCOMPARE(t1.getFloat("33199"), 700.0);
    QCOMPARE(t1.getFloat("33200"), 700.0);
}

void FedCalcsTest::spouseTaxableIncomeForSchedule2_data()
{
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("figure");
    QTest::newRow("in the first bracket") << 30000.0 << 30000.0;
    QTest::newRow("at 49,020") << 49020.0 << 49020.0;
    // 7,353 + 10,980 x 20.5% = 9,603.90, over 15%: 64,026.
    QTest::newRow("above it: tax over 15%") << 60000.0 << 64026.0;
}

void FedCalcsTest::spouseTaxableIncomeForSchedule2()
{
    QFETCH(double, taxable);
    QFETCH(double, figure);
    QCOMPARE(TaxData_T1New::m_taxStairs.CalcAlgoForSpouseF260S2(taxable), figure);
}

QTEST_MAIN(FedCalcsTest)
#include "tst_fedcalcs.moc"

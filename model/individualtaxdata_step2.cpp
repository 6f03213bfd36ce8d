// Calculation step 2 of a person's return: total income, the deductions and
// the pension-plan and employment insurance figures, net income and taxable
// income.

#include <algorithm>

#include "amounts.h"
#include "deductionlines.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formclasses.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "stephelpers.h"
#include "schedules.h"
#include "statements.h"
#include "t1.h"

namespace {

// The sum of a field over every form of a type.
double sumOverForms(IndividualTaxData& person, ENUMTYPE_FORM type, const char* name)
{
    std::list<STRUCT_FORMDATA_ITEM_2004*> items;
    person.GetFormDataList(type, items);
    double sum = 0.0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : items)
        if (item->object) sum += item->object->getFloat(name);
    return sum;
}

// Runs each form of a type's own calculation.
void calculateEach(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    std::list<STRUCT_FORMDATA_ITEM_2004*> items;
    person.GetFormDataList(type, items);
    for (STRUCT_FORMDATA_ITEM_2004* item : items)
        if (item->object) item->object->Calculate();
}

// Pensionable earnings of the T4 slips by Schedule 8's rule; where that
// rule finds none, the earnings the slip totals worked out before stay.
void setEarnings(CTaxData_Form& form, const char* name, double earnings)
{
    if (earnings >= kPresent || form.getFloat(name) < kPresent) form.setFloat(name, earnings);
}

// The six CPP figures of the return.
void setCppFigures(TaxData_T1New& t1, const CppRelatedAmounts& cpp)
{
    t1.setFloat("30800", cpp.base30800);
    t1.setFloat("22215", cpp.enhanced22215);
    t1.setFloat("31000", cpp.credit31000);
    t1.setFloat("22200", cpp.deduction22200);
    t1.setFloat("42100", cpp.payable42100);
    t1.setFloat("44800", cpp.overpayment44800);
}

// Losses are left out of the earned income of the disability supports deduction.
const char* const kT929IncomeLines[] = {"11410", "13010", "13500", "13700", "13900", "14100", "14300"};

} // namespace

int IndividualTaxData::calculateStep2(bool)
{
    TaxData_T1New* t1 = this->t1();
    if (!t1) return 0;
    const int flag = m_calculationFlag;

    // 1. Total income.
    t1->CalculateTotalIncome(true);

    // 2. RRSP deduction, with the 2020 notice of assessment kept on the T1
    //    standing in for what the schedule lacks.
    auto* sch7 = formOf<TaxData_Sch7>(*this, FormType::Schedule7);
    if (sch7)
        sch7->Calculate01(t1->getFloat("carryforward_rrsp_deduction_limit"),
                          t1->getFloat("carryforward_rrsp_unused_contributions"));
    t1->setFloat("20800_sch7", amountOf(sch7, "20800"));
    // With a Schedule 7 the deduction is claimed there: line 20800 shows it.
    if (sch7) t1->setFloat("20800", amountOf(sch7, "20800"));

    // 3. Disability supports and moving expenses.
    if (auto* t929 = formOf<TaxData_T929New>(*this, FormType::T929)) {
        double earned = t1->getFloat("10100") + t1->getFloat("10400") + t1->getFloat("10400_slips");
        for (const char* line : kT929IncomeLines)
            if (t1->getFloat(line) >= kPresent) earned += t1->getFloat(line);
        t929->setFloat("earned_income", earned);
        t929->Calculate01();
    }
    t1->setFloat("21500", amountOf(GetFormData(FormType::T929, false), "deduction"));
    if (auto* t1m = formOf<TaxData_T1MNew>(*this, FormType::T1M)) {
        // Last year's unused moving expenses, carried in by the import.
        if (!present(t1m->getFloat("carried_forward_prior")))
            t1m->setFloat("carried_forward_prior", t1->getFloat("carryforward_moving_expenses"));
        t1m->Calculate01();
    }
    t1->setFloat("21900", amountOf(GetFormData(FormType::T1M, false), "deduction"));

    // 4. Resource expenses, employment expenses, clergy residence.
    if (auto* t1229 = formOf<CTaxData_T1229>(*this, FormType::T1229)) t1229->Calculate01();
    t1->setFloat("22400", amountOf(GetFormData(FormType::T1229, false), "total_deduction"));
    calculateEach(*this, 59);
    {
        std::list<STRUCT_FORMDATA_ITEM_2004*> items;
        GetFormDataList(FormType::T777S, items);
        for (STRUCT_FORMDATA_ITEM_2004* item : items)
            if (auto* home = dynamic_cast<TaxData_T777Covid19*>(item->object)) home->Calculate01();
    }
    t1->setFloat("22900", sumOverForms(*this, 59, "9368") + sumOverForms(*this, 179, "9368"));
    calculateEach(*this, 92);
    calculateEach(*this, 145);
    if (auto* t1223 = formOf<CTaxData_T1223>(*this, FormType::T1223)) t1223->Calculate01();
    t1->setFloat("23100", amountOf(GetFormData(FormType::T1223, false), "deduction"));

    // 5. CPP or QPP and EI on self-employment; the employees' contributions
    //    and premiums and their overpayments.
    const double selfEmployment = t1->getSelfEmploymentIncomeForCPP();
    if (auto* sch13 = formOf<TaxData_Sch13>(*this, FormType::Schedule13)) {
        sch13->setFloat("self_employment_earnings", selfEmployment);
        sch13->setBool("resident_of_quebec", m_mainProvince == PROV_QC);
        sch13->Calculate01();
    }
    t1->setFloat("31217", amountOf(GetFormData(FormType::Schedule13, false), "31217"));
    t1->setFloat("42120", amountOf(GetFormData(FormType::Schedule13, false), "42120"));

    const int months = GetCPPMonths(0, 0);
    auto* rc381 = formOf<TaxData_RC381>(*this, FormType::RC381);
    auto* sch8 = formOf<TaxData_Sch8_14>(*this, FormType::Schedule8);
    if (rc381) {
        setEarnings(*rc381, "cpp_pensionable_earnings", getF50339(0.0));
        setEarnings(*rc381, "qpp_pensionable_earnings", getF5548(Federal2021::kCppYmpe));
        rc381->setFloat("self_employment_earnings", selfEmployment);
        rc381->setInt("contribution_months", months);
        rc381->Calculate01();
    }
    if (sch8) {
        setEarnings(*sch8, "50339", getF50339(0.0));
        sch8->setFloat("self_employment_earnings", selfEmployment);
        sch8->setInt("pensionable_months", months);
        sch8->Calculate01();
    }
    CppRelatedAmounts cpp;
    if (sch8)
        sch8->getCPPRelatedAmounts(cpp);
    else if (rc381)
        rc381->getCPPRelatedAmounts(cpp);
    else if (selfEmployment >= kPresent)
        // Self-employment alone, before the return holds its Schedule 8.
        cpp = cppContributions(0.0, 0.0, selfEmployment, months);
    setCppFigures(*t1, cpp);

    auto* t2204 = formOf<TaxData_T2204_New>(*this, FormType::T2204);
    if (t2204) t2204->Calculate01();
    t1->setFloat("31200", t2204 ? t2204->premiumsClaimed() : 0.0);
    t1->setFloat("45000", amountOf(t2204, "total_overpayment"));

    // 6. A bankrupt person's return before the bankruptcy pays no
    //    contributions on self-employment; the foreign tax above 15%.
    if (t1->getBool("is_bankrupt") && t1->GetBankruptDaysInTaxYear() > 0) {
        t1->setFloat("42100", 0.0);
        t1->setFloat("31000", 0.0);
        t1->setFloat("22200", 0.0);
    }
    CalculateT2209Adjust15Percent();

    // 7. Tax on split income.
    auto* t1206 = formOf<TaxData_T1206New>(*this, FormType::T1206);
    if (t1206) t1206->CalculateTOSI();
    t1->setFloat("split_income", amountOf(t1206, "68360"));
    t1->setFloat("split_dividends_eligible", amountOf(t1206, "68330"));
    t1->setFloat("split_dividends_other", amountOf(t1206, "68340"));
    t1->setFloat("40424", amountOf(t1206, "net_federal_tax"));

    // 8. Forms whose deductions the user carries to line 23200; the foreign
    //    pension plans' deductions onto line 20700.
    calculateEach(*this, 105);
    applyForeignPlanDeductions(*this, *t1);

    // 9. Net income, with the child care deduction worked out on the
    //    earned income in between.
    t1->CalculateNetIncomeBeforeCCT();
    if (auto* t778 = formOf<TaxData_T778New>(*this, FormType::T778)) {
        fillT778Spouse(*t1, *t778);
        t778->setFloat("earned_income", CalculatedEarnedIncomeForT778() + t778->getFloat("other_earned_income"));
        t778->Calculate01();
    }
    t1->setFloat("21400", amountOf(GetFormData(FormType::T778, false), "deduction"));
    t1->CalculateNetIncomeAfterCCT(flag);
    _calculateT2203BusiIncome();

    // 10. Cumulative net investment loss. The T936 carries the capital gains
    // of the T3 slips (Schedule 3, line 17600) at 68140, where the return's
    // checks look for them; left empty, every such return failed its checks.
    if (CTaxData_Form* t936 = GetFormData(FormType::T936, false)) {
        const double t3Gains = amountOf(GetFormData(FormType::Schedule3, false), "17600");
        t936->setFloat("68140", t3Gains > 0 ? t3Gains : 0.0);
    }
    calculateEach(*this, 32);

    // 11. Net capital losses of other years, northern residents and capital
    //     gains deductions; taxable income.
    applyNetCapitalLosses(*t1);
    if (auto* t2222 = formOf<CTaxData_T2222>(*this, FormType::T2222)) {
        t2222->setFloat("net_income", t1->getFloat("23600"));
        t2222->Calculate01();
    }
    t1->setFloat("25500", amountOf(GetFormData(FormType::T2222, false), "total_deduction"));
    if (auto* t657 = formOf<TaxData_T657New>(*this, FormType::T657)) {
        const CTaxData_Form* sch3 = GetFormData(FormType::Schedule3, false);
        t657->setFloat("qsbc_gains", Federal2021::taxableCapitalGain(qMax(0.0, amountOf(sch3, "10700"))));
        t657->setFloat("qffp_gains",
                       Federal2021::taxableCapitalGain(qMax(0.0, amountOf(sch3, "11000") + amountOf(sch3, "12400"))));
        t657->setFloat("net_taxable_capital_gains", t1->getFloat("12700"));
        t657->setFloat("net_capital_losses_applied", t1->getFloat("25300"));
        t657->setFloat("allowable_business_investment_losses", t1->getFloat("21700"));
        t657->setFloat("cnil", amountOf(GetFormData(FormType::T936, false), "cnil"));
        t657->Calculate01();
    }
    t1->setFloat("25400", amountOf(GetFormData(FormType::T657, false), "deduction"));
    t1->CalculateTaxableIncome(flag);
    return 0;
}

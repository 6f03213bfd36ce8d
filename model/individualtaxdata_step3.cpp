// Calculation step 3 of a person's return: the days figures, the amounts for
// the spouse and dependants, tuition, home accessibility, and what the
// spouse's income leaves for Schedule 2.

#include "amounts.h"
#include "federal2021.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "stephelpers.h"
#include "schedules.h"
#include "t1.h"

namespace {

// The credit amounts a student uses before the tuition amount.
const char* const kCreditsBeforeTuition[] = {
    "30000", "30100", "30300", "30400", "30425", "30450", "30500", "30800", "31000", "31200", "31217",
    "31220", "31240", "31260", "31270", "31285", "31300", "31350", "31400", "31600", "31800", "31900",
};

} // namespace

int IndividualTaxData::calculateStep3(bool)
{
    TaxData_T1New* t1 = this->t1();
    if (!t1) return 0;

    // 1. Days figures. Without a bankruptcy in the year all the year counts.
    const DaysFigures days = daysFigures();
    const int bankrupt = days.bankruptDays > 0 ? days.bankruptDays : days.daysInYear;
    t1->setInt("days_in_year", days.daysInYear);
    t1->setInt("bankrupt_days", bankrupt);
    t1->setInt("days_in_canada", days.daysInCanada);
    t1->setInt("days_in_canada_provincial", days.daysInCanada);
    t1->setInt("days_prorated", qMin(bankrupt, days.daysInCanada));

    // 2. Spouse, eligible dependant and caregiver amounts; they start from
    //    the person's own basic personal amount.
    t1->CalculateBasicPersonalAmount();
    auto* sch5 = formOf<TaxData_Sch5>(*this, FormType::Schedule5);
    if (sch5) {
        TaxData_Sch5::Inputs in;
        in.daysInCanada = days.daysInCanada;
        in.daysInYear = days.daysInYear;
        in.prorate = t1->shouldProrateAsImmigrant();
        in.basicPersonalAmount = Federal2021::basicPersonalAmount(t1->getFloat("23600"));
        in.hasSpouse = t1->HasSpouse();
        in.canClaimSpouse = t1->CanClaimSpouse();
        in.spouseNetIncome = t1->getSpouseNetIncForSpouseCredit(true);
        sch5->Calculate01(in);
    }
    for (const char* line : {"30300", "30400", "30425", "30450", "30500"}) t1->setFloat(line, amountOf(sch5, line));
    t1->setInt("30499", sch5 ? sch5->getInt("30499") : 0);

    // 3. Tuition: as much as the tax on taxable income needs after the other
    //    credits; above the first bracket the tax counts at 15%.
    auto* sch11 = formOf<TaxData_Sch11>(*this, FormType::Schedule11);
    if (sch11) {
        const double taxable = t1->getFloat("26000");
        double income = taxable <= Federal2021::kBracket1
            ? taxable
            : Federal2021::taxOnTaxableIncome(taxable) / Federal2021::kCreditRate;
        if (HasForm(FormType::T1206)) income += t1->getFloat("split_income");
        sch11->setFloat("taxable_income", Federal2021::roundToCents(income));
        double credits = 0.0;
        for (const char* line : kCreditsBeforeTuition) credits += t1->getFloat(line);
        sch11->setFloat("credits_before_tuition", Federal2021::roundToCents(credits));
        sch11->Calculate01();
    }
    t1->setFloat("32300", amountOf(sch11, "32300"));
    t1->setFloat("45350", amountOf(sch11, "45350"));

    // 4. Home accessibility expenses.
    auto* sch12 = formOf<TaxData_Sch12_2016>(*this, FormType::Schedule12);
    if (sch12) sch12->Calculate01();
    t1->setFloat("31285", amountOf(sch12, "31285"));

    // 5. What the spouse's taxable income leaves for the transfer.
    if (auto* sch2 = formOf<TaxData_Sch2>(*this, FormType::Schedule2))
        sch2->setFloat("35100", TaxData_T1New::m_taxStairs.CalcAlgoForSpouseF260S2(
                                    t1->canClaimSch2() ? sch2->getFloat("spouse_taxable_income") : 0.0));
    return 0;
}

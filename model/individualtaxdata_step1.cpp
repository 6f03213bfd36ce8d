// Calculation step 1 of a person's return: the slips and statements into the
// T1 and the schedules, and the whole calculation of a section 216 return.

#include <algorithm>
#include <vector>

#include "amounts.h"
#include "dependantinfo.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formclasses.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "schedules.h"
#include "slippreparation.h"
#include "slips.h"
#include "statements.h"
#include "summaryforms.h"
#include "t1.h"

namespace {

using Federal2021::kDeathBenefitExemption;
using Federal2021::kFarmLossFullPart;
using Federal2021::kFarmLossHalfPartEnd;
using Federal2021::kFarmLossMax;

std::vector<CTaxData_Form*> formsOfType(const IndividualTaxData& person, ENUMTYPE_FORM type)
{
    std::vector<CTaxData_Form*> found;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms())
        if (item->formType == type && item->object) found.push_back(item->object);
    return found;
}

std::vector<const CTaxData_Form*> slipsOfType(const IndividualTaxData& person, ENUMTYPE_SLIP type)
{
    std::vector<const CTaxData_Form*> found;
    for (const STRUCT_SLIPDATA_ITEM_2004* item : person.slips())
        if (item->slipType == type && item->object) found.push_back(item->object);
    return found;
}

// Removes every form of the type, one at a time: removing one may take a
// related form with it.
void removeForms(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    for (;;) {
        std::vector<CTaxData_Form*> found = formsOfType(person, type);
        if (found.empty()) return;
        person.RemoveFormData(found.front(), true);
    }
}

void add(CTaxData_Form* form, const char* line, double amount)
{
    form->setFloat(line, form->getFloat(line) + amount);
}

CString fullName(const TaxData_T1New& t1)
{
    return t1.getString("first_name") + " " + t1.getString("last_name");
}

// The amounts the slips fill on the other forms, cleared before they are
// filled again.
void resetSlipFedAmounts(IndividualTaxData& person)
{
    if (auto* sch4 = dynamic_cast<TaxData_Sch4*>(person.GetFormData(FormType::Schedule4, false)))
        sch4->resetSlipAmounts();
    if (CTaxData_Form* t2204 = person.GetFormData(FormType::T2204, false))
        for (const char* name : {"insurable_earnings", "premiums_deducted", "insurable_earnings_quebec",
                                 "premiums_deducted_quebec"})
            t2204->setFloat(name, 0.0);
    if (auto* cpt20 = dynamic_cast<TaxData_CPT20_New*>(person.GetFormData(FormType::CPT20, false)))
        cpt20->clearT4Slips();
    if (CTaxData_Form* sch8 = person.GetFormData(FormType::Schedule8, false))
        for (const char* name : {"50339", "50340"}) sch8->setFloat(name, 0.0);
    if (CTaxData_Form* rc381 = person.GetFormData(FormType::RC381, false))
        for (const char* name : {"cpp_pensionable_earnings", "qpp_pensionable_earnings", "cpp_contributions_deducted",
                                 "qpp_contributions_deducted"})
            rc381->setFloat(name, 0.0);
    if (CTaxData_Form* sch3 = person.GetFormData(FormType::Schedule3, false))
        for (const char* name : {"17400", "17600", "principal_residence_gain"}) sch3->setFloat(name, 0.0);
    if (CTaxData_Form* sch9 = person.GetFormData(FormType::Schedule9, false)) sch9->setFloat("donations_slips", 0.0);
    if (CTaxData_Form* sch11 = person.GetFormData(FormType::Schedule11, false)) sch11->setFloat("32000", 0.0);
    if (CTaxData_Form* t90 = person.GetFormData(FormType::T90, false)) {
        t90->setInt("indian_act_exempt", 0);
        t90->setFloat("slip_exempt_employment", 0.0);
        t90->setFloat("slip_exempt_other", 0.0);
    }
}

// The taxable amounts of dividends, the investment income and the carrying
// charges of all the slips (Schedule 4 adds its own rows to them).
struct InvestmentTotals
{
    double eligibleDividends = 0.0;
    double otherDividends = 0.0;
    double interest = 0.0;
    double carryingCharges = 0.0;
};

InvestmentTotals investmentTotals(const STRU_SLIPDATA_CALCULATION& t)
{
    InvestmentTotals i;
    i.eligibleDividends = t.t5TaxableEligibleDividends + t.t3TaxableEligibleDividends
                          + t.t5013TaxableEligibleDividends + t.t4psTaxableEligibleDividends;
    i.otherDividends = t.t5TaxableOtherDividends + t.t3TaxableOtherDividends + t.t5013TaxableOtherDividends
                       + t.t4psTaxableOtherDividends;
    i.interest = t.t5Interest + t.t5OtherIncome + t.t5ForeignIncome + t.t5Royalties + t.t5AccruedAnnuities
                 + t.t3ForeignNonBusinessIncome + t.t5013Interest + t.t5013ForeignDividendsInterest
                 + t.t5013OtherInvestmentIncome + t.t4psForeignIncome;
    i.carryingCharges = t.t5013CarryingCharges;
    return i;
}

// The slip totals into the T1's lines (each line the slips fill is set
// afresh here; the statements add to it later) and into the schedules.
// The Home Buyers' Plan repayment required for 2021 (the notice of
// assessment) less what Schedule 7 designates as its repayment is income
// on line 12900 (Schedule 7, Part B).
double hbpRepaymentNotMade(IndividualTaxData& person, const TaxData_T1New& t1)
{
    const CTaxData_Form* sch7 = person.GetFormData(FormType::Schedule7, false);
    const double designated = sch7 ? sch7->getFloat("24600") : 0.0;
    return roundToCents(std::max(0.0, t1.getFloat("min_hbp_repayment") - std::max(0.0, designated)));
}

void moveSlipTotals(IndividualTaxData& person, TaxData_T1New& t1, const STRU_SLIPDATA_CALCULATION& t)
{
    const bool under65 = !t1.IsAgeNotUnder65();

    // Employment. A T4F's earnings are fishing income.
    t1.setFloat("10100", t.t4EmploymentIncome - t.t4fIncome);
    t1.setFloat("10105", t.t4EmergencyVolunteerExempt);
    t1.setFloat("10120", t.t4Commissions);
    t1.setFloat("10400_slips", t.t4aResearchGrants + t.t4aWageLossReplacement + t.t4aGroupTermLife
                                   + t.t4aPostdoctoral + t.t4psOtherEmploymentIncome);

    // Pensions and benefits.
    t1.setFloat("11300", t.t4aoasGrossPension);
    t1.setFloat("11400", t.t4apTaxableBenefits);
    t1.setFloat("11410", t.t4apDisabilityBenefits);
    t1.setFloat("11500", t.t4aPensionUnder65 + t.t4aAnnuitiesUnder65 + t.t4aVariablePensionUnder65 + t.t4aPension
                             + t.t4aAnnuities + t.t4aVariablePension + t.t4aVeteransBenefits + t.t3PensionIncome
                             + t.t4rifTaxable + t.t4rifExcess);
    // Before 65, annuities and a trust's pension income do not count for the
    // pension income amount; RRSP annuities (line 12900) count from 65, or
    // at any age when paid because of a spouse's death.
    t1.setFloat("pension_ineligible_under65", under65 ? t.t4aAnnuitiesUnder65 + t.t3PensionIncome : 0.0);
    t1.setFloat("pension_eligible_12900", t.t4rspAnnuityFromSpouseDeath + (under65 ? 0.0 : t.t4rspAnnuity));
    t1.setFloat("11700", t.rc62Uccb);
    t1.setFloat("uccb_repaid", t.rc62Repaid);
    t1.setFloat("11900", t.t4eBenefits);
    t1.setFloat("ei_regular_benefits_repayable", t.t4eRegularBenefitsRepayable);
    t1.setFloat("11905", t.t4eParentalBenefits);

    // Investments: through Schedule 4 when the return holds one.
    const InvestmentTotals inv = investmentTotals(t);
    if (CTaxData_Form* sch4 = person.GetFormData(FormType::Schedule4, false)) {
        sch4->setFloat("slip_eligible_dividends", inv.eligibleDividends);
        sch4->setFloat("slip_other_dividends", inv.otherDividends);
        sch4->setFloat("slip_interest", inv.interest);
        sch4->setFloat("slip_carrying_charges", inv.carryingCharges);
    }
    t1.setFloat("12000", inv.eligibleDividends + inv.otherDividends);
    t1.setFloat("12010", inv.otherDividends);
    t1.setFloat("12100", inv.interest);
    t1.setFloat("22100", inv.carryingCharges);

    t1.setFloat("12200", t.t5013LimitedBusinessIncome + t.t5013LimitedFarmingIncome + t.t5013LimitedFishingIncome);
    t1.setString("partnership_income_description", "Partnership Income/Loss from T5013 slip");
    t1.setFloat("12500", t.t4aRdsp);
    t1.setFloat("12599", 0.0);
    t1.setFloat("12600", t.t5013RentalIncome + t.t5013LimitedRentalIncome);
    t1.setFloat("12900_hbp", hbpRepaymentNotMade(person, t1));
    t1.setFloat("12900", t.t4rspAnnuity + t.t4rspAnnuityFromSpouseDeath + t.t4rspRefundOfPremiums
                             + t.t4rspExcessRefund + t.t4rspWithdrawals + t.t4rspDeregistration + t.t4rspOtherIncome
                             + t.t4rspDeemedOnDeath + t1.getFloat("12900_hbp") + t1.getFloat("12900_llp"));

    // Other income, with the trust's death benefits above what is left of
    // the 10,000 exemption after the T4A slips'.
    double other = t.t4aLumpSum + t.t4aOtherIncome + t.t4aRespAccumulatedIncome + t.t4aRespEducationalAssistance
                   + t.t4aApprenticeshipGrants + t.t4aCovidBenefits + t.t3LumpSumPension + t.t3OtherIncome
                   + t.t3ForeignBusinessIncome + t.t4rifTaxableUnder65 + t.t4rifExcessUnder65 + t.t4rifOtherIncome
                   + t.t4rifDeemedOnDeath + t.t4rifDeregistration + t.t4arcaRefund + t.t4arcaDistributions
                   + t.t5013OtherIncome;
    const double deathExcess = t.t3DeathBenefits - qMax(0.0, kDeathBenefitExemption - t.t4aDeathBenefits);
    if (deathExcess >= kPresent) other += deathExcess;
    t1.setFloat("13000_slips", other);
    t1.setFloat("13010_slips", t.t4aTaxableScholarships + t.t4eTaxableTuition);

    // Self-employment: fees and commissions of T4A slips, placement-agency
    // earnings, T4F fishing earnings and the partnerships' incomes.
    const double business = t.t4aFeesForServices + t.t4PlacementAgencyIncome;
    t1.setFloat("13499", business);
    t1.setFloat("13500", business + t.t5013NetBusinessIncome);
    t1.setFloat("13699", 0.0);
    t1.setFloat("13700", t.t5013ProfessionalIncome);
    t1.setFloat("13899", t.t4aSelfEmployedCommissions);
    t1.setFloat("13900", t.t4aSelfEmployedCommissions + t.t5013CommissionIncome);
    t1.setFloat("14099", 0.0);
    t1.setFloat("farming_total", t.t5013FarmingIncome);
    t1.setFloat("14299", t.t4fIncome);
    t1.setFloat("14300", t.t4fIncome + t.t5013FishingIncome);
    t1.setFloat("14400", t.t5007WorkersCompensation);
    t1.setFloat("14500", t.t5007SocialAssistance);
    t1.setFloat("14600", t.t4aoasNetSupplements);

    // Deductions.
    t1.setFloat("20600", t.t4PensionAdjustment + t.t4aPensionAdjustment);
    t1.setFloat("20700", t.t4RppContributions + t.t4aRppPastService);
    t1.setFloat("20700_foreign_plans", 0.0);   // step 2 adds the foreign plans' deductions
    t1.setFloat("20810", t.prppEmployerContributions);
    t1.setFloat("21200", t.t4UnionDues);
    t1.setFloat("21699_slips", t.t5013BusinessInvestmentLoss);
    // Half of a business investment loss is allowable.
    t1.setFloat("21700", (t1.getFloat("21699") + t.t5013BusinessInvestmentLoss) * 0.5);
    t1.setFloat("23200_slips", t.t4rspDeductions + t.t4rifDeductions);
    t1.setFloat("23210_slips", t.t4aCovidRepayment);
    t1.setFloat("24400", t.t4ForcesPoliceDeduction);
    t1.setFloat("24900", t.t4SecurityOptionsDeduction);

    // Contributions and premiums through employment.
    t1.setFloat("cpp_contributions_paid", t.t4CppContributions);
    t1.setFloat("qpp_contributions_paid", t.t4QppContributions);
    t1.setFloat("cpp_pensionable_earnings", t.t4CppPensionableEarnings);
    t1.setFloat("qpp_pensionable_earnings", t.t4QppPensionableEarnings);
    t1.setFloat("ei_premiums_paid", t.t4EiPremiums + t.t4EiPremiumsQuebec);
    t1.setFloat("ei_insurable_earnings", t.t4EiInsurableEarnings);
    t1.setFloat("ppip_premiums_paid", t.t4PpipPremiums);
    t1.setFloat("ppip_insurable_earnings", t.t4PpipInsurableEarnings);

    // Credits and payments.
    t1.setFloat("41500", t.rc210AdvancePayments);
    t1.setFloat("43700_slips", t.t4TaxDeducted + t.t4aTaxDeducted + t.t4apTaxDeducted + t.t4rspTaxDeducted
                             + t.t4eTaxDeducted + t.t4aoasTaxDeducted + t.t4rifTaxDeducted + t.t4arcaTaxDeducted);
    t1.setFloat("45600", t.t3PartXII2Credit);

    // Schedules.
    if (CTaxData_Form* sch3 = person.GetFormData(FormType::Schedule3, false)) {
        sch3->setFloat("17400",
                       t.t5CapitalGainsDividends + t.t5013CapitalGains + t.t4psCapitalGains + t.t4psForeignCapitalGains);
        sch3->setFloat("17600", t.t3CapitalGains - t.t3SegregatedFundLosses);
    }
    if (CTaxData_Form* sch9 = person.GetFormData(FormType::Schedule9, false))
        sch9->setFloat("donations_slips", t.t4Donations + t.t4aDonations);
    // The slips' tuition, for Schedule 11 and the provinces' S11s alike.
    const double tuition = present(t.t2202TuitionFees) ? t.t2202TuitionFees : t.t2202SessionFees;
    if (CTaxData_Form* sch11 = person.GetFormData(FormType::Schedule11, false)) sch11->setFloat("32000", tuition);
    t1.setFloat("t2202_tuition_fees", tuition);
    t1.setFloat("t2202_months_part_time", t.t2202MonthsPartTime);
    t1.setFloat("t2202_months_full_time", t.t2202MonthsFullTime);
}

// CPT20 part 2: one row a T4 slip, at most six.
void fillCpt20(IndividualTaxData& person)
{
    auto* cpt20 = dynamic_cast<TaxData_CPT20_New*>(person.GetFormData(FormType::CPT20, false));
    if (!cpt20) return;
    int row = 0;
    for (const CTaxData_Form* slip : slipsOfType(person, SlipType::T4)) {
        if (++row > TaxData_CPT20_New::kT4Slips) break;
        cpt20->setInt(TableForm::rowField("t4_slips.#.slip_number", row), row);
        cpt20->setFloat(TableForm::rowField("t4_slips.#.pensionable_earnings", row), t4PensionableEarnings(*slip));
        cpt20->setFloat(TableForm::rowField("t4_slips.#.cpp_contributions", row), slip->getFloat("16"));
        cpt20->setFloat(TableForm::rowField("t4_slips.#.qpp_contributions", row), slip->getFloat("17"));
    }
}

// Schedule 4's payers from the T5 slips: the first ten with interest and
// the first four with dividends get a row; the others are summed.
void fillSch4Payers(IndividualTaxData& person)
{
    CTaxData_Form* sch4 = person.GetFormData(FormType::Schedule4, false);
    if (!sch4) return;
    int interestRows = 0, dividendRows = 0;
    for (const CTaxData_Form* slip : slipsOfType(person, SlipType::T5)) {
        const double share = slip->getFloat("share_percent") / 100.0;
        const double interest = slip->getFloat("13") * share;
        const double dividends = (slip->getFloat("11") + slip->getFloat("25")) * share;
        const CString payer = slip->getString("payer_name");
        if (interest >= kPresent) {
            if (interestRows < TaxData_Sch4::kT5InterestRows) {
                ++interestRows;
                sch4->setString(TableForm::rowField("t5_interest.#.payer", interestRows), payer);
                sch4->setFloat(TableForm::rowField("t5_interest.#.amount", interestRows), interest);
            } else {
                add(sch4, "t5_interest_other_payers", interest);
            }
        }
        if (dividends >= kPresent) {
            if (dividendRows < TaxData_Sch4::kT5DividendRows) {
                ++dividendRows;
                sch4->setString(TableForm::rowField("t5_dividends.#.payer", dividendRows), payer);
                sch4->setFloat(TableForm::rowField("t5_dividends.#.amount", dividendRows), dividends);
            } else {
                add(sch4, "t5_dividends_other_payers", dividends);
            }
        }
    }
}

// Insurable earnings and premiums of the T4 slips, by where the work was:
// Quebec employment pays the lower rate (T2204).
void fillT2204(IndividualTaxData& person)
{
    CTaxData_Form* t2204 = person.GetFormData(FormType::T2204, false);
    if (!t2204) return;
    for (const CTaxData_Form* slip : slipsOfType(person, SlipType::T4)) {
        const bool quebec = slip->getInt("province_of_employment") == PROV_QC;
        add(t2204, quebec ? "insurable_earnings_quebec" : "insurable_earnings", t4InsurableEarnings(*slip));
        add(t2204, quebec ? "premiums_deducted_quebec" : "premiums_deducted", slip->getFloat("18"));
    }
}

// Line 14100 from the farming total: a restricted farm loss counts in full
// to 2,500, then for half of the next 30,000.
void farmingLine(TaxData_T1New& t1)
{
    const double total = t1.getFloat("farming_total");
    t1.setFloat("14100", total);
    if (total <= -kFarmLossFullPart - kPresent && t1.getBool("restricted_farm_loss")) {
        double allowed = -(kFarmLossFullPart + (-kFarmLossFullPart - total) * Federal2021::kFarmLossHalfRate);
        if (total <= -kFarmLossHalfPartEnd) allowed = -kFarmLossMax;
        if (t1.getFloat("14100") < allowed) t1.setFloat("14100", allowed);
    } else {
        t1.setBool("restricted_farm_loss", false);
    }
}

// ---- forms the return's province calls for, and the hooks before a calculation

// Row 1: the non-resident schedules.
void makeNonResidentSchedules(IndividualTaxData& person)
{
    const ENUMTYPE_PROVINCE province = person.getMainProvince();
    if (province == PROV_NONRESIDENT || province == PROV_NONRESIDENT_217)
        person.makeFormExist(FormType::ScheduleAB);
    else
        removeForms(person, FormType::ScheduleAB);
    if (province == PROV_NONRESIDENT_217)
        person.makeFormExist(FormType::ScheduleC);
    else
        removeForms(person, FormType::ScheduleC);
}

// Row 2: every object's hook before the calculation.
void runHooksBeforeCalculation(IndividualTaxData& person)
{
    for (STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
        if (!item->object) continue;
        item->object->BeforeCalculate();
        item->object->setMainTaxProvince(person.getMainProvince());
    }
    for (STRUCT_SLIPDATA_ITEM_2004* item : person.slips())
        if (item->object) item->object->BeforeCalculate();
    for (STRUCT_WIZDATA_ITEM_2004* item : person.wizards())
        if (item->object) item->object->BeforeReadSlip();
}

// Row 6: the dependants the credits count.
void countDependants(const IndividualTaxData& person, TaxData_T1New& t1)
{
    const DependantInfoStruct* dependants = person.dependants();
    t1.setInt("dependants_infirm_18_or_older", dependants ? dependants->GetInfirmDependantsNumberNotUnderAge(18) : 0);
    t1.setInt("dependants_children_0_to_18", dependants ? dependants->GetDepChildrenNumberBetweenAges(0, 18) : 0);
    t1.setInt("dependants_children_under_18", dependants ? dependants->GetDepChildrenNumberBetweenAges(0, 17) : 0);
    t1.setInt("dependants_infirm", dependants ? dependants->GetInfirmDependantsNumberNotUnderAge(-1) : 0);
}

// ---- slips carried into the T1 and the forms made for them

// Row 8: income exempt under the Indian Act.
void carryIndianActIncome(IndividualTaxData& person, TaxData_T1New& t1, const STRU_SLIPDATA_CALCULATION& totals)
{
    t1.setInt("indian_act_exempt_income", totals.indianActExempt ? 1 : 0);
    if (!present(totals.t4IndianExemptEmployment) && t1.getInt("indian_act_exempt_income") == 0) return;
    if (CTaxData_Form* t90 = person.makeFormExist(FormType::T90)) {
        t90->setInt("indian_act_exempt", t1.getInt("indian_act_exempt_income"));
        t90->setFloat("slip_exempt_employment", totals.t4IndianExemptEmployment);
        t90->setFloat("slip_exempt_other", totals.t4IndianExemptOther);
    }
}

// Row 9: the pension plan the T4 slips paid into decides the CPP form.
void carryPensionPlanContributions(IndividualTaxData& person, TaxData_T1New& t1,
                                   const STRU_SLIPDATA_CALCULATION& totals)
{
    int kind = 0;
    if (present(totals.t4QppPensionableEarnings) || present(totals.t4QppContributions))
        kind = 2;
    else if (present(totals.t4CppPensionableEarnings) || present(totals.t4CppContributions))
        kind = 1;
    t1.setInt("cpp_form_kind", kind);
    person._autoCreateSch8RC381(kind);
    if (CTaxData_Form* sch8 = person.GetFormData(FormType::Schedule8, false)) {
        sch8->setFloat("50339", totals.t4CppPensionableEarnings);
        sch8->setFloat("50340", totals.t4CppContributions);
    }
    if (CTaxData_Form* rc381 = person.GetFormData(FormType::RC381, false)) {
        rc381->setFloat("cpp_pensionable_earnings", totals.t4CppPensionableEarnings);
        rc381->setFloat("qpp_pensionable_earnings", totals.t4QppPensionableEarnings);
        rc381->setFloat("cpp_contributions_deducted", totals.t4CppContributions);
        rc381->setFloat("qpp_contributions_deducted", totals.t4QppContributions);
    }
    fillT2204(person);
}

// The forms made for slip amounts (T90, Schedule 8, RC381), which the step
// counts when they were not there before it.
constexpr ENUMTYPE_FORM kFormsForSlips[] = {FormType::T90, FormType::Schedule8, FormType::RC381};

std::vector<bool> formsForSlipsPresent(const IndividualTaxData& person)
{
    std::vector<bool> present;
    for (ENUMTYPE_FORM type : kFormsForSlips) present.push_back(person.HasForm(type));
    return present;
}

int formsForSlipsMade(const IndividualTaxData& person, const std::vector<bool>& before)
{
    int made = 0;
    for (size_t i = 0; i < before.size(); ++i) made += (!before[i] && person.HasForm(kFormsForSlips[i])) ? 1 : 0;
    return made;
}

// Row 12: RRSP withdrawals under the HBP and the LLP; exempt income
// elected for CPP contributions.
void carryRrspWithdrawalsAndElectedIncome(IndividualTaxData& person, const STRU_SLIPDATA_CALCULATION& totals)
{
    if (present(totals.t4rspHbpWithdrawals) || present(totals.t4rspLlpWithdrawals)) {
        if (CTaxData_Form* sch7 = person.makeFormExist(FormType::Schedule7)) {
            sch7->setFloat("hbp_withdrawal", totals.t4rspHbpWithdrawals);
            sch7->setFloat("llp_withdrawal", totals.t4rspLlpWithdrawals);
        }
    }
    if (present(totals.t4IndianExemptEmployment) || present(totals.t4IndianExemptOther)) {
        if (CTaxData_Form* rc383 = person.makeFormExist(FormType::RC383)) {
            const double slips = qMax(totals.t4IndianExemptEmployment, totals.t4IndianExemptOther);
            if (rc383->getFloat("58750") < slips) rc383->setFloat("58750", slips);
            rc383->Calculate();
        }
    }
}

// Row 13: the pensioner's RRSP annuities that may be split.
void carrySplittablePension(IndividualTaxData& person, const TaxData_T1New& t1,
                            const STRU_SLIPDATA_CALCULATION& totals)
{
    if (auto* t1032 = dynamic_cast<TaxData_T1032_New*>(person.GetFormData(FormType::T1032, false)))
        if (t1.IsAgeNotUnder65() && t1032->role() == TaxData_T1032_New::ROLE_PENSIONER)
            t1032->setFloat("eligible_pension_12900", totals.t4rspAnnuity + totals.t4rspAnnuityFromSpouseDeath);
    person._calculateT1032_step1();
}

// ---- statements

// Row 16: partnerships entered as a form.
void carryPartnershipStatements(IndividualTaxData& person, TaxData_T1New* form)
{
    for (CTaxData_Form* object : formsOfType(person, FormType::T5013)) {
        auto* t5013 = dynamic_cast<CTaxData_T5013*>(object);
        if (!t5013) continue;
        t5013->Calculate01();
        for (int section = 1; section <= CTaxData_T5013::kSections; ++section) {
            auto col = [section](const char* pattern) { return TableForm::rowField(pattern, section); };
            const int sectionKind = t5013->getInt(col("partnerships.#.kind"));
            const double net = t5013->getFloat(col("partnerships.#.9946"));
            const char* gross = CTaxData_T5013::grossColumn(sectionKind);
            const double grossAmount = gross ? t5013->getFloat(col(gross)) : 0.0;
            switch (sectionKind) {
            case CTaxData_T5013::KIND_RENTAL: add(form, "12599", grossAmount); add(form, "12600", net); break;
            case CTaxData_T5013::KIND_BUSINESS: add(form, "13499", grossAmount); add(form, "13500", net); break;
            case CTaxData_T5013::KIND_PROFESSIONAL: add(form, "13699", grossAmount); add(form, "13700", net); break;
            case CTaxData_T5013::KIND_COMMISSION: add(form, "13899", grossAmount); add(form, "13900", net); break;
            case CTaxData_T5013::KIND_FISHING: add(form, "14299", grossAmount); add(form, "14300", net); break;
            case CTaxData_T5013::KIND_FARMING: add(form, "14099", grossAmount); add(form, "farming_total", net); break;
            default: break;
            }
            add(form, "12200", t5013->getFloat(col("partnerships.#.101")) + t5013->getFloat(col("partnerships.#.103"))
                                   + t5013->getFloat(col("partnerships.#.104")));
            add(form, "12600", t5013->getFloat(col("partnerships.#.107")));
        }
    }
}

// Row 17: rental and farming statements.
void carryRentalAndFarmingStatements(IndividualTaxData& person, TaxData_T1New* form, const CString& owner)
{
    for (CTaxData_Form* object : formsOfType(person, FormType::T776)) {
        auto* t776 = dynamic_cast<CTaxData_T776*>(object);
        if (!t776) continue;
        t776->setString("owner_name", owner);
        t776->Calculate01();
        add(form, "12599", t776->getFloat("12599"));
        add(form, "12600", t776->getFloat("12600"));
    }
    for (CTaxData_Form* object : formsOfType(person, FormType::T1163)) {
        auto* t1163 = dynamic_cast<CTaxData_T1163*>(object);
        if (!t1163) continue;
        t1163->setString("first_name", form->getString("first_name"));
        t1163->setString("last_name", form->getString("last_name"));
        t1163->Calculate01();
        add(form, "14099", t1163->getFloat("14099"));
        add(form, "farming_total", t1163->getFloat("14100"));
    }
    for (CTaxData_Form* object : formsOfType(person, FormType::T2042)) {
        auto* t2042 = dynamic_cast<CTaxData_T2042*>(object);
        if (!t2042) continue;
        t2042->setString("owner_name", owner);
        t2042->Calculate01();
        add(form, "14099", t2042->getFloat("14099"));
        add(form, "farming_total", t2042->getFloat("14100"));
    }
}

// Row 19: fishing, commission, then business and professional statements.
void carryBusinessStatements(IndividualTaxData& person, TaxData_T1New* form, const CString& owner)
{
    for (CTaxData_Form* object : formsOfType(person, FormType::T2121)) {
        auto* t2121 = dynamic_cast<CTaxData_T2121*>(object);
        if (!t2121) continue;
        t2121->setString("owner_name", owner);
        t2121->Calculate01();
        add(form, "14299", t2121->getFloat("14299"));
        add(form, "14300", t2121->getFloat("14300"));
    }
    for (ENUMTYPE_FORM type : {FormType::T2125Commission, FormType::T2125}) {
        for (CTaxData_Form* object : formsOfType(person, type)) {
            auto* t2125 = dynamic_cast<TaxData_T2125_New*>(object);
            if (!t2125) continue;
            t2125->setString("owner_name", owner);
            t2125->Calculate01();
            for (const char* line : {"13499", "13500", "13699", "13700", "13899", "13900"})
                add(form, line, t2125->getFloat(line));
        }
    }
}

// ---- capital gains and investment income

// Row 20: principal residence designations; Schedule 3 is made for a gain.
void designatePrincipalResidences(IndividualTaxData& person, const TaxData_T1New* form, const CString& owner)
{
    double residenceGain = 0.0;
    for (ENUMTYPE_FORM type : {FormType::T1255, FormType::T2091IND}) {
        for (CTaxData_Form* object : formsOfType(person, type)) {
            auto* t2091 = dynamic_cast<TaxData_T2091*>(object);
            if (!t2091) continue;
            t2091->setString("owner_name", owner);
            t2091->setString("owner_sin", form->getString("sin"));
            t2091->Calculate01();
            residenceGain += t2091->getFloat("total_gain");
        }
    }
    if (present(residenceGain)) person.makeFormExist(FormType::Schedule3);
    if (CTaxData_Form* sch3 = person.GetFormData(FormType::Schedule3, false))
        sch3->setFloat("principal_residence_gain", residenceGain);
}

// Row 21: reserves, then Schedule 3 into line 12700.
void calculateCapitalGains(IndividualTaxData& person, TaxData_T1New* form)
{
    double reserves = 0.0;
    if (CTaxData_Form* t2017 = person.GetFormData(FormType::T2017, false)) {
        double last = 0.0, current = 0.0;
        for (int row = 1; row <= 20; ++row) {
            last += t2017->getFloat(TableForm::rowField("reserves.#.reserve_last_year", row));
            current += t2017->getFloat(TableForm::rowField("reserves.#.reserve_this_year", row));
        }
        t2017->setFloat("reserves_last_year_total", last);
        t2017->setFloat("reserves_this_year_total", current);
        reserves = last - current;
    }
    form->setFloat("12700", 0.0);
    if (auto* sch3 = dynamic_cast<CTaxData_Schedule_3*>(person.GetFormData(FormType::Schedule3, false))) {
        sch3->CalculateBeforeLine193(reserves);
        sch3->CalculateToEnd();
        form->setFloat("12700", sch3->getFloat("12700"));
    }
    // The couple's joint gains the optimiser gave this spouse (or took away).
    if (const double shared = form->getFloat("shared_capital_gains"))
        form->setFloat("12700",
                       std::max(0.0, form->getFloat("12700") + Federal2021::taxableCapitalGain(shared)));
}

// Row 22: Schedule 4 into the investment income lines.
void calculateInvestmentIncome(IndividualTaxData& person, TaxData_T1New* form)
{
    if (auto* sch4 = dynamic_cast<TaxData_Sch4*>(person.GetFormData(FormType::Schedule4, false))) {
        sch4->Calculate01();
        for (const char* line : {"12000", "12010", "12100", "22100"}) form->setFloat(line, sch4->getFloat(line));
    }
    // The couple's joint interest the optimiser gave this spouse (or took away).
    form->setFloat("12100", form->getFloat("12100") + form->getFloat("shared_interest"));
}

// Row 23: amounts from a spousal plan.
void calculateSpousalPlanAmounts(IndividualTaxData& person, const CString& owner)
{
    if (auto* t2205 = dynamic_cast<CTaxData_T2205*>(person.GetFormData(FormType::T2205, false))) {
        t2205->setString(t2205->getBool("is_contributor") ? "contributor_name" : "annuitant_name", owner);
        t2205->Calculate01();
    }
}

} // namespace

int IndividualTaxData::calculateStep1(bool fromInterview, int changedType, bool)
{
    makeNonResidentSchedules(*this);
    runHooksBeforeCalculation(*this);

    TaxData_T1New* form = t1();
    if (!form) return 0;
    // Row 3.
    if (const ProvInfo* info = provInfo(m_mainProvince)) form->setString("province_text", info->displayText);

    const std::vector<bool> hadFormsForSlips = formsForSlipsPresent(*this);

    // Rows 4 and 5.
    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> needed;
    PrepareSlipsBeforeCalculate(totals, needed);
    resetSlipFedAmounts(*this);
    if (!form->CanClaimSpouse() && !form->canClaimSch2() && !form->canClaimT1032()) form->clearSpouseInfo();

    countDependants(*this, *form);
    // Row 7.
    moveSlipTotals(*this, *form, totals);
    carryIndianActIncome(*this, *form, totals);
    carryPensionPlanContributions(*this, *form, totals);
    const int created = formsForSlipsMade(*this, hadFormsForSlips);
    // Rows 10 and 11.
    fillCpt20(*this);
    fillSch4Payers(*this);
    carryRrspWithdrawalsAndElectedIncome(*this, totals);
    carrySplittablePension(*this, *form, totals);

    // Row 14.
    if (fromInterview) {
        for (STRUCT_WIZDATA_ITEM_2004* item : m_wizards)
            if (item->object) item->object->BeforeReadSlip();
        ReadDataFromWizards(changedType);
    }

    // Row 15.
    form->CalculateLine213ByWorkSheet();

    const CString owner = fullName(*form);
    carryPartnershipStatements(*this, form);
    carryRentalAndFarmingStatements(*this, form, owner);
    // Row 18.
    farmingLine(*form);
    carryBusinessStatements(*this, form, owner);

    designatePrincipalResidences(*this, form, owner);
    calculateCapitalGains(*this, form);
    calculateInvestmentIncome(*this, form);
    calculateSpousalPlanAmounts(*this, owner);
    return created;
}

void IndividualTaxData::_calculateForT1159Purpose()
{
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (!item->object) continue;
        item->object->BeforeCalculate();
        item->object->setMainTaxProvince(PROV_T1159);
    }
    for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
        if (!item->object) continue;
        item->object->BeforeCalculate();
        item->object->BeforeReadSlip();
    }
    for (STRUCT_WIZDATA_ITEM_2004* item : m_wizards)
        if (item->object) item->object->BeforeReadSlip();

    TaxData_T1159* form = t1159();
    double cca = 0.0, gross = 0.0, net = 0.0;
    CString owner;
    if (form) owner = form->getString("first_name") + " " + form->getString("last_name");
    for (CTaxData_Form* object : formsOfType(*this, FormType::T776)) {
        auto* t776 = dynamic_cast<CTaxData_T776*>(object);
        if (!t776) continue;
        t776->setString("owner_name", owner);
        if (form) t776->setString("owner_sin", form->getString("sin"));
        t776->Calculate01();
        cca += t776->getFloat("9936");
        gross += t776->getFloat("12599");
        net += t776->getFloat("12600");
    }
    if (!form) return;
    form->setFloat("cca_claimed", cca);
    form->setFloat("12599", gross);
    form->setFloat("12600", net);
    form->Calculate01(qMax(0, m_calculationFlag));
}

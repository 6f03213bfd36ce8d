// The calculations of the federal forms other than the schedules: each works
// from its own fields, which the return's calculation fills first, and leaves
// its results in its own fields for the return to take.

#include <algorithm>
#include <cmath>

#include "federal2021.h"
#include "federalforms.h"
#include "formclasses.h"
#include "schedules.h"
#include "statements.h"

using namespace Federal2021;

namespace {

constexpr double kPresent = CFloatField::kTolerance;

double sumRows(const CTaxData_Form& form, const char* column, int rows)
{
    double sum = 0.0;
    for (int row = 1; row <= rows; ++row) sum += form.getFloat(TableForm::rowField(column, row));
    return sum;
}

double atLeastZero(double amount)
{
    return std::max(0.0, amount);
}

} // namespace

// ---------------------------------------------------------------- T778

int TaxData_T778New::Calculate01()
{
    constexpr int kChildren = 10, kPayments = 20;
    int disabled = 0, under7 = 0, from7To16 = 0;
    for (int row = 1; row <= kChildren; ++row) {
        const QDate birth = getDate(rowField("children.#.birth_date", row));
        const bool named = !getString(rowField("children.#.name", row)).IsEmpty();
        if (!birth.isValid() && !named) continue;
        const int age = birth.isValid() ? 2021 - birth.year() : -1;
        if (getBool(rowField("children.#.is_disabled", row)))
            ++disabled;
        else if (age >= 0 && age < 7)
            ++under7;
        else if ((age >= 7 && age <= 16) || getBool(rowField("children.#.is_infirm", row)))
            ++from7To16;
    }
    setFloat("children_disabled_count", disabled);
    setFloat("children_under_7_count", under7);
    setFloat("children_7_to_16_count", from7To16);
    setFloat("total_expenses", roundToCents(sumRows(*this, "payments.#.amount", kPayments)));
    setFloat("basic_limit", disabled * kChildDisabled + under7 * kChildUnder7 + from7To16 * kChild7To16);
    setFloat("earned_income_limit", roundToCents(atLeastZero(getFloat("earned_income")) * kEarnedIncomeLimitRate));
    const double partB = atLeastZero(
        std::min({getFloat("total_expenses"), getFloat("basic_limit"), getFloat("earned_income_limit")})
        - getFloat("claimed_by_others"));
    setFloat("part_b_claim", roundToCents(partB));

    // The spouse with the higher income claims only for the weeks the other
    // spouse could not look after the children.
    const bool partC = getBool("is_higher_net_income") && !getBool("spouse_income_not_applicable")
        && !getBool("is_living_apart");
    double limitC = 0.0;
    if (partC) {
        const int weeks = std::max({getInt("spouse_student_full_time_weeks"), getInt("spouse_infirm_weeks"),
                                    getInt("spouse_confined_weeks"), getInt("spouse_prison_weeks")});
        const double weekly = disabled * kWeeklyDisabled + under7 * kWeeklyUnder7 + from7To16 * kWeekly7To16;
        const double monthly = disabled * kMonthlyDisabled + under7 * kMonthlyUnder7 + from7To16 * kMonthly7To16;
        limitC = weeks * weekly + getInt("spouse_student_part_time_months") * monthly;
    }
    setFloat("part_c_limit", roundToCents(limitC));
    setFloat("part_c_claim", partC ? roundToCents(std::min(partB, limitC)) : 0.0);
    setFloat("deduction", partC ? getFloat("part_c_claim") : getFloat("part_b_claim"));
    return 0;
}

// ---------------------------------------------------------------- T929

int TaxData_T929New::Calculate01()
{
    setFloat("total_expenses", roundToCents(sumRows(*this, "expenses.#.amount", 20)));
    setFloat("net_expenses", roundToCents(atLeastZero(getFloat("total_expenses") - getFloat("reimbursements"))));
    setFloat("deduction", roundToCents(std::min(getFloat("net_expenses"), atLeastZero(getFloat("earned_income")))));
    return 0;
}

// ---------------------------------------------------------------- T2204

int TaxData_T2204_New::Calculate01()
{
    setFloat("premiums_payable", eiRequiredPremiums(getFloat("insurable_earnings")));
    setFloat("overpayment", eiOverpayment(getFloat("insurable_earnings"), getFloat("premiums_deducted")));
    setFloat("premiums_payable_quebec", eiRequiredPremiums(getFloat("insurable_earnings_quebec"), true));
    setFloat("overpayment_quebec",
             eiOverpayment(getFloat("insurable_earnings_quebec"), getFloat("premiums_deducted_quebec"), true));
    setFloat("total_overpayment", roundToCents(getFloat("overpayment") + getFloat("overpayment_quebec")));
    return 0;
}

double TaxData_T2204_New::premiumsClaimed() const
{
    const double claimed = atLeastZero(getFloat("premiums_deducted") - getFloat("overpayment"))
        + atLeastZero(getFloat("premiums_deducted_quebec") - getFloat("overpayment_quebec"));
    return roundToCents(std::min(claimed, kEiMaxPremium));
}

// ---------------------------------------------------------------- GST370

int CTaxData_GST370::Calculate01()
{
    // The tax inside a tax-included amount: 5/105, 13/113, 15/115.
    auto rebate = [this](const char* expenses, const char* cca, const char* dues, double rate) {
        return roundToCents((getFloat(expenses) + getFloat(cca) + getFloat(dues)) * rate / (1.0 + rate));
    };
    setFloat("rebate_5", rebate("expenses_5", "cca_5", "dues_5", kGstRate));
    setFloat("rebate_13", rebate("expenses_13", "cca_13", "dues_13", kHstRate13));
    setFloat("rebate_15", rebate("expenses_15", "cca_15", "dues_15", kHstRate15));
    auto taxIn = [](double amount, double rate) { return amount * rate / (1.0 + rate); };
    setFloat("rebate_cca_part", roundToCents(taxIn(getFloat("cca_5"), kGstRate) + taxIn(getFloat("cca_13"), kHstRate13)
                                             + taxIn(getFloat("cca_15"), kHstRate15)));
    setFloat("rebate", roundToCents(getFloat("rebate_5") + getFloat("rebate_13") + getFloat("rebate_15")));
    setFloat("rebate_other_part", roundToCents(getFloat("rebate") - getFloat("rebate_cca_part")));
    return 0;
}

// ---------------------------------------------------------------- T1206

int TaxData_T1206New::CalculateTOSI()
{
    double split = 0.0;
    for (const char* name :
         {"68330", "68340", "partnership_split_income", "trust_split_income", "split_capital_gains", "other_split_income"})
        split += getFloat(name);
    setFloat("68360", roundToCents(atLeastZero(split)));
    // Split income is taxed at the top rate.
    setFloat("federal_tax", roundToCents(getFloat("68360") * kTopRate));
    setFloat("dividend_tax_credit", dividendTaxCredit(getFloat("68330"), getFloat("68340")));
    setFloat("net_federal_tax", roundToCents(atLeastZero(getFloat("federal_tax") - getFloat("dividend_tax_credit")
                                                         - getFloat("foreign_tax_credit")
                                                         - getFloat("disability_credit"))));
    return 0;
}

// ---------------------------------------------------------------- T691

int TaxData_T691New::CalculateToLine65andMinitaxCarryOverAndLine102(double taxableIncome,
                                                                    double taxableCapitalGains,
                                                                    double credits, double regularTax)
{
    setFloat("taxable_income", roundToCents(taxableIncome));
    setFloat("capital_gains_adjustment", roundToCents(atLeastZero(taxableCapitalGains) * kAmtCapitalGainsAddBack));
    double adjusted = taxableIncome + getFloat("capital_gains_adjustment") + getFloat("stock_option_adjustment")
        + getFloat("home_relocation_loan_adjustment") + getFloat("loss_adjustment");
    for (const char* name : {"67820", "67830", "67840", "67860", "67890"}) adjusted += getFloat(name);
    setFloat("adjusted_taxable_income", roundToCents(atLeastZero(adjusted)));
    setFloat("exemption", kAmtExemption);
    setFloat("amt_base", roundToCents(atLeastZero(getFloat("adjusted_taxable_income") - kAmtExemption)));
    setFloat("gross_minimum_tax", roundToCents(getFloat("amt_base") * kAmtRate));
    setFloat("minimum_tax_credits", roundToCents(atLeastZero(credits)));
    setFloat("minimum_tax", roundToCents(atLeastZero(getFloat("gross_minimum_tax") - getFloat("minimum_tax_credits")
                                                     - getFloat("special_foreign_tax_credit"))));
    CalculateToLine95(regularTax);
    // Minimum tax of earlier years comes back as far as this year's regular
    // tax is above this year's minimum tax.
    const double room = atLeastZero(getFloat("regular_tax") - getFloat("minimum_tax"));
    setFloat("carryover_applied", roundToCents(std::min(atLeastZero(getFloat("carryover_prior")), room)));
    return 0;
}

int TaxData_T691New::CalculateToLine95(double regularTax)
{
    setFloat("regular_tax", roundToCents(atLeastZero(regularTax)));
    return 0;
}

int TaxData_T691New::CalculateToEnd()
{
    setFloat("additional_tax", roundToCents(atLeastZero(getFloat("minimum_tax") - getFloat("regular_tax"))));
    return 0;
}

// ---------------------------------------------------------------- T1A

int TaxData_T1ANew::Calculate01()
{
    double income = getFloat("employment_income") + getFloat("other_income");
    for (const char* line : {"12100", "12200", "12600", "13500", "13700", "13900", "14100", "14300"})
        income += getFloat(CString("income_") + line) - getFloat(CString("loss_") + line);
    income += getFloat("income_12700");
    income -= getFloat("deductions") + getFloat("allowable_business_investment_loss");
    setFloat("non_capital_loss", roundToCents(atLeastZero(-income)));
    // The part of the loss that comes from farming or fishing.
    const double farm = getFloat("loss_14100") + getFloat("loss_14300");
    setFloat("farm_loss", roundToCents(std::min(getFloat("non_capital_loss"), atLeastZero(farm))));
    setFloat("net_capital_loss", roundToCents(atLeastZero(getFloat("loss_12700") - getFloat("income_12700"))));
    auto remaining = [this](const char* loss, const char* carryback) {
        double used = 0.0;
        for (const char* year : {"_2018", "_2019", "_2020"}) used += getFloat(CString(carryback) + year);
        return roundToCents(atLeastZero(getFloat(loss) - used));
    };
    setFloat("non_capital_balance", remaining("non_capital_loss", "non_capital_carryback"));
    setFloat("net_capital_balance", remaining("net_capital_loss", "net_capital_carryback"));
    setFloat("farm_balance", remaining("farm_loss", "farm_carryback"));
    return 0;
}

// ---------------------------------------------------------------- T2222

int CTaxData_T2222::Calculate01()
{
    const double zoneA = getInt("zone_a_days") * kNorthernDailyBasic
        + getInt("zone_a_additional_days") * kNorthernDailyAdditional;
    const double zoneB = (getInt("zone_b_days") * kNorthernDailyBasic
                          + getInt("zone_b_additional_days") * kNorthernDailyAdditional)
        * kIntermediateZoneShare;
    const double residency = atLeastZero(zoneA + zoneB - getFloat("board_lodging_benefits"));
    setFloat("residency_deduction",
             roundToCents(std::min(residency, atLeastZero(getFloat("net_income")) * kNorthernIncomeLimit)));
    double travel = 0.0;
    for (int row = 1; row <= 10; ++row) {
        const double cost = getFloat(rowField("trips.#.cost", row));
        const double airfare = getFloat(rowField("trips.#.lowest_airfare", row));
        const double limit = airfare >= kPresent ? std::min(cost, airfare) : cost;
        const double claim = std::min(atLeastZero(limit), atLeastZero(getFloat(rowField("trips.#.employer_benefit", row))));
        setFloat(rowField("trips.#.claim", row), roundToCents(claim));
        travel += claim;
    }
    setFloat("travel_deduction", roundToCents(travel));
    setFloat("total_deduction", roundToCents(getFloat("residency_deduction") + travel));
    return 0;
}

// ---------------------------------------------------------------- T5004

int CTaxData_T5004::Calculate01()
{
    setFloat("67650", roundToCents(sumRows(*this, "shelters.#.amount", 10)));
    return 0;
}

// ---------------------------------------------------------------- T1-M

int TaxData_T1MNew::Calculate01()
{
    setFloat("travel_expenses",
             roundToCents(getFloat("travel_vehicle_costs") + getFloat("travel_meals") + getFloat("travel_lodging")));
    double total = getFloat("travel_expenses");
    for (const char* name : {"transportation_storage", "temporary_living", "lease_cancellation", "incidental_costs",
                             "vacant_home_costs", "selling_costs", "purchase_costs"})
        total += getFloat(name);
    setFloat("total_expenses", roundToCents(total));
    setFloat("net_expenses", roundToCents(atLeastZero(total - getFloat("reimbursements"))));
    const double available = getFloat("net_expenses") + atLeastZero(getFloat("carried_forward_prior"));
    setFloat("deduction", roundToCents(std::min(available, atLeastZero(getFloat("eligible_income")))));
    setFloat("carried_forward_to_next_year", roundToCents(available - getFloat("deduction")));
    return 0;
}

// ---------------------------------------------------------------- T1223

int CTaxData_T1223::Calculate01()
{
    if (!getBool("is_clergy") || !getBool("is_in_charge")) {
        setFloat("remuneration_limit", 0.0);
        setFloat("deduction", 0.0);
        return 0;
    }
    // A residence provided: its fair rental value. Otherwise the rent and
    // utilities, at most the greater of 10,000 and a third of the
    // remuneration, and never more than the remuneration.
    const double remuneration = atLeastZero(getFloat("remuneration"));
    const double limit = std::min(remuneration, std::max(kClergyResidenceFloor, remuneration / 3.0));
    setFloat("remuneration_limit", roundToCents(limit));
    const double claim = getBool("residence_provided")
        ? getFloat("fair_rental_value")
        : std::min(getFloat("rent_paid") + getFloat("utilities_paid"), limit);
    setFloat("deduction", roundToCents(std::min(atLeastZero(claim), remuneration)));
    return 0;
}

// ---------------------------------------------------------------- T1229

int CTaxData_T1229::Calculate01()
{
    // Exploration expenses in full; development 30%, oil and gas property
    // 10% and foreign resource expenses 10% of their pools.
    const double exploration = getFloat("exploration_pool_start") + sumRows(*this, "resources.#.exploration", 10);
    const double development = getFloat("development_pool_start") + sumRows(*this, "resources.#.development", 10);
    const double oilGas = getFloat("oil_gas_pool_start") + sumRows(*this, "resources.#.oil_gas_property", 10);
    const double foreign = getFloat("foreign_pool_start") + sumRows(*this, "resources.#.foreign", 10);
    setFloat("exploration_claim", roundToCents(atLeastZero(exploration)));
    setFloat("development_claim", roundToCents(atLeastZero(development) * kDevelopmentExpenseRate));
    setFloat("oil_gas_claim", roundToCents(atLeastZero(oilGas) * kOilGasPropertyRate));
    setFloat("foreign_claim", roundToCents(atLeastZero(foreign) * kForeignResourceRate));
    setFloat("depletion_claim", roundToCents(atLeastZero(sumRows(*this, "resources.#.depletion", 10))));
    double total = 0.0;
    for (const char* name : {"exploration_claim", "development_claim", "oil_gas_claim", "foreign_claim", "depletion_claim"})
        total += getFloat(name);
    setFloat("total_deduction", roundToCents(total));
    return 0;
}

// ---------------------------------------------------------------- RC381

namespace {

CppRelatedAmounts rc381Amounts(const CTaxData_Form& form)
{
    const double selfEmployment = atLeastZero(form.getFloat("self_employment_earnings"))
        + (form.getBool("is_elected") ? atLeastZero(form.getFloat("elected_amount")) : 0.0);
    return cppContributions(form.getFloat("cpp_pensionable_earnings") + form.getFloat("qpp_pensionable_earnings"),
                            form.getFloat("cpp_contributions_deducted") + form.getFloat("qpp_contributions_deducted"),
                            selfEmployment, form.getInt("contribution_months"));
}

} // namespace

int TaxData_RC381::Calculate01()
{
    const CppRelatedAmounts amounts = rc381Amounts(*this);
    setFloat("contributions_required",
             cppRequiredContributions(getFloat("cpp_pensionable_earnings") + getFloat("qpp_pensionable_earnings"),
                                      getInt("contribution_months")));
    setFloat("base_contributions", amounts.base30800);
    setFloat("enhanced_contributions", amounts.enhanced22215);
    setFloat("overpayment", amounts.overpayment44800);
    const double deducted = getFloat("cpp_contributions_deducted") + getFloat("qpp_contributions_deducted");
    setFloat("under_deduction", roundToCents(atLeastZero(getFloat("contributions_required") - deducted)));
    return 0;
}

void TaxData_RC381::getCPPRelatedAmounts(CppRelatedAmounts& out) const
{
    out = rc381Amounts(*this);
}

// ---------------------------------------------------------------- T657

int TaxData_T657New::Calculate01()
{
    const double eligibleGains = atLeastZero(getFloat("qsbc_gains") + getFloat("qffp_gains") + getFloat("reserves"));
    const double annual = atLeastZero(std::min(eligibleGains, atLeastZero(getFloat("net_taxable_capital_gains")))
                                      - getFloat("net_capital_losses_applied")
                                      - getFloat("allowable_business_investment_losses"));
    setFloat("annual_gains_limit", roundToCents(annual));
    const double cumulative = atLeastZero(annual + getFloat("prior_net_capital_losses") - getFloat("prior_abil")
                                          - getFloat("prior_deductions") - getFloat("cnil"));
    setFloat("cumulative_gains_limit", roundToCents(std::min(cumulative, annual)));
    setFloat("lifetime_limit_qsbc", roundToCents(atLeastZero(kLifetimeDeductionQsbc - getFloat("prior_deductions"))));
    setFloat("lifetime_limit_qffp", roundToCents(atLeastZero(kLifetimeDeductionQffp - getFloat("prior_deductions"))));
    const double lifetime = getFloat("qffp_gains") >= kPresent ? getFloat("lifetime_limit_qffp")
                                                               : getFloat("lifetime_limit_qsbc");
    setFloat("deduction_limit",
             roundToCents(std::min({getFloat("annual_gains_limit"), getFloat("cumulative_gains_limit"), lifetime})));
    const double claim = getBool("claim_reduced") ? std::clamp(getFloat("claim_amount"), 0.0, getFloat("deduction_limit"))
                                                  : getFloat("deduction_limit");
    setFloat("deduction", roundToCents(claim));
    return 0;
}

// ---------------------------------------------------------------- T777S

int TaxData_T777Covid19::Calculate01()
{
    const int days = std::clamp(getInt("days_worked_from_home"), 0, kFlatRateMaxDays);
    setFloat("flat_rate_claim", roundToCents(days * kFlatRatePerDay));
    if (getInt("method") == 0) {
        setFloat("9368", getFloat("flat_rate_claim"));
        return 0;
    }
    // Detailed method: the work space's share of the home expenses; the
    // insurance and property taxes only for a commission employee.
    double home = 0.0;
    for (const char* name : {"home_electricity", "home_heat", "home_water", "home_condo_utilities", "home_maintenance",
                             "home_rent", "home_internet", "home_other"})
        home += getFloat(name);
    if (getBool("is_commission_employee")) home += getFloat("home_insurance") + getFloat("home_property_taxes");
    setFloat("home_total", roundToCents(home));
    const double area = getFloat("home_area");
    const double share = area >= kPresent ? std::clamp(getFloat("workspace_area") / area, 0.0, 1.0) : 0.0;
    setFloat("workspace_percent", roundToCents(share * 100.0));
    setFloat("home_business_part", roundToCents(home * share));
    setFloat("9945", roundToCents(getFloat("home_business_part") + atLeastZero(getFloat("workspace_carryforward_prior"))));
    const double total = getFloat("9945") + getFloat("8810") + getFloat("phone_expenses")
        + (getBool("is_commission_employee") ? getFloat("equipment_lease") : 0.0) - getFloat("reimbursements");
    setFloat("9368", roundToCents(atLeastZero(total)));
    return 0;
}

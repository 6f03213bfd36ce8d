// The calculations of the federal schedules: each works from its own fields,
// which the return's calculation fills from the T1 and the slips first, and
// leaves its results in its own fields for the return to take.

#include <algorithm>
#include <cmath>

#include "federal2021.h"
#include "schedules.h"

using namespace Federal2021;

namespace {

constexpr double kPresent = CFloatField::kTolerance;

bool holds(double amount)
{
    return std::fabs(amount) >= kPresent;
}

double sumRows(const CTaxData_Form& form, const char* column, int rows)
{
    double sum = 0.0;
    for (int row = 1; row <= rows; ++row) sum += form.getFloat(TableForm::rowField(column, row));
    return sum;
}

// A row of a repeated entry names someone when any of its name or date columns is filled.
bool rowNamed(const CTaxData_Form& form, int row, const char* firstName, const char* lastName, const char* birthDate)
{
    return !form.getString(TableForm::rowField(firstName, row)).IsEmpty()
        || !form.getString(TableForm::rowField(lastName, row)).IsEmpty()
        || form.getDate(TableForm::rowField(birthDate, row)).isValid();
}

} // namespace

// ---------------------------------------------------------------- Schedule 2

int TaxData_Sch2::Calculate01()
{
    double transferable = 0.0;
    for (const char* line : {"35200", "35300", "35500", "35700", "36000"}) transferable += std::max(0.0, getFloat(line));
    setFloat("transferable_total", roundToCents(transferable));
    // What the spouse's taxable income leaves after their own credits is the
    // part of these amounts they need themselves.
    const double needed = std::max(0.0, getFloat("35100") - getFloat("spouse_credits_used"));
    setFloat("32600", roundToCents(std::max(0.0, transferable - needed)));
    return 0;
}

// ---------------------------------------------------------------- Schedule 5

int TaxData_Sch5::Calculate01(const Inputs& in)
{
    auto prorate = [&in](double amount) {
        return in.prorate ? prorateByDays(amount, in.daysInCanada, in.daysInYear) : roundToCents(amount);
    };
    const double bpa = in.basicPersonalAmount;

    // Spouse or common-law partner amount, and the caregiver amount on top of it.
    double spouse = 0.0, caregiver = 0.0;
    if (in.hasSpouse && in.canClaimSpouse && !claimsDependantInsteadOfSpouse(in.hasSpouse)) {
        const bool infirm = getBool("spouse_infirm");
        setFloat("spouse_net_income", in.spouseNetIncome);
        setFloat("spouse_base_amount", bpa + (infirm ? kCaregiverAmountChild : 0.0));
        spouse = spouseAmount(bpa, in.spouseNetIncome, infirm);
        if (infirm) caregiver = caregiverAmountForSpouseOrDependant(in.spouseNetIncome, spouse);
    } else {
        setFloat("spouse_net_income", 0.0);
        setFloat("spouse_base_amount", 0.0);
    }
    setFloat("30300", prorate(spouse));

    // An eligible dependant: without a spouse, or living apart from one.
    double dependant = 0.0;
    if (claimsEligibleDependant(in.hasSpouse)) {
        const bool infirm = getBool("eligible_dependant_infirm");
        const double income = eligibleDependantNetIncome();
        setFloat("eligible_dependant_base_amount", bpa + (infirm ? kCaregiverAmountChild : 0.0));
        dependant = spouseAmount(bpa, income, infirm);
        if (infirm) caregiver = caregiverAmountForSpouseOrDependant(income, dependant);
    } else {
        setFloat("eligible_dependant_base_amount", 0.0);
    }
    setFloat("30400", prorate(dependant));
    setFloat("30425", prorate(caregiver));

    // Other infirm dependants 18 or older, each on their own income.
    constexpr int kCaregiverRows = 5;
    double others = 0.0;
    for (int row = 1; row <= kCaregiverRows; ++row) {
        const CString amount = rowField("caregiver_dependants.#.amount", row);
        if (!rowNamed(*this, row, "caregiver_dependants.#.first_name", "caregiver_dependants.#.last_name",
                      "caregiver_dependants.#.birth_date")) {
            setFloat(amount, 0.0);
            continue;
        }
        const double income = getFloat(rowField("caregiver_dependants.#.net_income", row));
        setFloat(amount, caregiverAmountForInfirmDependant(std::max(0.0, income)));
        others += getFloat(amount);
    }
    setFloat("30450", prorate(others));

    // Infirm children under 18: 2,295 each.
    constexpr int kChildRows = 10;
    int children = 0;
    for (int row = 1; row <= kChildRows; ++row)
        if (rowNamed(*this, row, "infirm_children.#.first_name", "infirm_children.#.last_name",
                     "infirm_children.#.birth_date"))
            ++children;
    setInt("30499", children);
    setFloat("30500", prorate(children * kCaregiverAmountChild));
    return 0;
}

bool TaxData_Sch5::namesEligibleDependant() const
{
    auto named = [this](const char* field) { return !getString(field).toQString().trimmed().isEmpty(); };
    return named("eligible_dependant_first_name") || named("eligible_dependant_last_name")
        || getDate("eligible_dependant_birth_date").isValid();
}

bool TaxData_Sch5::claimsEligibleDependant(bool hasSpouse) const
{
    return namesEligibleDependant() && (!hasSpouse || getBool("eligible_dependant_condition"));
}

bool TaxData_Sch5::claimsDependantInsteadOfSpouse(bool hasSpouse) const
{
    return hasSpouse && getBool("eligible_dependant_condition") && namesEligibleDependant();
}

double TaxData_Sch5::eligibleDependantNetIncome() const
{
    return std::max(0.0, getFloat("eligible_dependant_net_income"));
}

// ---------------------------------------------------------------- Schedule 6

int TaxData_Sch6::Calculate01(bool claimsBasic)
{
    const bool spouse = !getBool("no_spouse");
    const bool family = spouse || getBool("has_eligible_dependant");

    // Part A: working income.
    const double working = std::max(0.0, getFloat("employment_income") + getFloat("38106")
                                             + getFloat("self_employment_income") + getFloat("38107"));
    const double spouseWorking = spouse ? std::max(0.0, getFloat("spouse_employment_income") + getFloat("spouse_38106")
                                                            + getFloat("spouse_self_employment_income")
                                                            + getFloat("spouse_38107"))
                                        : 0.0;
    setFloat("38108", roundToCents(working));
    setFloat("spouse_38108", roundToCents(spouseWorking));
    setFloat("family_working_income", roundToCents(working + spouseWorking));

    // Part B: adjusted family net income; the lower earner of a couple keeps
    // up to 14,000 of working income out of it.
    const double adjusted = getFloat("net_income") + getFloat("38109") + getFloat("uccb_rdsp_repayments")
        - getFloat("uccb_rdsp_income");
    const double spouseAdjusted = spouse ? getFloat("spouse_net_income") + getFloat("spouse_38109")
                                               + getFloat("spouse_uccb_rdsp_repayments")
                                               - getFloat("spouse_uccb_rdsp_income")
                                         : 0.0;
    setFloat("38110", roundToCents(adjusted));
    setFloat("spouse_38110", roundToCents(spouseAdjusted));
    double familyIncome = adjusted + spouseAdjusted;
    if (spouse) familyIncome -= cwbSecondaryEarnerExemption(std::min(working, spouseWorking));
    familyIncome = roundToCents(std::max(0.0, familyIncome));
    setFloat("adjusted_family_net_income", familyIncome);

    // Steps 2 and 3.
    setFloat("basic_cwb", claimsBasic ? cwbBasic(working + spouseWorking, familyIncome, family) : 0.0);
    const double supplement = getBool("disability_supplement")
        ? cwbDisabilitySupplement(working, familyIncome, family, spouse && getBool("spouse_disability_supplement"))
        : 0.0;
    setFloat("disability_supplement_amount", supplement);
    setFloat("45300", roundToCents(getFloat("basic_cwb") + supplement));
    return 0;
}

// ---------------------------------------------------------------- Schedule 7

int TaxData_Sch7::Calculate01(double deductionLimitFallback, double unusedContributionsFallback)
{
    constexpr int kRows = 20;
    setFloat("line_2", roundToCents(sumRows(*this, "contributions.#.amount_2021", kRows) + getFloat("interview_2021")));
    setFloat("line_3", roundToCents(sumRows(*this, "contributions.#.amount_2022", kRows) + getFloat("interview_2022")));
    setFloat("24500", roundToCents(getFloat("line_2") + getFloat("line_3")));
    const double unused = holds(getFloat("line_1")) ? getFloat("line_1") : unusedContributionsFallback;
    setFloat("line_5", roundToCents(std::max(0.0, unused) + getFloat("24500")));
    setFloat("line_8", roundToCents(getFloat("24600") + getFloat("26200")));

    // What is left after the repayments may be deducted: transfers in full,
    // the rest up to the deduction limit less the PRPP employer contributions.
    const double available = std::max(0.0, getFloat("line_5") - getFloat("line_8"));
    const double transfers = std::clamp(getFloat("transfers"), 0.0, available);
    const double limit = holds(getFloat("rrsp_deduction_limit")) ? getFloat("rrsp_deduction_limit")
                                                                  : deductionLimitFallback;
    double deductible = std::min(available - transfers, std::max(0.0, limit - getFloat("20810")));
    if (holds(getFloat("deduction_requested")))
        deductible = std::clamp(getFloat("deduction_requested") - transfers, 0.0, deductible);
    setFloat("20800", roundToCents(transfers + deductible));
    if (getBool("deduction_planned")) setFloat("20800", roundToCents(std::max(0.0, getFloat("planned_deduction"))));
    setFloat("unused_contributions_carried_forward", roundToCents(std::max(0.0, available - getFloat("20800"))));
    // Transfers use no deduction room; PRPP employer contributions do.
    setFloat("unused_deduction_room",
             roundToCents(std::max(0.0, limit - getFloat("20810") - std::max(0.0, getFloat("20800") - transfers))));
    return 0;
}

// ---------------------------------------------------------------- Schedule 8

CppRelatedAmounts cppContributions(double pensionableEarnings, double contributionsDeducted,
                                   double selfEmploymentEarnings, int months)
{
    CppRelatedAmounts out;
    const double deducted = std::max(0.0, contributionsDeducted);
    const double required = cppRequiredContributions(pensionableEarnings, months);
    const double employee = std::min(deducted, required);
    out.overpayment44800 = roundToCents(deducted - employee);
    const CppSplit split = cppBaseAndEnhanced(employee);
    out.base30800 = split.base;
    out.enhanced22215 = split.enhanced;

    if (selfEmploymentEarnings >= kPresent) {
        // Both shares on all the earnings up to the maximum, less twice what
        // the employment already paid.
        const double fraction = std::clamp(months, 0, 12) / 12.0;
        const double earnings =
            std::min(std::max(0.0, pensionableEarnings) + selfEmploymentEarnings, kCppYmpe * fraction);
        const double total =
            roundToCents(std::max(0.0, earnings - kCppBasicExemption * fraction) * kCppSelfEmployedRate);
        out.payable42100 = roundToCents(std::max(0.0, total - 2 * employee));
        const double base = roundToCents(out.payable42100 * (2 * kCppBaseRate) / kCppSelfEmployedRate);
        const double enhanced = roundToCents(out.payable42100 - base);
        out.credit31000 = roundToCents(base * kCppSelfEmployedCreditShare);
        out.deduction22200 = roundToCents(enhanced + out.credit31000);
    }
    return out;
}

namespace {

CppRelatedAmounts sch8Amounts(const CTaxData_Form& form)
{
    return cppContributions(form.getFloat("50339"), form.getFloat("50340"),
                            std::max(0.0, form.getFloat("self_employment_earnings")) + form.getFloat("50373"),
                            form.getInt("pensionable_months"));
}

} // namespace

int TaxData_Sch8_14::Calculate01()
{
    const CppRelatedAmounts amounts = sch8Amounts(*this);
    setFloat("contributions_required", cppRequiredContributions(getFloat("50339"), getInt("pensionable_months")));
    setFloat("contributions_payable", amounts.payable42100);
    setFloat("overpayment", amounts.overpayment44800);
    setFloat("30800", amounts.base30800);
    setFloat("22215", amounts.enhanced22215);
    setFloat("31000", amounts.credit31000);
    setFloat("22200", amounts.deduction22200);
    setFloat("42100", amounts.payable42100);
    return 0;
}

void TaxData_Sch8_14::getCPPRelatedAmounts(CppRelatedAmounts& out) const
{
    out.base30800 = getFloat("30800");
    out.enhanced22215 = getFloat("22215");
    out.credit31000 = getFloat("31000");
    out.deduction22200 = getFloat("22200");
    out.payable42100 = getFloat("42100");
    out.overpayment44800 = getFloat("overpayment");
}

// ---------------------------------------------------------------- Schedule 9

double TaxData_Sch9::ownDonations() const
{
    double receipts = 0.0;
    for (int row = 1; row <= kDonationRows; ++row)
        receipts += std::max(0.0, getFloat(rowField("donations.#.amount", row)));
    return receipts + getFloat("donations_self") + getFloat("donations_slips") + getFloat("donations_carried_forward");
}

double TaxData_Sch9::spouseDonationsClaimed() const
{
    return getFloat("donations_spouse") + getFloat("shared_donations");
}

int TaxData_Sch9::Calculate01(double netIncome, double taxableIncome, bool deceased)
{
    double gifts = 0.0, cultural = 0.0;
    for (int row = 1; row <= kDonationRows; ++row) {
        const double amount = std::max(0.0, getFloat(rowField("donations.#.amount", row)));
        (getBool(rowField("donations.#.cultural_or_ecological", row)) ? cultural : gifts) += amount;
    }
    gifts += getFloat("donations_self") + getFloat("donations_spouse") + getFloat("donations_slips")
        + getFloat("donations_carried_forward") + getFloat("shared_donations");
    gifts = std::max(0.0, gifts);
    if (getBool("donations_planned")) {
        // The planned total keeps the cultural gifts it can hold apart: they
        // are not limited by net income.
        const double planned = std::max(0.0, getFloat("planned_donations"));
        cultural = std::min(cultural, planned);
        gifts = planned - cultural;
    }
    setFloat("total_eligible_donations", roundToCents(gifts + cultural));
    // In the year of death the limit is all of net income.
    const double limit = deceased ? roundToCents(std::max(0.0, netIncome)) : donationClaimLimit(netIncome);
    setFloat("donation_limit", limit);
    setFloat("34000", roundToCents(std::clamp(gifts, 0.0, limit)));
    setFloat("34200", roundToCents(cultural));

    // 15% on the first 200; 33% on the rest as far as taxable income reaches
    // into the top bracket; 29% on what remains.
    const double claimed = getFloat("34000") + getFloat("34200");
    const double low = std::min(claimed, kDonationLowPart);
    const double rest = claimed - low;
    const double high = std::min(rest, std::max(0.0, taxableIncome - kBracket4));
    setFloat("34900",
             roundToCents(low * kDonationLowRate + high * kDonationHighRate + (rest - high) * kDonationMiddleRate));
    return 0;
}

// ---------------------------------------------------------------- Schedule 11

int TaxData_Sch11::Calculate01()
{
    // Canada training credit: half of this year's fees, up to the limit; the
    // fees it is claimed on do not also give the tuition amount.
    const double fees = std::max(0.0, getFloat("32000"));
    setFloat("ctc_eligible_fees", roundToCents(fees));
    const double training = roundToCents(std::clamp(fees * 0.5, 0.0, std::max(0.0, getFloat("ctc_limit"))));
    setFloat("45350", training);
    const double current = roundToCents(fees - training);

    const double carried = std::max(0.0, getFloat("unused_tuition_carryforward"));
    setFloat("total_available_tuition", roundToCents(carried + current));
    // Only as much as the tax on taxable income still needs after the other credits.
    const double needed = std::max(0.0, getFloat("taxable_income") - getFloat("credits_before_tuition"));
    const double fromCarried = std::min(carried, needed);
    const double fromCurrent = std::min(current, needed - fromCarried);
    setFloat("unused_tuition_claimed", roundToCents(fromCarried));
    setFloat("current_tuition_claimed", roundToCents(fromCurrent));
    setFloat("32300", roundToCents(fromCarried + fromCurrent));
    const double transferred = std::clamp(getFloat("32700"), 0.0, tuitionTransferable(current, fromCurrent));
    setFloat("tuition_carried_forward", roundToCents(carried + current - getFloat("32300") - transferred));
    return 0;
}

// ---------------------------------------------------------------- Schedule 12

int TaxData_Sch12_2016::Calculate01()
{
    constexpr int kRows = 20;
    setFloat("total_expenses", roundToCents(sumRows(*this, "expenses.#.amount", kRows)));
    setFloat("31285", homeAccessibilityAmount(getFloat("total_expenses") - getFloat("claimed_by_others")));
    return 0;
}

// ---------------------------------------------------------------- Schedule 13

int TaxData_Sch13::Calculate01()
{
    const double insurable = std::clamp(getFloat("self_employment_earnings"), 0.0, kEiMaxInsurable);
    setFloat("insurable_earnings", roundToCents(insurable));
    const double premiums = eiRequiredPremiums(insurable, getBool("resident_of_quebec"));
    setFloat("42120", premiums);
    setFloat("31217", premiums);
    return 0;
}

// The 2021 return's own arithmetic: total, net and taxable income, the
// federal non-refundable credits, net federal tax, and the refund or balance
// owing. The figures come from the 2021 federal rules (federal2021.h); the
// schedules and statements put their results into the lines before these run.

#include <algorithm>
#include <cmath>
#include <vector>

#include "dependantinfo.h"
#include "federal2021.h"
#include "t1.h"

using namespace Federal2021;

namespace {

constexpr double kPresent = CFloatField::kTolerance;

const char* const kIncomeLines[] = {
    "10100", "10400", "11300", "11400", "11500", "11600", "11700", "11900", "12000", "12100",
    "12200", "12500", "12600", "12700", "12800", "12900", "13000", "13010", "13500", "13700",
    "13900", "14100", "14300", "14700",
};

// Deductions of lines 20700 to 23210, RRSP (20800) and other deductions
// (23200) apart: each has more than one source.
const char* const kDeductionLines[] = {
    "20700", "20810", "21000", "21200", "21300", "21500", "21700", "21900", "22000",
    "22100", "22200", "22215", "22300", "22400", "22900", "23100", "23210",
};

const char* const kTaxableIncomeDeductions[] = {
    "24400", "24900", "25000", "25100", "25200", "25300", "25400", "25500", "25600",
};

// The credit amounts of lines 30000 to 32600 that line 33500 adds up
// (line 33200 is added after the medical expenses are worked out).
const char* const kCreditAmountLines[] = {
    "30000", "30100", "30300", "30400", "30425", "30450", "30500", "30800", "31000", "31200",
    "31217", "31220", "31240", "31260", "31270", "31285", "31300", "31350", "31400", "31600",
    "31800", "31900", "32300", "32400", "32600",
};

const char* const kRefundableCreditLines[] = {
    "43700", "43800", "44000", "44100", "44800", "45000", "45200",
    "45300", "45350", "45400", "45600", "45700", "46900", "47555", "47556", "47600", "47900",
};

} // namespace

const STRUCT_TAX_STAIRS_JURISDICTION TaxData_T1New::m_taxStairs{};

double STRUCT_TAX_STAIRS_JURISDICTION::CalcAlgoForSpouseF260S2(double taxableIncome) const
{
    if (taxableIncome <= kBracket1) return roundToCents(std::max(0.0, taxableIncome));
    return roundToCents(taxOnTaxableIncome(taxableIncome) / kCreditRate);
}

// A line the user may type plus the slip amounts steps before put beside it
// ("<line>_slips"; no such field reads 0).
static double lineWithSlips(const TaxData_T1New& t1, const char* line)
{
    return t1.getFloat(line) + t1.getFloat(CString(line) + "_slips");
}

void TaxData_T1New::CalculateTotalIncome(bool withSubtotals)
{
    if (withSubtotals)
        setFloat("14700", roundToCents(getFloat("14400") + getFloat("14500") + getFloat("14600")));
    double total = getFloat("spousal_plan_income_adjustment");
    for (const char* line : kIncomeLines) total += lineWithSlips(*this, line);
    total += getFloat("planned_income");
    setFloat("15000", roundToCents(total));
}

double TaxData_T1New::rrspDeduction() const
{
    // Schedule 7's result stands when the return holds one; its calculation
    // writes it, and it is 0 otherwise.
    return std::fabs(getFloat("20800_sch7")) >= kPresent ? getFloat("20800_sch7") : lineWithSlips(*this, "20800");
}

namespace {

// Line 23300 with or without the child care deduction.
double totalDeductions(const TaxData_T1New& t1, bool withChildCare)
{
    double total = t1.rrspDeduction();
    for (const char* line : kDeductionLines) total += lineWithSlips(t1, line);
    // Line 23200: what the user typed, the slips' amounts, and the amounts
    // other forms deduct there.
    total += lineWithSlips(t1, "23200") + t1.getFloat("foreign_tax_deduction") + t1.getFloat("split_income")
        + t1.getFloat("planned_deduction");
    if (withChildCare) total += t1.getFloat("21400");
    return roundToCents(total);
}

} // namespace

// Half of a business investment loss is allowable.
static double allowableBusinessInvestmentLoss(const TaxData_T1New& t1)
{
    return roundToCents(std::max(0.0, lineWithSlips(t1, "21699")) * kCapitalGainsInclusionRate);
}

void TaxData_T1New::CalculateNetIncomeBeforeCCT()
{
    setFloat("21700", allowableBusinessInvestmentLoss(*this));
    setFloat("23300", totalDeductions(*this, false));
    setFloat("23400", roundToCents(std::max(0.0, getFloat("15000") - getFloat("23300"))));
}

void TaxData_T1New::CalculateNetIncomeAfterCCT(int)
{
    setFloat("21700", allowableBusinessInvestmentLoss(*this));
    setFloat("23300", totalDeductions(*this, true));
    const double beforeAdjustments = roundToCents(std::max(0.0, getFloat("15000") - getFloat("23300")));
    setFloat("23400", beforeAdjustments);
    // The OAS recovery counts income without the UCCB and RDSP income and
    // with their repayments.
    const double forRecovery = beforeAdjustments - getFloat("11700") - getFloat("12500") + getFloat("21300")
        + getFloat("rdsp_repayment");
    // EI regular benefits first (the T4E chart): 30% of the lesser of the
    // repayable benefits and the income over 70,375; the OAS recovery then
    // counts the income left after that repayment (line 23500 chart).
    const double eiRepayment = roundToCents(
        0.30 * std::min(getFloat("ei_regular_benefits_repayable"), std::max(0.0, forRecovery - kEiRepaymentThreshold)));
    const double oasRepayment = oasRecovery(forRecovery - eiRepayment, getFloat("11300") + getFloat("14600"));
    setFloat("ei_benefits_repayment", eiRepayment);
    setFloat("oas_recovery", oasRepayment);
    const double repayment = roundToCents(eiRepayment + oasRepayment);
    setFloat("23500", repayment);
    setFloat("23600", roundToCents(std::max(0.0, beforeAdjustments - repayment)));
}

void TaxData_T1New::CalculateTaxableIncome(int)
{
    // Line 25000: workers' compensation, social assistance and the net
    // federal supplements less the part of them that line 23500 repays.
    const double supplementsRepaid = std::max(0.0, getFloat("oas_recovery") - getFloat("11300"));
    setFloat("25000", roundToCents(getFloat("14400") + getFloat("14500")
                                   + std::max(0.0, getFloat("14600") - supplementsRepaid)));
    double deductions = 0.0;
    for (const char* line : kTaxableIncomeDeductions) deductions += lineWithSlips(*this, line);
    setFloat("25700", roundToCents(deductions));
    setFloat("26000", roundToCents(std::max(0.0, getFloat("23600") - getFloat("25700"))));
}

double TaxData_T1New::CalculateAgeAmount(bool eligible, double netIncome, int daysInCanada, int daysInYear,
                                         double maxAmount, double threshold, double rate)
{
    return Federal2021::CalculateAgeAmount(eligible, netIncome, daysInCanada, daysInYear, maxAmount, threshold,
                                           rate);
}

int TaxData_T1New::daysInYear() const
{
    const int days = getInt("days_in_year");
    return days > 0 ? days : 365;
}

int TaxData_T1New::daysInCanada() const
{
    const int days = getInt("days_in_canada");
    return days > 0 ? std::min(days, daysInYear()) : daysInYear();
}

double TaxData_T1New::prorated(double amount) const
{
    if (!shouldProrateAsImmigrant()) return roundToCents(amount);
    return prorateByDays(amount, daysInCanada(), daysInYear());
}

void TaxData_T1New::CalculateBasicPersonalAmount()
{
    setFloat("30000", prorated(basicPersonalAmount(getFloat("23600"))));
}

void TaxData_T1New::CalculateLine314ByWorkSheet()
{
    // Eligible pension income: a person 65 or older counts line 11500, the
    // split pension received and the annuity payments of line 12900; a
    // younger person only the life annuity payments of line 11500 and the
    // part of the split pension that comes from them. The pensioner who
    // split loses what was split (line 21000).
    double eligible;
    if (IsAgeNotUnder65())
        eligible = getFloat("11500") + getFloat("11600") + getFloat("pension_eligible_12900")
            + getFloat("spousal_plan_pension_65_or_over");
    else
        eligible = getFloat("11500") - getFloat("pension_ineligible_under65") + getFloat("split_pension_qualifying")
            + getFloat("spousal_plan_pension_under_65");
    setFloat("31400", pensionIncomeAmount(eligible - getFloat("21000")));
}

namespace {

constexpr int kMedicalRows = 30;

struct MedicalRows
{
    double own = 0.0;   // the person, the spouse and the children under 18
    std::vector<TaxData_T1New::DependantMedical> others;
};

// The medical expense rows, read once: line 33099 takes the person's, the
// spouse's and the dependent children's (born in 2004 or later); every other
// dependant's expenses are kept apart with that dependant's net income.
MedicalRows readMedicalRows(const TaxData_T1New& t1)
{
    MedicalRows rows;
    std::vector<const DependantEntry*> patients;
    const DependantInfoStruct* dependants = t1.dependants();
    for (int row = 1; row <= kMedicalRows; ++row) {
        const double amount = t1.getFloat(TableForm::rowField("medical_expenses.#.amount", row));
        if (std::fabs(amount) < kPresent) continue;
        const int dependant = t1.getInt(TableForm::rowField("medical_expenses.#.patient", row)) - 2;   // the first dependant is patient 2
        const DependantEntry* entry = (dependant >= 0 && dependants) ? dependants->entry(dependant) : nullptr;
        const bool child = entry && entry->isChild() && entry->ageAtEndOf(TaxData_T1New::kTaxYear) >= 0
            && entry->ageAtEndOf(TaxData_T1New::kTaxYear) <= 17;
        if (!entry || child) {
            rows.own += amount;
            continue;
        }
        const auto known = std::find(patients.begin(), patients.end(), entry);
        if (known != patients.end()) {
            rows.others[size_t(known - patients.begin())].expenses += amount;
            continue;
        }
        patients.push_back(entry);
        rows.others.push_back({amount, entry->netIncome});
    }
    // A dependant whose expenses come to nothing claims nothing.
    rows.others.erase(std::remove_if(rows.others.begin(), rows.others.end(),
                                     [](const TaxData_T1New::DependantMedical& d) { return d.expenses < kPresent; }),
                      rows.others.end());
    return rows;
}

// Lines 33099 and 33199 from the medical expense rows: line 33099 holds the
// expenses themselves; line 33199 each other dependant's expenses over the
// lesser of 3% of that dependant's net income and 2,421.
void medicalExpenses(TaxData_T1New& t1)
{
    const MedicalRows rows = readMedicalRows(t1);
    double otherAllowed = 0.0;
    for (const TaxData_T1New::DependantMedical& other : rows.others)
        otherAllowed += allowableMedicalExpenses(other.expenses, other.netIncome);
    t1.setFloat("33099", roundToCents(rows.own));
    t1.setFloat("33199", roundToCents(otherAllowed));
    t1.setFloat("33200", roundToCents(allowableMedicalExpenses(rows.own, t1.getFloat("23600")) + otherAllowed));
}

double politicalContributionCredit(double contributions)
{
    const double paid = std::max(0.0, contributions);
    const double first = std::min(paid, kPoliticalFirstPart);
    const double second = std::min(paid - first, kPoliticalSecondPart);
    const double rest = paid - first - second;
    return roundToCents(std::min(kPoliticalFirstRate * first + kPoliticalSecondRate * second + kPoliticalRestRate * rest,
                                 kPoliticalCreditMax));
}

} // namespace

std::vector<TaxData_T1New::DependantMedical> TaxData_T1New::otherDependantsMedicalExpenses() const
{
    return readMedicalRows(*this).others;
}

void TaxData_T1New::CalculateField350AndField410_414()
{
    CalculateBasicPersonalAmount();
    setFloat("30100", CalculateAgeAmount(IsAgeNotUnder65(), getFloat("23600"), daysInCanada(), daysInYear(),
                                         kAgeAmountMax, kAgeAmountThreshold, kAgeAmountReductionRate));
    setFloat("31260", canadaEmploymentAmount(getFloat("10100") + lineWithSlips(*this, "10400")));
    setFloat("31600", getBool("disability_amount_eligible") ? prorated(disabilityAmount(GetAge() < 18)) : 0.0);
    medicalExpenses(*this);

    double amounts = getFloat("33200");
    for (const char* line : kCreditAmountLines) {
        double amount = getFloat(line);
        // The lines a user types count only up to their 2021 maximum.
        if (CString(line) == "31350") amount = digitalNewsAmount(amount);
        amounts += amount;
    }
    setFloat("33500", roundToCents(amounts));
    setFloat("33800", creditValue(amounts));
    setFloat("35000", roundToCents(getFloat("33800") + getFloat("34900")));

    setFloat("41000", politicalContributionCredit(getFloat("40900")));
    setFloat("41400", roundToCents(std::min(std::max(0.0, getFloat("41300")) * kLabourSponsoredRate,
                                            kLabourSponsoredMax)));
}

void TaxData_T1New::CalculateFedTax1stStep()
{
    setFloat("line_73", taxOnTaxableIncome(getFloat("26000")));
}

void TaxData_T1New::CalculateField404()
{
    setFloat("40400", roundToCents(getFloat("line_73") + getFloat("40424")));
    // Dividends taxed as split income get their credit on the T1206.
    const double other = std::max(0.0, getFloat("12010") - getFloat("split_dividends_other"));
    const double eligible =
        std::max(0.0, getFloat("12000") - getFloat("12010") - getFloat("split_dividends_eligible"));
    setFloat("40425", dividendTaxCredit(eligible, other));
}

void TaxData_T1New::CalculateField429AndNonResiSurTax()
{
    const double afterCredits = std::max(0.0, getFloat("40400") - getFloat("35000"));
    setFloat("42900", roundToCents(std::max(0.0, afterCredits - getFloat("40425") - getFloat("40427"))));
    const bool nonResident = getMainTaxProvince() == PROV_NONRESIDENT;
    setFloat("federal_surtax_outside_canada",
             nonResident ? roundToCents(getFloat("42900") * kNonResidentSurtaxRate) : 0.0);
}

void TaxData_T1New::CalculateLine440ByWorkSheet()
{
    const bool quebec = getMainTaxProvince() == PROV_QC;
    setFloat("44000", quebec ? roundToCents(getFloat("42900") * kQuebecAbatementRate) : 0.0);
}

void TaxData_T1New::CalculateField406()
{
    const double tax = getFloat("42900") + getFloat("federal_surtax_outside_canada") + getFloat("itc_recapture")
        - getFloat("40500") - getFloat("federal_logging_tax_credit");
    setFloat("40600", roundToCents(std::max(0.0, tax)));
}

void TaxData_T1New::CalculateField417()
{
    setFloat("41600", roundToCents(getFloat("41000") + getFloat("41200") + getFloat("41400")));
    setFloat("41700", roundToCents(std::max(0.0, getFloat("40600") - getFloat("41600"))));
}

void TaxData_T1New::CalculateFedTax()
{
    setFloat("42000", roundToCents(getFloat("41700") + getFloat("41500") + getFloat("41800")));
}

void TaxData_T1New::CalculateBeforeLine437(int)
{
    setFloat("42200", getFloat("23500"));
    setFloat("43500", roundToCents(getFloat("42000") + getFloat("42100") + getFloat("42120") + getFloat("42200")
                                   + getFloat("42800")));
}

void TaxData_T1New::CalculateMedicalExpenseSupplement(double workingIncome)
{
    // Residents of Canada all year who are 18 or older.
    if (GetAge() < 18 || shouldProrateAsImmigrant()) {
        setFloat("45200", 0.0);
        return;
    }
    const double family = getFloat("23600") + (HasSpouse() ? getFloat("spouse_net_income") : 0.0);
    setFloat("45200", medicalExpenseSupplement(getFloat("33200") + getFloat("21500"), workingIncome, family));
}

void TaxData_T1New::CalculateBalance(int)
{
    setFloat("46900", roundToCents(std::clamp(getFloat("46800"), 0.0, kEducatorExpensesMax) * kEducatorCreditRate));
    double credits = 0.0;
    // A pension split moves the tax deducted on it with it: line 43700
    // shows the tax after the split (form T1032, step 5).
    setFloat("43700", roundToCents(getFloat("43700_slips") + getFloat("split_pension_tax_adjustment")));
    for (const char* line : kRefundableCreditLines) credits += getFloat(line);
    setFloat("48200", roundToCents(credits));
    const double difference = roundToCents(getFloat("48200") - getFloat("43500"));
    setFloat("48400", std::max(0.0, difference));
    setFloat("48500", std::max(0.0, -difference));
    // An Ontario resident may give part of the refund to the Ontario
    // opportunities fund.
    const double donation = getMainTaxProvince() == PROV_ON ? std::clamp(getFloat("46500"), 0.0, getFloat("48400"))
                                                            : 0.0;
    setFloat("46600", roundToCents(getFloat("48400") - donation));
}

double TaxData_T1New::getSelfEmploymentIncomeForCPP() const
{
    double income = 0.0;
    for (const char* line : {"13500", "13700", "13900", "14100", "14300"}) income += getFloat(line);
    return roundToCents(std::max(0.0, income));
}

double TaxData_T1New::getSpouseNetIncForSpouseCredit(bool) const
{
    return HasSpouse() ? std::max(0.0, getFloat("spouse_net_income")) : 0.0;
}

bool TaxData_T1New::canClaimSch2() const
{
    return HasSpouse();
}

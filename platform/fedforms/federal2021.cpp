#include "federal2021.h"

#include <algorithm>
#include <cmath>

namespace Federal2021 {

namespace {

double atLeastZero(double amount)
{
    return std::max(0.0, amount);
}

// The part of `amount` above `floor`, never negative.
double excessOver(double amount, double floor)
{
    return atLeastZero(amount - floor);
}

// Months outside 0..12 would stretch the yearly maximums past the year.
double yearFraction(int months)
{
    return std::clamp(months, 0, 12) / 12.0;
}

} // namespace

double taxOnTaxableIncome(double taxable)
{
    return bracketTax(kBrackets, taxable);
}

double creditValue(double amounts)
{
    return roundToCents(atLeastZero(amounts) * kCreditRate);
}

double prorateByDays(double amount, int days, int daysInYear)
{
    if (daysInYear <= 0 || days >= daysInYear)
        return roundToCents(amount);
    if (days <= 0)
        return 0.0;
    return roundToCents(amount * days / daysInYear);
}

double basicPersonalAmount(double netIncome)
{
    if (netIncome <= kBracket3)
        return kBasicPersonalAmountMax;
    if (netIncome >= kBracket4)
        return kBasicPersonalAmountMin;
    // The enhancement (13,808 - 12,421) fades out evenly across the 29% bracket.
    const double reduction = (kBasicPersonalAmountMax - kBasicPersonalAmountMin)
                             * (netIncome - kBracket3) / (kBracket4 - kBracket3);
    return roundToCents(kBasicPersonalAmountMax - reduction);
}

double ageAmount(double netIncome)
{
    return CalculateAgeAmount(true, netIncome, 1, 1);
}

double CalculateAgeAmount(bool eligible, double netIncome, int days, int daysInYear,
                          double maxAmount, double threshold, double rate)
{
    if (!eligible)
        return 0.0;
    // Newcomers and emigrants: the agency prorates the maximum and the
    // income threshold first, each to the cent, then reduces by the rate
    // on the income over the prorated threshold.
    const double amount = prorateByDays(maxAmount, days, daysInYear);
    const double base = prorateByDays(threshold, days, daysInYear);
    const double reduction = roundToCents(excessOver(netIncome, base) * rate);
    return roundToCents(atLeastZero(amount - reduction));
}

double spouseAmount(double bpaOfClaimant, double spouseNetIncome, bool infirm)
{
    const double base = bpaOfClaimant + (infirm ? kCaregiverAmountChild : 0.0);
    return roundToCents(atLeastZero(base - spouseNetIncome));
}

double caregiverAmountForInfirmDependant(double dependantNetIncome)
{
    const double reduction = excessOver(dependantNetIncome, kCaregiverIncomeThreshold);
    return roundToCents(atLeastZero(kCaregiverAmountAdult - reduction));
}

double caregiverAmountForSpouseOrDependant(double netIncome, double claimedOnSpouseOrDependantLine)
{
    // Only the part of the caregiver amount that the spouse or eligible
    // dependant amount did not already give.
    return roundToCents(atLeastZero(caregiverAmountForInfirmDependant(netIncome)
                                    - atLeastZero(claimedOnSpouseOrDependantLine)));
}

double disabilityAmount(bool under18, double careExpensesClaimed)
{
    if (!under18)
        return kDisabilityAmount;
    const double supplement = atLeastZero(kDisabilitySupplementMax
                                          - excessOver(careExpensesClaimed, kDisabilitySupplementCareBase));
    return roundToCents(kDisabilityAmount + supplement);
}

double pensionIncomeAmount(double eligiblePensionIncome)
{
    return roundToCents(std::clamp(eligiblePensionIncome, 0.0, kPensionIncomeAmountMax));
}

double canadaEmploymentAmount(double employmentIncome)
{
    return roundToCents(std::clamp(employmentIncome, 0.0, kCanadaEmploymentAmountMax));
}

double medicalExpenseThreshold(double netIncome)
{
    return roundToCents(std::min(atLeastZero(netIncome) * kMedicalThresholdRate, kMedicalThresholdMax));
}

double allowableMedicalExpenses(double expenses, double netIncome)
{
    return roundToCents(excessOver(expenses, medicalExpenseThreshold(netIncome)));
}

double adoptionExpensesAmount(double expensesForOneChild)
{
    return roundToCents(std::clamp(expensesForOneChild, 0.0, kAdoptionExpensesMax));
}

double digitalNewsAmount(double expenses)
{
    return roundToCents(std::clamp(expenses, 0.0, kDigitalNewsMax));
}

double homeAccessibilityAmount(double expenses)
{
    return roundToCents(std::clamp(expenses, 0.0, kHomeAccessibilityMax));
}

double tuitionTransferable(double currentYearTuition, double currentYearTuitionUsed)
{
    const double transferable = std::clamp(currentYearTuition, 0.0, kTuitionTransferMax);
    return roundToCents(excessOver(transferable, atLeastZero(currentYearTuitionUsed)));
}

CppSplit cppBaseAndEnhanced(double contributions)
{
    CppSplit split;
    const double paid = atLeastZero(contributions);
    split.base = roundToCents(paid * kCppBaseRate / kCppEmployeeRate);
    // The rest, so that the two lines add back to the contributions.
    split.enhanced = roundToCents(paid - split.base);
    return split;
}

double cppRequiredContributions(double pensionableEarnings, int months)
{
    const double fraction = yearFraction(months);
    const double earnings = std::min(atLeastZero(pensionableEarnings), kCppYmpe * fraction);
    return roundToCents(excessOver(earnings, kCppBasicExemption * fraction) * kCppEmployeeRate);
}

double cppOverpayment(double pensionableEarnings, double contributionsPaid, int months)
{
    return roundToCents(excessOver(contributionsPaid, cppRequiredContributions(pensionableEarnings, months)));
}

CppSelfEmployment cppOnSelfEmployment(double earnings, int months)
{
    CppSelfEmployment result;
    const double fraction = yearFraction(months);
    const double pensionable = std::min(atLeastZero(earnings), kCppYmpe * fraction);
    result.contributions = roundToCents(excessOver(pensionable, kCppBasicExemption * fraction)
                                        * kCppSelfEmployedRate);
    // Both the employee's and the employer's base shares are in the
    // contributions; the employee's half of the base is credited, the
    // employer's half and all the enhanced part are deducted.
    const double base = roundToCents(result.contributions * (2 * kCppBaseRate) / kCppSelfEmployedRate);
    const double enhanced = roundToCents(result.contributions - base);
    result.credit = roundToCents(base * 0.5);
    result.deduction = roundToCents(enhanced + result.credit);
    return result;
}

double eiRequiredPremiums(double insurableEarnings, bool quebec)
{
    const double earnings = std::min(atLeastZero(insurableEarnings), kEiMaxInsurable);
    return roundToCents(earnings * (quebec ? kEiRateQuebec : kEiRate));
}

double eiOverpayment(double insurableEarnings, double premiumsPaid, bool quebec)
{
    const double paid = atLeastZero(premiumsPaid);
    const double earnings = std::min(atLeastZero(insurableEarnings), kEiMaxInsurable);
    // No premiums are due on the first 2,000, so a person who earned little
    // more than that gets back all but the earnings over it.
    const double overSmallEarnings = excessOver(paid, excessOver(earnings, kEiNoPremiumEarnings));
    const double overRequired = excessOver(paid, eiRequiredPremiums(insurableEarnings, quebec));
    const double overpayment = roundToCents(std::min(paid, std::max(overSmallEarnings, overRequired)));
    return overpayment > kEiMinRefund ? overpayment : 0.0;
}

double eligibleDividendTaxableAmount(double actualDividends)
{
    return roundToCents(actualDividends * (1.0 + kEligibleDividendGrossUp));
}

double otherDividendTaxableAmount(double actualDividends)
{
    return roundToCents(actualDividends * (1.0 + kOtherDividendGrossUp));
}

double dividendTaxCredit(double taxableEligible, double taxableOther)
{
    return roundToCents(atLeastZero(taxableEligible) * kEligibleDividendCreditRate
                        + atLeastZero(taxableOther) * kOtherDividendCreditRate);
}

double taxableCapitalGain(double capitalGain)
{
    return roundToCents(capitalGain * kCapitalGainsInclusionRate);
}

double donationClaimLimit(double netIncome)
{
    return roundToCents(atLeastZero(netIncome) * kDonationNetIncomeLimit);
}

double donationCredit(double donations, double taxableIncome, double netIncome)
{
    const double claimed = std::min(atLeastZero(donations), donationClaimLimit(netIncome));
    const double low = std::min(claimed, kDonationLowPart);
    const double rest = claimed - low;
    // Only as much of the rest as taxable income reaches into the 33%
    // bracket earns 33%.
    const double high = std::min(rest, excessOver(taxableIncome, kBracket4));
    const double middle = rest - high;
    return roundToCents(low * kDonationLowRate + high * kDonationHighRate + middle * kDonationMiddleRate);
}

double oasRecovery(double netIncome, double oasReceived)
{
    const double recovery = excessOver(netIncome, kOasRecoveryThreshold) * kOasRecoveryRate;
    return roundToCents(std::min(recovery, atLeastZero(oasReceived)));
}

double cwbBasic(double workingIncome, double adjustedNetIncome, bool family)
{
    const double maximum = family ? kCwbMaxFamily : kCwbMaxSingle;
    const double threshold = family ? kCwbThresholdFamily : kCwbThresholdSingle;
    const double earned = std::min(excessOver(workingIncome, kCwbWorkingIncomeBase) * kCwbRate, maximum);
    const double reduction = excessOver(adjustedNetIncome, threshold) * kCwbReductionRate;
    return roundToCents(atLeastZero(roundToCents(earned) - roundToCents(reduction)));
}

double cwbDisabilitySupplement(double workingIncome, double adjustedNetIncome, bool family,
                               bool spouseAlsoEligible)
{
    const double threshold = family ? kCwbDisabilityThresholdFamily : kCwbDisabilityThresholdSingle;
    const double rate = (family && spouseAlsoEligible) ? kCwbDisabilityReductionRateBoth : kCwbReductionRate;
    const double earned = std::min(excessOver(workingIncome, kCwbDisabilityBase) * kCwbRate, kCwbDisabilityMax);
    const double reduction = excessOver(adjustedNetIncome, threshold) * rate;
    return roundToCents(atLeastZero(roundToCents(earned) - roundToCents(reduction)));
}

double cwbSecondaryEarnerExemption(double lowerWorkingIncome)
{
    return roundToCents(std::clamp(lowerWorkingIncome, 0.0, kCwbSecondaryEarnerExemption));
}

double medicalExpenseSupplement(double eligibleExpenses, double workingIncome, double familyNetIncome)
{
    if (workingIncome < kMedicalSupplementMinWorkingIncome)
        return 0.0;
    const double supplement = std::min(atLeastZero(eligibleExpenses) * kMedicalSupplementRate,
                                       kMedicalSupplementMax);
    const double reduction = excessOver(familyNetIncome, kMedicalSupplementThreshold) * kMedicalSupplementReductionRate;
    return roundToCents(atLeastZero(roundToCents(supplement) - roundToCents(reduction)));
}

} // namespace Federal2021

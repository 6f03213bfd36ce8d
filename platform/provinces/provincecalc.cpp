#include "provincecalc.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "federal2021.h"
#include "provincetables.h"

double ProvinceCalc::lowestRate() const
{
    // Every province credits its non-refundable amounts at its lowest rate.
    return params.brackets.lowestRate();
}

bool ProvinceCalc::higherIncomeSpouse() const
{
    if (!hasSpouse || netIncome > spouseNetIncome) return true;
    return netIncome == spouseNetIncome && firstOfCouple;
}

bool ProvinceCalc::lowerIncomeSpouse() const
{
    if (!hasSpouse || taxableIncome < spouseTaxableIncome) return true;
    if (taxableIncome > spouseTaxableIncome) return false;
    if (netIncome != spouseNetIncome) return netIncome < spouseNetIncome;
    return firstOfCouple;
}

double ProvinceCalc::medicalThreshold(double income) const
{
    return std::min(kMedicalThresholdRate * std::max(0.0, income), params.credits->medicalMax);
}

double ProvinceCalc::entry428(const char* name) const
{
    for (const auto& entry : entries428)
        if (std::strcmp(entry.first, name) == 0) return entry.second;
    return 0.0;
}

double ProvinceCalc::entry479(const char* name) const
{
    for (const auto& entry : entries479)
        if (std::strcmp(entry.first, name) == 0) return entry.second;
    return 0.0;
}

std::vector<double> ProvinceCalc::rowEntry428(const char* name) const
{
    for (const auto& entry : rowEntries428)
        if (std::strcmp(entry.first, name) == 0) return entry.second;
    return {};
}

void ProvinceCalc::calculate()
{
    const ProvinceCredits& c = *params.credits;
    own428.clear();
    ownCounts428.clear();
    taxOnTaxableIncome = bracketTax(params.brackets, taxableIncome);

    basicPersonal = c.basicPersonal;
    ageAmount = age >= 65
        ? std::max(0.0, c.ageMax - kAgeAmountReductionRate * std::max(0.0, netIncome - c.ageThreshold))
        : 0.0;
    auto spouseLike = [&](double income) { return std::min(c.spouseMax, std::max(0.0, c.spouseBase - income)); };
    spouseAmount = claimsSpouse ? spouseLike(spouseNetIncome) : 0.0;
    dependantAmount = !claimsSpouse && claimsDependant ? spouseLike(dependantNetIncome) : 0.0;
    pensionAmount = std::min(c.pensionMax, std::max(0.0, pensionIncomeAmount));
    disabilityAmount = disabilitySelf ? c.disability : 0.0;
    disabilityTransferAmount = disabilityTransfer ? c.disability : 0.0;
    medicalAllowable = roundToCents(std::max(0.0, medicalExpenses - medicalThreshold(netIncome)));
    otherMedical = 0.0;
    for (const auto& dependant : otherDependantsMedical)
        otherMedical += roundToCents(std::max(0.0, dependant.first - medicalThreshold(dependant.second)));
    otherMedical = roundToCents(otherMedical);
    ownAmounts = 0.0;
    amountsAfterTuition = 0.0;
    if (c.ownAmounts) c.ownAmounts(*this);
    calculateTuition();

    creditsBeforeTransfers = basicPersonal + spouseAmount + dependantAmount + cppEmployment + cppSelfEmployed
        + eiEmployment + eiSelfEmployed;
    totalAmounts = roundToCents(creditsBeforeTransfers + ageAmount + pensionAmount + disabilityAmount
                             + disabilityTransferAmount + studentLoanInterest + tuitionUsed + spouseTransfer
                             + medicalAllowable + otherMedical + ownAmounts + amountsAfterTuition);
    creditsAtLowestRate = roundToCents(totalAmounts * lowestRate());
    const double gifts = std::max(0.0, donations);
    donationCredit = roundToCents(std::min(kDonationLowPart, gifts) * lowestRate()
                               + std::max(0.0, gifts - kDonationLowPart) * c.donationHighRate);
    nonRefundable = roundToCents(creditsAtLowestRate + donationCredit);
    dividendCredit = roundToCents(std::max(0.0, eligibleDividends) * c.dividendEligible
                               + std::max(0.0, otherDividends) * c.dividendOther);

    // The credits take the tax to zero, never below; the dividend credit next.
    tax = std::max(0.0, taxOnTaxableIncome - nonRefundable);
    tax = roundToCents(std::max(0.0, tax - dividendCredit));
    foreignCredits.clear();
    foreignTaxCredit = 0.0;
    if (!c.ownStepsTakeForeignCredit) takeForeignTaxCredit();
    if (c.ownTax) c.ownTax(*this);
    tax = roundToCents(std::max(0.0, tax));
}

void ProvinceCalc::takeForeignTaxCredit()
{
    // Each country: the tax its income paid that the federal credit left,
    // at most the income's share of the tax otherwise payable; together
    // never more than that tax.
    taxOtherwisePayable = roundToCents(std::max(0.0, tax));
    foreignCredits.clear();
    double total = 0.0;
    for (const ForeignIncome& country : foreignIncomes) {
        const double share = country.netIncome > 0.0 && country.income > 0.0
            ? std::min(1.0, country.income / country.netIncome)
            : 0.0;
        const double credit = roundToCents(std::min(
            {std::max(0.0, country.taxNotCredited), share * taxOtherwisePayable, taxOtherwisePayable - total}));
        foreignCredits.push_back(credit);
        total += credit;
    }
    foreignTaxCredit = roundToCents(total);
    tax = roundToCents(tax - foreignTaxCredit);
}

void ProvinceCalc::calculateTuition()
{
    // The credit amounts of the 428 ahead of line 58560.
    const double ahead = basicPersonal + ageAmount + spouseAmount + dependantAmount + cppEmployment
        + cppSelfEmployed + eiEmployment + eiSelfEmployed + pensionAmount + disabilityAmount
        + disabilityTransferAmount + studentLoanInterest + ownAmounts;
    // The tax to bring to zero, in credit amounts: above the first bracket
    // the tax counts at the lowest rate, as on the federal Schedule 11.
    const double room = params.brackets.count > 0 && taxableIncome > params.brackets.thresholds[0]
        ? taxOnTaxableIncome / lowestRate()
        : taxableIncome;
    tuitionNeeded = roundToCents(std::max(0.0, room - ahead));
    // A month counts once: full-time first, part-time in the months left.
    const double fullTime = std::clamp(educationMonthsFullTime, 0.0, double(kMonthsInYear));
    const double partTime = std::clamp(educationMonthsPartTime, 0.0, kMonthsInYear - fullTime);
    const ProvinceCredits& c = *params.credits;
    educationAmount = roundToCents(fullTime * c.educationFullTime + partTime * c.educationPartTime);
    const double carried = std::max(0.0, tuitionCarriedIn);
    const double current = std::max(0.0, tuitionCurrent) + educationAmount;
    tuitionUsedCarried = roundToCents(std::min(carried, tuitionNeeded));
    tuitionUsedCurrent = roundToCents(std::min(current, tuitionNeeded - tuitionUsedCarried));
    tuitionUsed = roundToCents(tuitionUsedCarried + tuitionUsedCurrent);
    // Only this year's amount moves, and no more than the federal limit
    // allows (the provinces' S11s keep it).
    tuitionTransferred = roundToCents(
        std::clamp(tuitionTransferAsked, 0.0, Federal2021::tuitionTransferable(current, tuitionUsedCurrent)));
    tuitionCarriedOut = roundToCents(carried + current - tuitionUsed - tuitionTransferred);
}

void ProvinceCalc::calculateRefundable()
{
    own479.clear();
    refundable = 0.0;
    if (params.credits->ownCredits) params.credits->ownCredits(*this);
    refundable = roundToCents(std::max(0.0, refundable));
}

#pragma once
// The 2021 federal rules that the return's calculation applies: brackets,
// credit amounts and their income tests, CPP and EI, dividends, donations,
// the OAS recovery and the refundable credits. Pure functions of plain
// amounts; every figure is the agency's 2021 value, named by the form and
// line it belongs to. Results are rounded to the cent, as the forms are
// filled in dollars and cents.

#include "cents.h"
#include "taxbrackets.h"

namespace Federal2021 {

// ---------------------------------------------------------------------------
// Rates and brackets (Schedule 1, Part C; line 35000 credits)

// Schedule 1 Part C: 15% up to 49,020, 20.5% to 98,040, 26% to 151,978,
// 29% to 216,511, 33% above (the chart's tax at each threshold, 7,353.00,
// 17,402.10, 31,425.98 and 50,140.55, is what the brackets add up to).
constexpr double kBracketThresholds[] = {49020.0, 98040.0, 151978.0, 216511.0};
constexpr double kBracketRates[] = {0.15, 0.205, 0.26, 0.29, 0.33};
constexpr TaxBrackets kBrackets = makeBrackets(kBracketThresholds, kBracketRates);

// The thresholds by the names the other rules use them under.
constexpr double kBracket1 = kBracketThresholds[0];   // top of the 15% bracket
constexpr double kBracket2 = kBracketThresholds[1];   // top of the 20.5% bracket
constexpr double kBracket3 = kBracketThresholds[2];   // top of the 26% bracket
constexpr double kBracket4 = kBracketThresholds[3];   // top of the 29% bracket
constexpr double kTopRate = kBracketRates[4];         // rate above 216,511

constexpr double kCreditRate = kBracketRates[0];      // line 35000: credits at the lowest rate, 15%

// Amounts are rounded to the cent by the one rule of cents.
using ::roundToCents;

// Federal tax on taxable income (line 26000), as the Schedule 1 chart
// computes it: the tax at the bracket's start plus its rate on the excess.
double taxOnTaxableIncome(double taxable);

// The value of non-refundable credit amounts (their total times 15%).
double creditValue(double amounts);

// A credit amount prorated for a newcomer or emigrant: days resident in
// Canada over the days in the year.
double prorateByDays(double amount, int days, int daysInYear);

// ---------------------------------------------------------------------------
// Basic personal, age, spouse and caregiver amounts

constexpr double kBasicPersonalAmountMax = 13808.0;   // line 30000: net income up to 151,978
constexpr double kBasicPersonalAmountMin = 12421.0;   // line 30000: net income 216,511 or more

// Line 30000 worksheet: 13,808, less 1,387 x (net income - 151,978) / 64,533
// between the 29% and 33% bracket starts, 12,421 from 216,511.
double basicPersonalAmount(double netIncome);

constexpr double kAgeAmountMax = 7713.0;              // line 30100: maximum age amount
constexpr double kAgeAmountThreshold = 38893.0;       // line 30100: net income where the reduction starts
constexpr double kAgeAmountReductionRate = 0.15;      // line 30100: reduction per dollar over the threshold

// Line 30100 for a person resident all year.
double ageAmount(double netIncome);

// Line 30100 in general: zero when not eligible (65 or older on
// December 31); for a newcomer or emigrant both the maximum and the income
// threshold are prorated by days in Canada before the reduction, as the
// agency's newcomer rules do. Pass days == daysInYear for a full year.
double CalculateAgeAmount(bool eligible, double netIncome, int days, int daysInYear,
                          double maxAmount = kAgeAmountMax,
                          double threshold = kAgeAmountThreshold,
                          double rate = kAgeAmountReductionRate);

constexpr double kCaregiverAmountChild = 2295.0;      // line 30500, and the addition to lines 30300/30400 for an infirm person
constexpr double kCaregiverAmountAdult = 7348.0;      // lines 30425/30450: maximum Canada caregiver amount
constexpr double kCaregiverIncomeThreshold = 17256.0; // lines 30425/30450: dependant's net income where the reduction starts

// Line 30300 (and line 30400 for an eligible dependant): the claimant's own
// basic personal amount, plus 2,295 when the person is infirm, less the
// person's net income; not below zero.
double spouseAmount(double bpaOfClaimant, double spouseNetIncome, bool infirm = false);

// Line 30450: 7,348 less the dependant's net income over 17,256; not below zero.
double caregiverAmountForInfirmDependant(double dependantNetIncome);

// Line 30425: the line 30450 amount for the spouse or eligible dependant
// less what was already claimed for that person on line 30300 or 30400.
double caregiverAmountForSpouseOrDependant(double netIncome, double claimedOnSpouseOrDependantLine);

// ---------------------------------------------------------------------------
// Other non-refundable credit amounts

constexpr double kDisabilityAmount = 8662.0;              // line 31600: disability amount
constexpr double kDisabilitySupplementMax = 5053.0;       // line 31600 worksheet: supplement for a person under 18
constexpr double kDisabilitySupplementCareBase = 2959.0;  // line 31600 worksheet: care expenses that leave the supplement whole

// Line 31600: the disability amount, plus for a person under 18 the
// supplement less child care and attendant care claimed over 2,959.
double disabilityAmount(bool under18, double careExpensesClaimed = 0.0);

constexpr double kPensionIncomeAmountMax = 2000.0;        // line 31400: pension income amount (maximum)
double pensionIncomeAmount(double eligiblePensionIncome);

constexpr double kCanadaEmploymentAmountMax = 1257.0;     // line 31260: Canada employment amount (maximum)
double canadaEmploymentAmount(double employmentIncome);

constexpr double kMedicalThresholdRate = 0.03;            // line 33099: 3% of net income
constexpr double kMedicalThresholdMax = 2421.0;           // line 33099: or 2,421, whichever is less

// Line 33099 (and each dependant's row of line 33199): the part of the
// expenses over the lesser of 3% of net income and 2,421.
double medicalExpenseThreshold(double netIncome);
double allowableMedicalExpenses(double expenses, double netIncome);

constexpr double kAdoptionExpensesMax = 16729.0;          // line 31300: maximum per adopted child
constexpr double kHomeBuyersAmount = 5000.0;              // line 31270: home buyers' amount
constexpr double kVolunteerFirefighterAmount = 3000.0;    // line 31220: volunteer firefighters' amount
constexpr double kSearchAndRescueAmount = 3000.0;         // line 31240: search and rescue volunteers' amount
constexpr double kDigitalNewsMax = 500.0;                 // line 31350: digital news subscription expenses (maximum)
constexpr double kHomeAccessibilityMax = 10000.0;         // line 31285: home accessibility expenses (maximum)
constexpr double kTuitionTransferMax = 5000.0;            // Schedule 11: most of the current year's tuition a student may transfer

double adoptionExpensesAmount(double expensesForOneChild);
double digitalNewsAmount(double expenses);
double homeAccessibilityAmount(double expenses);

// Schedule 11: what the student may transfer (line 32400 / Schedule 2):
// the lesser of this year's tuition and 5,000, less what the student used
// of this year's tuition; not below zero.
double tuitionTransferable(double currentYearTuition, double currentYearTuitionUsed);

// Schedule 2: the largest total a spouse's return may transfer on line 36100,
// above which the return is refused as entered wrongly (the validation's check).
constexpr double kSchedule2TransferCheckLimit = 50490.0;

// ---------------------------------------------------------------------------
// Canada Pension Plan (Schedule 8)

// A T4's box 26 left blank stands for box 14 up to this maximum, and box 24
// for box 14 up to kEiMaxInsurable (the agency's 2021 CPP and EI rates and
// maximums; Schedule 8 and T2204 read box 26 and box 24 "or, if blank, box 14").
constexpr double kCppYmpe = 61600.0;                  // Schedule 8: maximum pensionable earnings
constexpr double kCppBasicExemption = 3500.0;         // Schedule 8: basic exemption
constexpr double kCppEmployeeRate = 0.0545;           // Schedule 8 Part 3: employee contribution rate
constexpr double kCppBaseRate = 0.0495;               // Schedule 8: base contribution rate (line 30800 credit)
constexpr double kCppFirstEnhancedRate = 0.005;       // Schedule 8: first enhanced rate (line 22215 deduction)
constexpr double kCppEmployeeMax = 3166.45;           // Schedule 8 Part 3: maximum employee contributions
constexpr double kCppSelfEmployedRate = 0.109;        // Schedule 8 Part 4: self-employed rate (both shares)
constexpr double kCppSelfEmployedMax = 6332.90;       // Schedule 8 Part 4: maximum self-employed contributions
constexpr double kCppSelfEmployedCreditShare = 0.5;   // Schedule 8 Part 4: half the base contributions to line 31000

struct CppSplit
{
    double base = 0.0;      // line 30800: base contributions, credited
    double enhanced = 0.0;  // line 22215: first enhanced contributions, deducted
};

// Employee contributions split as Schedule 8 does: the base share is
// 4.95/5.45 of the contributions, the rest is enhanced.
CppSplit cppBaseAndEnhanced(double contributions);

// Contributions required on pensionable earnings through employment: 5.45%
// of the earnings up to the maximum less the exemption, both prorated by the
// months of the year the person contributes for (Schedule 8 Part 2).
double cppRequiredContributions(double pensionableEarnings, int months = 12);

// Line 44800: contributions deducted less those required; not below zero.
double cppOverpayment(double pensionableEarnings, double contributionsPaid, int months = 12);

struct CppSelfEmployment
{
    double contributions = 0.0;  // line 42100: contributions payable
    double credit = 0.0;         // line 31000: half the base contributions
    double deduction = 0.0;      // line 22200: the enhanced part plus the other half of the base
};

// Schedule 8 Part 4 (self-employment and other earnings, no employment
// income): 10.9% of the earnings up to the maximum less the exemption, both
// prorated by months.
CppSelfEmployment cppOnSelfEmployment(double earnings, int months = 12);

// ---------------------------------------------------------------------------
// Employment insurance (T2204)

constexpr double kEiMaxInsurable = 56300.0;           // T2204: maximum insurable earnings
constexpr double kEiRate = 0.0158;                    // T2204: premium rate outside Quebec
constexpr double kEiRateQuebec = 0.0118;              // T2204: premium rate for Quebec residents
constexpr double kEiMaxPremium = 889.54;              // line 31200: maximum premiums outside Quebec
constexpr double kEiMaxPremiumQuebec = 664.34;        // line 31200: maximum premiums for Quebec residents
constexpr double kEiNoPremiumEarnings = 2000.0;       // line 31200: earnings on which no premiums are required
constexpr double kEiMinRefund = 1.0;                  // T2204: an overpayment of $1 or less is not refunded

double eiRequiredPremiums(double insurableEarnings, bool quebec = false);

// Line 45000 by T2204: the larger of the premiums less the insurable
// earnings over 2,000 and the premiums less those required, at most the
// premiums; nothing when that is $1 or less.
double eiOverpayment(double insurableEarnings, double premiumsPaid, bool quebec = false);

// ---------------------------------------------------------------------------
// Dividends and capital gains

constexpr double kEligibleDividendGrossUp = 0.38;     // line 12000: eligible dividends grossed up by 38%
constexpr double kOtherDividendGrossUp = 0.15;        // line 12010: other dividends grossed up by 15%
constexpr double kEligibleDividendCreditRate = 0.150198;  // line 40425: 15.0198% of taxable eligible dividends
constexpr double kOtherDividendCreditRate = 0.090301;     // line 40425: 9.0301% of taxable other dividends
constexpr double kCapitalGainsInclusionRate = 0.5;        // Schedule 3: half of a capital gain is taxable

double eligibleDividendTaxableAmount(double actualDividends);
double otherDividendTaxableAmount(double actualDividends);

// Line 40425: the federal dividend tax credit on the taxable amounts.
double dividendTaxCredit(double taxableEligible, double taxableOther);

double taxableCapitalGain(double capitalGain);

// ---------------------------------------------------------------------------
// Donations (Schedule 9)

constexpr double kDonationLowPart = 200.0;            // Schedule 9: first 200 credited at 15%
constexpr double kDonationLowRate = 0.15;             // Schedule 9: rate on the first 200
constexpr double kDonationHighRate = 0.33;            // Schedule 9: rate on the part matched by taxable income over 216,511
constexpr double kDonationMiddleRate = 0.29;          // Schedule 9: rate on the rest
constexpr double kDonationNetIncomeLimit = 0.75;      // Schedule 9: claim limited to 75% of net income

double donationClaimLimit(double netIncome);

// Schedule 9 credit (line 34900) on the donations claimed, which are first
// limited to 75% of net income.
double donationCredit(double donations, double taxableIncome, double netIncome);

// ---------------------------------------------------------------------------
// OAS recovery (line 23500 chart, line 42200)

constexpr double kOasRecoveryThreshold = 79845.0;     // line 23500: net income where the recovery starts
constexpr double kOasRecoveryRate = 0.15;             // line 23500: 15% of net income over the threshold

double oasRecovery(double netIncome, double oasReceived);

// ---------------------------------------------------------------------------
// Canada workers benefit (Schedule 6, line 45300)

constexpr double kCwbWorkingIncomeBase = 3000.0;      // Schedule 6 Step 2: working income that earns nothing
constexpr double kCwbRate = 0.27;                     // Schedule 6 Step 2: phase-in rate
constexpr double kCwbMaxSingle = 1395.0;              // Schedule 6 Step 2: maximum without spouse or dependant
constexpr double kCwbMaxFamily = 2403.0;              // Schedule 6 Step 2: maximum with an eligible spouse or dependant
constexpr double kCwbReductionRate = 0.15;            // Schedule 6 Step 2: reduction per dollar over the threshold
constexpr double kCwbThresholdSingle = 22944.0;       // Schedule 6 Step 2: adjusted net income where the reduction starts
constexpr double kCwbThresholdFamily = 26177.0;       // Schedule 6 Step 2: adjusted family net income where it starts
constexpr double kCwbSecondaryEarnerExemption = 14000.0;  // Schedule 6 Step 1: lower earner's working income left out
constexpr double kCwbDisabilityBase = 1150.0;         // Schedule 6 Step 3: working income that earns nothing
constexpr double kCwbDisabilityMax = 720.0;           // Schedule 6 Step 3: maximum disability supplement
constexpr double kCwbDisabilityThresholdSingle = 32244.0;  // Schedule 6 Step 3: reduction start without spouse or dependant
constexpr double kCwbDisabilityThresholdFamily = 42197.0;  // Schedule 6 Step 3: reduction start with spouse or dependant
constexpr double kCwbDisabilityReductionRateBoth = 0.075;  // Schedule 6 Step 3: rate when both spouses get the supplement

// Basic CWB: 27% of (family) working income over 3,000, up to the maximum,
// less 15% of adjusted (family) net income over the threshold.
double cwbBasic(double workingIncome, double adjustedNetIncome, bool family);

// Disability supplement: 27% of the person's working income over 1,150, up
// to 720, less 15% (7.5% when the spouse also gets it) of adjusted (family)
// net income over the threshold.
double cwbDisabilitySupplement(double workingIncome, double adjustedNetIncome, bool family,
                               bool spouseAlsoEligible = false);

// The part of the lower-earning spouse's working income left out of
// adjusted family net income.
double cwbSecondaryEarnerExemption(double lowerWorkingIncome);

// ---------------------------------------------------------------------------
// Refundable medical expense supplement (line 45200)

constexpr double kMedicalSupplementRate = 0.25;            // line 45200: 25% of the eligible expenses
constexpr double kMedicalSupplementMax = 1285.0;           // line 45200: maximum supplement
constexpr double kMedicalSupplementMinWorkingIncome = 3751.0;  // line 45200: working income needed
constexpr double kMedicalSupplementThreshold = 28446.0;    // line 45200: family net income where the reduction starts
constexpr double kMedicalSupplementReductionRate = 0.05;   // line 45200: reduction per dollar over the threshold

// eligibleExpenses: the allowable medical expenses (line 33200) plus the
// disability supports deduction (line 21500).
double medicalExpenseSupplement(double eligibleExpenses, double workingIncome, double familyNetIncome);

// ---------------------------------------------------------------------------
// Other lines of the return

// Line 23500 (T4E): net income over 1.25 x 56,300 repays regular EI benefits at 30%.
constexpr double kEiRepaymentThreshold = 70375.0;
constexpr double kDeathBenefitExemption = 10000.0;    // line 13000: death benefits exempt up to 10,000, once over all slips
constexpr double kScholarshipExemption = 500.0;       // line 13010: scholarships exempt up to 500 without the education amount
constexpr double kFarmLossFullPart = 2500.0;          // line 14100 (restricted farm loss): the first 2,500 of the loss
constexpr double kFarmLossHalfPartEnd = 32500.0;      // line 14100: and half of the loss from 2,500 to 32,500
constexpr double kFarmLossMax = 17500.0;              // line 14100: at most 17,500
constexpr double kFarmLossHalfRate = 0.5;             // line 14100: half of the part from 2,500 to 32,500
constexpr double kPoliticalFirstPart = 400.0;         // line 41000: 75% of the first 400 of contributions
constexpr double kPoliticalSecondPart = 350.0;        // line 41000: 50% of the next 350, 33 1/3% of the rest
constexpr double kPoliticalCreditMax = 650.0;         // line 41000: at most 650
constexpr double kPoliticalFirstRate = 0.75;          // line 41000: rate on the first part
constexpr double kPoliticalSecondRate = 0.5;          // line 41000: rate on the second part
constexpr double kPoliticalRestRate = 1.0 / 3.0;      // line 41000: rate on the rest
constexpr double kLabourSponsoredRate = 0.15;         // line 41400: 15% of the net cost of the shares
constexpr double kLabourSponsoredMax = 750.0;         // line 41400: at most 750
constexpr double kQuebecAbatementRate = 0.165;        // line 44000: refundable Quebec abatement, 16.5% of basic federal tax
constexpr double kNonResidentSurtaxRate = 0.48;       // line 42800 / T1159: non-residents pay 48% of basic federal tax
constexpr double kEducatorExpensesMax = 1000.0;       // line 46900: at most 1,000 of eligible school supplies
constexpr double kEducatorCreditRate = 0.25;          // line 46900: 25% of them

// ---------------------------------------------------------------------------
// Forms and statements

// T778 child care expenses: Part B, the yearly limit per child; Part C, per
// week (and per month of part-time studies).
constexpr double kEarnedIncomeLimitRate = 2.0 / 3.0;  // T778 Part B: two-thirds of earned income
constexpr double kChildUnder7 = 8000.0;               // T778 Part B: child under 7
constexpr double kChild7To16 = 5000.0;                // T778 Part B: child 7 to 16
constexpr double kChildDisabled = 11000.0;            // T778 Part B: child eligible for the disability amount
constexpr double kWeeklyUnder7 = 200.0;               // T778 Part C: per week, child under 7
constexpr double kWeekly7To16 = 125.0;                // T778 Part C: per week, child 7 to 16
constexpr double kWeeklyDisabled = 275.0;             // T778 Part C: per week, child with a disability
constexpr double kMonthlyUnder7 = 800.0;              // T778 Part C: per month of part-time studies, child under 7
constexpr double kMonthly7To16 = 500.0;               // T778 Part C: per month of part-time studies, child 7 to 16
constexpr double kMonthlyDisabled = 1100.0;           // T778 Part C: per month of part-time studies, child with a disability

constexpr double kPensionSplitMaxShare = 0.5;         // T1032: at most half of the eligible pension income is split

constexpr double kDevelopmentExpenseRate = 0.3;       // T1229: 30% of cumulative Canadian development expenses
constexpr double kOilGasPropertyRate = 0.1;           // T1229: 10% of cumulative Canadian oil and gas property expenses
constexpr double kForeignResourceRate = 0.1;          // T1229: 10% of foreign resource expenses

constexpr double kAmtExemption = 40000.0;             // T691: basic exemption
constexpr double kAmtRate = 0.15;                     // T691: minimum tax rate
constexpr double kAmtCapitalGainsAddBack = 0.6;       // T691: 3/5 of taxable capital gains added (80% count, against 50%)

constexpr double kNorthernDailyBasic = 11.0;          // T2222: basic residency amount per day
constexpr double kNorthernDailyAdditional = 11.0;     // T2222: additional residency amount per day
constexpr double kNorthernIncomeLimit = 0.2;          // T2222: at most 20% of net income
constexpr double kIntermediateZoneShare = 0.5;        // T2222: half the amounts in the intermediate zone

// T657: the 2021 lifetime capital gains exemption is 892,218 on small
// business corporation shares and 1,000,000 on farm or fishing property;
// the deduction is half of it.
constexpr double kLifetimeDeductionQsbc = 446109.0;   // T657: qualified small business corporation shares
constexpr double kLifetimeDeductionQffp = 500000.0;   // T657: qualified farm or fishing property

constexpr double kFlatRatePerDay = 2.0;               // T777S: temporary flat rate per day worked from home
constexpr int kFlatRateMaxDays = 250;                 // T777S: at most 500 (250 days)

constexpr double kVehicleInterestPerDay = 10.0;       // T2125 / T776: passenger vehicle interest, 10 a day
constexpr double kVehicleLeasePerMonth = 800.0;       // T2125 / T776: passenger vehicle leasing, 800 a month before tax

constexpr double kPersonalUseFloor = 1000.0;          // Schedule 3: personal-use property cost and proceeds count as at least 1,000

// T2209 / line 40500: foreign tax on property income over 15% of it is deducted, not credited.
constexpr double kForeignPropertyTaxLimit = 0.15;
constexpr double kGstRate = 0.05;                     // GST370: rebate at 5/105 (GST)
constexpr double kHstRate13 = 0.13;                   // GST370: rebate at 13/113 (HST, Ontario)
constexpr double kHstRate15 = 0.15;                   // GST370: rebate at 15/115 (HST, Atlantic provinces)
// T1223: rent and utilities up to the greater of 10,000 and a third of the remuneration.
constexpr double kClergyResidenceFloor = 10000.0;

constexpr double kDiscountFirstPart = 300.0;          // RC71 (Tax Rebate Discounting Act): 15% of the first 300 of the refund
constexpr double kDiscountFirstRate = 0.15;
constexpr double kDiscountRestRate = 0.05;            // RC71: and 5% of the rest

// ---------------------------------------------------------------------------
// Benefits paid from July 2022 to June 2023 on the 2021 return (the summary's estimates)

constexpr double kCcbUnder6 = 6997.0;                 // Canada child benefit: per child under 6
constexpr double kCcb6To17 = 5903.0;                  // Canada child benefit: per child 6 to 17
constexpr double kCcbFirstThreshold = 32797.0;        // Canada child benefit: first reduction threshold
constexpr double kCcbSecondThreshold = 71060.0;       // Canada child benefit: second reduction threshold
// Canada child benefit reduction rates by the number of children (one, two, three, four or more).
constexpr double kCcbFirstRates[] = {0.07, 0.135, 0.19, 0.23};
constexpr double kCcbSecondRates[] = {0.032, 0.057, 0.08, 0.095};
constexpr double kCdbPerChild = 2985.0;               // child disability benefit, per child
constexpr double kCdbRateOneChild = 0.032;            // child disability benefit: reduction from the second threshold, one child
constexpr double kCdbRateMoreChildren = 0.057;        // child disability benefit: reduction, two or more children

constexpr double kGstAdult = 306.0;                   // GST/HST credit: claimant, and spouse or eligible dependant
constexpr double kGstChild = 161.0;                   // GST/HST credit: per child under 19
constexpr double kGstSingleSupplement = 161.0;        // GST/HST credit: single supplement, at most
constexpr double kGstSupplementStart = 9919.0;        // GST/HST credit: the supplement grows 2% over this
constexpr double kGstSupplementRate = 0.02;
constexpr double kGstReductionThreshold = 39826.0;    // GST/HST credit: family net income where it shrinks by 5%
constexpr double kGstReductionRate = 0.05;

constexpr double kRrspDollarLimit2022 = 29210.0;      // RRSP deduction limit for 2022: 18% of 2021 earned income, at most 29,210
constexpr double kRrspRate = 0.18;

} // namespace Federal2021

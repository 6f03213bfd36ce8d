#pragma once
// What sets one province's library apart from the others: its number, its
// form types, the lines of its own forms and its 2021 tax brackets. Every
// library is built from the same sources; QM_PROVINCE picks its row.

#include "tableform.h"
#include "taxbrackets.h"

struct ProvinceCalc;

// The 2021 rules every jurisdiction's form 428 shares (each 428, Part B).
constexpr double kMedicalThresholdRate = 0.03;     // line 58689: 3% of net income, or the jurisdiction's maximum if less
constexpr double kAgeAmountReductionRate = 0.15;   // line 58080: 15% of net income over the jurisdiction's threshold
constexpr double kDonationLowPart = 200.0;         // line 58969: the first 200 of gifts at the lowest rate

// The 2021 amounts of the province's non-refundable credits (form 428,
// Part B) and its own rules. A zero amount: the province has no such credit.
struct ProvinceCredits
{
    double basicPersonal;       // line 58040
    double spouseMax;           // line 58120 / 58160: the most that is claimed
    double spouseBase;          // the amount less the spouse's net income (nil when it reaches this)
    double ageMax;              // line 58080
    double ageThreshold;        // net income where the age amount starts to shrink by 15%
    double pensionMax;          // line 58360
    double disability;          // line 58440
    double medicalMax;          // line 58689: the lesser of 3% of net income and this
    double donationHighRate;    // line 58969: rate on gifts over the first 200 (the first 200 at the lowest rate)
    double dividendEligible;    // line 61520: share of taxable eligible dividends
    double dividendOther;       // line 61520: share of taxable other-than-eligible dividends
    // The province's own changes to the credit amounts (supplements, an
    // amount that shrinks with income); none where it has none.
    void (*ownAmounts)(ProvinceCalc&);
    // The province's own steps after the basic tax (surtax, reductions,
    // premiums) and its refundable credits (479); none where it has none.
    void (*ownTax)(ProvinceCalc&);
    void (*ownCredits)(ProvinceCalc&);
    // The foreign tax credit (T2036) is measured against the tax where its
    // line stands on the 428: right after the dividend credit (and the
    // additional tax for minimum tax purposes), ahead of the province's own
    // credits, as on the AB428, SK428, YT428, NT428 and NU428; unless the
    // province's own steps take it later (Ontario after its surtax and tax
    // reduction, Prince Edward Island after its surtax and low-income
    // reduction, Manitoba after its political contribution credit).
    bool ownStepsTakeForeignCredit = false;
    // The S11's education amount a month of full-time and of part-time
    // enrolment; none where the province ended it.
    double educationFullTime = 0.0;
    double educationPartTime = 0.0;
    // The S11 credits this year's tuition fees (the T2202 slips); where the
    // province ended it only amounts carried forward are claimed.
    bool tuitionFees = false;
};

constexpr int kMonthsInYear = 12;

struct ProvinceParams
{
    int province;             // ENUMTYPE_PROVINCE
    const char* code;         // the agency's two-letter code
    int form428;              // the provincial tax form (SK428 is form 81)
    int form479;              // the provincial credits form; 0 where the province has none
    int formS2;               // amounts transferred from the spouse (companion of Schedule 2)
    int formS11;              // tuition and education amounts (companion of Schedule 11)
    FieldTable own428;        // the province's own lines of its 428, after the shared ones
    FieldTable own479;        // every line of its 479
    FieldTable ownS2;         // its own lines of its XX(S2), after the shared ones
    FieldTable ownInterview;  // its own interview answers, after the shared ones
    TaxBrackets brackets;     // 2021 bracket thresholds and rates
    const ProvinceCredits* credits;
};

// The province this library serves.
const ProvinceParams& thisProvince();

#pragma once
// The 2021 provincial tax of form 428 for one return, on plain amounts: the
// manager reads them from the return's forms, the engine works out every
// line, the manager writes the lines back. The province's parameter table
// gives the brackets and credit amounts; its own rules (surtax, reductions,
// premiums, refundable credits) are small functions beside its table.

#include <utility>
#include <vector>

#include "cents.h"

struct ProvinceParams;

struct ProvinceCalc
{
    explicit ProvinceCalc(const ProvinceParams& p) : params(p) {}

    const ProvinceParams& params;

    // ---- from the return
    double taxableIncome = 0.0;     // line 26000
    double netIncome = 0.0;         // line 23600
    double employmentIncome = 0.0;  // lines 10100 and 10400
    int age = 0;                    // on December 31
    bool claimsSpouse = false;      // a spouse on December 31 whose amount is claimed
    bool hasSpouse = false;         // a spouse on December 31, claimed or not
    int spouseAge = 0;              // the spouse's age on December 31
    double spouseNetIncome = 0.0;   // the spouse's line 23600
    double spouseTaxableIncome = 0.0;  // the spouse's line 26000
    // Of spouses whose incomes are equal, the one a family amount falls to
    // (the one with the smaller social insurance number), so that it is
    // claimed once.
    bool firstOfCouple = true;
    bool claimsDependant = false;   // an eligible dependant (line 30400) in place of a spouse
    double dependantNetIncome = 0.0;
    double cppEmployment = 0.0;     // line 30800
    double cppSelfEmployed = 0.0;   // line 31000
    double eiEmployment = 0.0;      // line 31200
    double eiSelfEmployed = 0.0;    // line 31217
    double pensionIncomeAmount = 0.0;  // line 31400: the federal amount, capped by the province's
    bool disabilitySelf = false;    // line 31600 claimed
    bool disabilityTransfer = false;   // line 31800 claimed
    double studentLoanInterest = 0.0;  // line 31900
    // The province's S11: the unused amounts of past years (the 2020 notice
    // of assessment), this year's amount, and the part of it the person
    // designates to a spouse, parent or grandparent.
    double tuitionCarriedIn = 0.0;
    double tuitionCurrent = 0.0;
    double tuitionTransferAsked = 0.0;
    // Months of full-time and part-time enrolment in the year, for the
    // province's education amount.
    double educationMonthsFullTime = 0.0;
    double educationMonthsPartTime = 0.0;
    double spouseTransfer = 0.0;    // from the province's S2
    double medicalExpenses = 0.0;   // line 33099: self, spouse and children under 18, before the threshold
    // Each other dependant's medical expenses and net income, before that
    // dependant's threshold (line 33199's rows).
    std::vector<std::pair<double, double>> otherDependantsMedical;
    double donations = 0.0;         // Schedule 9 lines 34000 and 34200
    double eligibleDividends = 0.0; // taxable amount (line 12000 less 12010)
    double otherDividends = 0.0;    // taxable amount (line 12010)
    int children = 0;               // dependent children 18 or younger (tax reductions, family amounts)
    int childrenUnder18 = 0;        // dependent children under 18 (Prince Edward Island's children's wellness amount)
    int impairedDependants = 0;     // dependants with an impairment, of any age (Ontario tax reduction)
    int infirmDependantsAdult = 0;  // infirm dependants 18 or older (Manitoba family tax benefit)
    // The spouse's disability amount moves to this return on the province's S2.
    bool spouseDisabilityTransferred = false;
    bool volunteerFirefighter = false;  // the federal volunteer firefighters' amount (line 31220) claimed
    double lowIncomeReductionFromSpouse = 0.0;  // the spouse's unused low-income reduction (NB, NL, PE)
    double adjustedNetDeductions = 0.0;  // lines 24400 and 25000: out of the 479s' adjusted net income
    // Each country's T2036 figures: the foreign non-business income, the
    // tax paid on it that the federal credit left, and the net income.
    struct ForeignIncome
    {
        double income = 0.0;
        double taxNotCredited = 0.0;
        double netIncome = 0.0;
    };
    std::vector<ForeignIncome> foreignIncomes;
    // What the person entered on the province's 428 and 479 (amounts, ticks as 1), by field name.
    std::vector<std::pair<const char*, double>> entries428;
    std::vector<std::pair<const char*, double>> entries479;
    // The amounts entered in the rows of the 428's tables, by column.
    std::vector<std::pair<const char*, std::vector<double>>> rowEntries428;

    // ---- the 428's lines
    double taxOnTaxableIncome = 0.0;
    double basicPersonal = 0.0, ageAmount = 0.0, spouseAmount = 0.0, dependantAmount = 0.0;
    double pensionAmount = 0.0, disabilityAmount = 0.0, disabilityTransferAmount = 0.0;
    double medicalAllowable = 0.0;  // line 58689
    double otherMedical = 0.0;      // line 58729: other dependants, each over the province's threshold
    double ownAmounts = 0.0;        // amounts only some provinces have (Yukon's Canada employment amount, line 58310)
    // Own amounts the 428 adds after the tuition and transfer lines, outside
    // the room the S11 measures (Manitoba's family tax benefit, line 61470).
    double amountsAfterTuition = 0.0;
    // The S11: what the tax still needs after the credits ahead of tuition,
    // what is claimed (line 58560) from past years and from this year, what
    // is transferred and what is left for future years.
    double educationAmount = 0.0;   // the S11's education amount: part of this year's amount
    double tuitionNeeded = 0.0;
    double tuitionUsedCarried = 0.0, tuitionUsedCurrent = 0.0;
    double tuitionUsed = 0.0;       // line 58560
    double tuitionTransferred = 0.0;
    double tuitionCarriedOut = 0.0;
    double totalAmounts = 0.0;      // line 58800
    double creditsBeforeTransfers = 0.0;   // what the spouse's S2 leaves the person
    double creditsAtLowestRate = 0.0;      // line 58840
    double donationCredit = 0.0;    // line 58969
    double nonRefundable = 0.0;     // line 61500
    double dividendCredit = 0.0;    // line 61520
    double taxOtherwisePayable = 0.0;   // T2036: the tax the foreign tax credit is measured against
    std::vector<double> foreignCredits; // T2036: each country's credit, as foreignIncomes
    double foreignTaxCredit = 0.0;  // the 428's provincial foreign tax credit
    double tax = 0.0;               // running provincial tax; line 42800 at the end
    double refundable = 0.0;        // line 47900

    // The province's own lines of the 428 and the 479, by field name.
    std::vector<std::pair<const char*, double>> own428;
    std::vector<std::pair<const char*, double>> own479;
    // The province's own counts on the 428 (dependants counted from the return).
    std::vector<std::pair<const char*, int>> ownCounts428;

    // Whole form 428, then the province's own steps.
    void calculate();
    // Form 479.
    void calculateRefundable();

    // The provincial foreign tax credit (T2036) off the tax so far.
    void takeForeignTaxCredit();
    // The province's S11, once the credit amounts ahead of tuition are known.
    void calculateTuition();

    // Of a couple, the spouse with the higher net income (who claims the
    // family reductions); a person without a spouse always.
    bool higherIncomeSpouse() const;
    // Of a couple, the spouse with the lower taxable income (then the lower
    // net income); a person without a spouse always.
    bool lowerIncomeSpouse() const;

    double lowestRate() const;
    // The province's medical expense threshold at a net income: 3% of it or
    // the province's maximum, whichever is less.
    double medicalThreshold(double income) const;
    // An entry of the 428 or the 479 by field name; 0 where the person gave none.
    double entry428(const char* name) const;
    double entry479(const char* name) const;
    // The rows of a table column of the 428; none where the person gave none.
    std::vector<double> rowEntry428(const char* name) const;
};


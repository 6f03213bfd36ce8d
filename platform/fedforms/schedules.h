#pragma once
// The federal schedules of the return, each a field table by the agency's
// 2021 line numbers.

#include "tableform.h"

// Schedule 1 of the years before 2019 (federal tax); the return now holds it
// as step 5. Kept so that old files still read.
class TaxData_Sch1_Old : public TableForm
{
public:
    TaxData_Sch1_Old();
};

// Schedule 2, Federal Amounts Transferred From Your Spouse or Common-Law Partner.
class TaxData_Sch2 : public TableForm
{
public:
    TaxData_Sch2();

    // The amounts the spouse may transfer (lines 35200 to 36000) less the
    // part of them the spouse needs for their own tax: the spouse's adjusted
    // taxable income (line 35100) over their own credits. Answers 0.
    int Calculate01();
};

// Schedule 3, Capital Gains (or Losses) in 2021.
class CTaxData_Schedule_3 : public TableForm
{
public:
    // Rows of the share dispositions (section 3, where T5008 slips go) that
    // every Schedule 3 has; the entry grows beyond them as far as the most
    // it may hold (the printed report's tables stop there).
    static constexpr int kShareRows = 60;
    static constexpr int kMaxShareRows = 1000;
    // Rows of the principal-residence dispositions at line 17900.
    static constexpr int kPrincipalResidenceRows = 3;

    CTaxData_Schedule_3();

    // The share-disposition rows the schedule holds now.
    int shareRows() const { return m_shareRows; }
    // Grows the share dispositions to `rows` rows (never past kMaxShareRows,
    // never shrinking); answers the rows held afterwards. Rows beyond the
    // first 60 are stored, copied, shown and printed like the others.
    int AllocateMoreEquityEntries(int rows);

    // Each section's rows and totals, the slip gains and line 19100, and
    // line 19200 = `reserves` (the reserves of Form T2017 brought into
    // income less those claimed this year).
    void CalculateBeforeLine193(double reserves);
    // Lines 19700, 19900 and the taxable capital gains for line 12700 (not
    // below zero: a net capital loss is carried to other years).
    void CalculateToEnd();
    // Gains (or losses) of the mortgage foreclosures and conditional sales
    // repossessions (lines 12400 and 15500).
    double getMortgageForClosureAndConditionSale() const;
    // Rows of the principal-residence table at line 17900 holding anything
    // (an address, a year or proceeds): one disposition each.
    int principalResidenceRowsFilled() const;

    // A stored, copied or typed share row beyond those held
    // ("shares.75.proceeds") grows the entry to it.
    CField* growField(const CString& name) override;

private:
    int m_shareRows = kShareRows;
};

// Schedule 4, Statement of Investment Income.
class TaxData_Sch4 : public TableForm
{
public:
    // Payer rows the T5 slips fill: interest, and taxable dividends.
    static constexpr int kT5InterestRows = 10;
    static constexpr int kT5DividendRows = 4;

    TaxData_Sch4();

    // Lines 12000, 12010, 12100 and 22100 from the rows entered and the
    // slip totals. Answers 0.
    int Calculate01();
    // Clears what the slips fill.
    void resetSlipAmounts();
};

// Schedule 5, Amounts for Spouse or Common-Law Partner and Dependants.
class TaxData_Sch5 : public TableForm
{
public:
    TaxData_Sch5();

    // What the return gives the schedule.
    struct Inputs
    {
        int daysInCanada = 365;
        int daysInYear = 365;
        bool prorate = false;           // a newcomer or emigrant
        double basicPersonalAmount = 0; // the person's line 30000, before proration
        bool hasSpouse = false;
        bool canClaimSpouse = false;
        double spouseNetIncome = 0;
    };
    // Lines 30300, 30400, 30425, 30450 and 30500. Answers 0.
    int Calculate01(const Inputs& in);

    // An eligible dependant is named and may be claimed: without a spouse,
    // or with one the person lived apart from (the box at the top ticked),
    // in which case the dependant is claimed instead of the spouse.
    // The provinces read these, never line 30400, which also carries the
    // caregiver top-up, the basic amount's reduction and the proration.
    bool claimsEligibleDependant(bool hasSpouse) const;
    bool claimsDependantInsteadOfSpouse(bool hasSpouse) const;
    // A name or a birth date is given (blanks alone name no one).
    bool namesEligibleDependant() const;
    double eligibleDependantNetIncome() const;
};

// Schedule 6, Canada Workers Benefit.
class TaxData_Sch6 : public TableForm
{
public:
    TaxData_Sch6();

    // Working income, adjusted family net income, the basic benefit and the
    // disability supplement (line 45300), from the figures the return and
    // the spouse's return put into the schedule. Of a couple only one claims
    // the basic benefit: `claimsBasic` false leaves it to the spouse. Answers 0.
    int Calculate01(bool claimsBasic = true);
    // The schedule goes with the electronic return: it claims the Canada
    // workers benefit (line 45300).
    bool isInNetfile() const;
};

// Schedule 7, RRSP, PRPP and SPP Unused Contributions, Transfers, and HBP or LLP Activities.
class TaxData_Sch7 : public TableForm
{
public:
    TaxData_Sch7();

    // The RRSP deduction (line 20800) and the unused contributions carried
    // forward. The two figures stand in for the schedule's own when it holds
    // none (the 2020 notice of assessment kept with the return). Answers 0.
    int Calculate01(double deductionLimitFallback, double unusedContributionsFallback);
};

// Schedule 8 of the years before 2014; replaced by TaxData_Sch8_14.
class TaxData_Sch8 : public TableForm
{
public:
    TaxData_Sch8();
};

// Schedule 8, CPP Contributions on Self-Employment and Other Earnings.
// The six CPP figures the return takes from Schedule 8 or RC381.
struct CppRelatedAmounts
{
    double base30800 = 0;       // base contributions through employment (credit)
    double enhanced22215 = 0;   // enhanced contributions through employment (deduction)
    double credit31000 = 0;     // base contributions on self-employment (credit)
    double deduction22200 = 0;  // deduction for contributions on self-employment
    double payable42100 = 0;    // contributions payable on self-employment
    double overpayment44800 = 0;
};

// The contributions on pensionable employment earnings and self-employment
// earnings, over `months` months of the year (Schedule 8 Parts 2 to 5).
CppRelatedAmounts cppContributions(double pensionableEarnings, double contributionsDeducted,
                                   double selfEmploymentEarnings, int months);

class TaxData_Sch8_14 : public TableForm
{
public:
    TaxData_Sch8_14();

    // From the pensionable earnings and contributions of the T4 slips, the
    // self-employment earnings and the elected earnings. Answers 0.
    int Calculate01();
    void getCPPRelatedAmounts(CppRelatedAmounts& out) const;
    // The contributions still due on employment earnings: those required
    // less those the T4 slips show deducted; not below zero.
    double getEmpUnderDeduction() const;
};

// Schedule 9, Donations and Gifts.
class TaxData_Sch9 : public TableForm
{
public:
    // Rows of official receipts.
    static constexpr int kDonationRows = 20;

    TaxData_Sch9();

    // The gifts claimed within the limit (75% of net income; all of it in
    // the year of death) and their credit (line 34900). Answers 0.
    int Calculate01(double netIncome, double taxableIncome, bool deceased);
    // The person's own gifts: the receipts, the interview's own total, the
    // slips' (as last calculated) and those carried forward.
    double ownDonations() const;
    // The spouse's gifts this schedule claims: from the interview, and those
    // shared to it (negative when this spouse's own gifts go to the other).
    double spouseDonationsClaimed() const;
};

// Schedule 11, Federal Tuition, Education, and Textbook Amounts and Canada Training Credit.
class TaxData_Sch11 : public TableForm
{
public:
    TaxData_Sch11();

    // The Canada training credit (line 45350) and the tuition amount claimed
    // (line 32300): unused amounts of earlier years first, then this year's,
    // as far as the tax on taxable income needs them after the other credits.
    // Answers 0.
    int Calculate01();
};

// Home accessibility expenses (line 31285): the expenses behind the claim.
class TaxData_Sch12_2016 : public TableForm
{
public:
    TaxData_Sch12_2016();

    // Line 31285: the expenses less what others claim, at most 10,000. Answers 0.
    int Calculate01();
};

// Schedule 13, Employment Insurance Premiums on Self-Employment and Other Eligible Earnings.
class TaxData_Sch13 : public TableForm
{
public:
    TaxData_Sch13();

    // Premiums on the self-employment earnings up to the maximum insurable
    // earnings (lines 31217 and 42120). Answers 0.
    int Calculate01();
};

// Schedule 14, Climate Action Incentive: for 2021 only the supplement for
// residents of small and rural communities.
class TaxData_Sch14 : public TableForm
{
public:
    TaxData_Sch14();
    // A Schedule 14 in the return claims the climate action incentive.
    bool isClaimed() const { return true; }
};

// Schedule 1-A, Family Tax Cut (ended with 2015).
class TaxData_Sch1A : public TableForm
{
public:
    TaxData_Sch1A();
};

// Schedules A and B of the non-resident return: Statement of World Income,
// and Allowable Amount of Non-Refundable Tax Credits.
class TaxData_SchA_B : public TableForm
{
public:
    TaxData_SchA_B();
};

// Schedule C, Electing Under Section 217 of the Income Tax Act.
class TaxData_SchC : public TableForm
{
public:
    TaxData_SchC();
};

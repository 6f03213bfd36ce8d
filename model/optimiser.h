#pragma once
// The bracket equaliser of the coupled-return optimiser, and the two rules
// it applies to its result; the searches are CFamilyTaxData's.

#include <vector>

// A person's taxable income and the most that may be moved away from them.
struct PersonalAmt
{
    PersonalAmt(double income, double movable) : income(income), movable(movable) {}
    double income;
    double movable;
};

// Ascending income thresholds (the tax-bracket limits); equal ones may occur.
class NumberStair
{
public:
    NumberStair() = default;

    // Placed before the first greater threshold, so after any equal ones.
    void AddStepAmt(double amount);
    // The thresholds at or below x.
    int GetLevel(double x) const;
    int GetMaxLevel() const { return int(m_steps.size()); }
    // The threshold at index i (below 1 the first); 0 past the end or when empty.
    double GetStepAmt(int i) const;
    void Print() const {}
    // The amount to move from a to b (negative: from b to a) that puts both
    // in one bracket: `least` the amount used, `most` the largest that still
    // leaves them in that bracket. When the high person's movable amount runs
    // out first, both are that whole amount.
    void Optimize(PersonalAmt a, PersonalAmt b, double& most, double& least) const;

private:
    std::vector<double> m_steps;
};

// How an equalised amount is taken from the spouse who gives: interest
// first, then capital gains, then (with two T1032s) the pension split, each
// within that spouse's movable amount of the kind.
struct OptimiserMove
{
    double interest = 0;
    double capitalGains = 0;
    double pensionSplit = 0;
    bool splitsPension = false;     // the split is written only when reached
};
OptimiserMove planOptimiserMove(double amount, double interest, double capitalGains, double pension,
                                bool bothHaveT1032);

// Every shareable donation goes to the higher earner (the taxpayer on a tie
// or a difference under a cent); the shared amounts each person's Schedule 9
// gets, added to or taken from their own donations.
struct DonationShares
{
    bool spouseHigher = false;
    double taxpayer = 0;
    double spouse = 0;
};
DonationShares donationsToHigherEarner(double taxpayerIncome, double spouseIncome, double taxpayerShareable,
                                       double spouseShareable, double unclaimed);

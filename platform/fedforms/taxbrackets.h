#pragma once
// Tax brackets, as every jurisdiction's rate chart gives them: a rate up to
// the first threshold, the next rate from there to the next threshold, and
// so on. The federal and each provincial calculation use this one type and
// this one function on their own 2021 figures.

struct TaxBrackets
{
    const double* thresholds;   // ascending: where each rate after the first starts
    const double* rates;        // one more than the thresholds
    int count;                  // how many thresholds

    double lowestRate() const { return rates[0]; }
};

// The tax on a taxable income by the brackets, to the cent: each rate on the
// part of the income between its thresholds. Nothing on an income of nil or less.
double bracketTax(const TaxBrackets& brackets, double taxableIncome);

// The brackets of an array of thresholds and an array with one rate more.
template <int T, int R>
constexpr TaxBrackets makeBrackets(const double (&thresholds)[T], const double (&rates)[R])
{
    static_assert(R == T + 1, "one rate more than thresholds");
    return TaxBrackets{thresholds, rates, T};
}

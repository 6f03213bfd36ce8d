#include "taxbrackets.h"

#include <algorithm>

#include "cents.h"

double bracketTax(const TaxBrackets& brackets, double taxableIncome)
{
    const double income = std::max(0.0, taxableIncome);
    double tax = 0.0, from = 0.0;
    for (int i = 0; i <= brackets.count && income > from; ++i) {
        const double to = i < brackets.count ? brackets.thresholds[i] : income;
        tax += (std::min(income, to) - from) * brackets.rates[i];
        from = to;
    }
    return roundToCents(tax);
}

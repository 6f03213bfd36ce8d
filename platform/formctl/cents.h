#pragma once
// The one rule for cents. Every amount the calculation fills is rounded to
// the cent by roundToCents, and an amount counts (two amounts differ) from
// kAmountThatCounts on: anything smaller is a rounding left-over.

#include <cmath>

constexpr double kAmountThatCounts = 0.009;

// No personal return holds an amount of a trillion dollars. A value beyond
// this (typed, read from a file or a download) is not an amount: refusing it
// keeps every sum and every whole-number conversion far inside its range.
constexpr double kLargestAmount = 999999999999.99;

inline bool isUsableAmount(double v)
{
    return std::isfinite(v) && std::fabs(v) <= kLargestAmount;
}

// Half a cent and up rounds away from zero, as on the paper form. The nudge
// (a millionth of a cent) keeps a product such as 7,353.205, stored a hair
// below, on the side of the half cent the form shows; it is far above the
// binary error of any tax amount and far below a real fraction of a cent.
inline double roundToCents(double amount)
{
    const double cents = amount * 100.0;
    return std::round(cents + (cents >= 0 ? 1e-6 : -1e-6)) / 100.0;
}

// A whole-dollar amount, as the agency's statements carry them: half a
// dollar and up away from zero, by the same nudge as the cents.
inline long long roundToDollars(double amount)
{
    return static_cast<long long>(std::round(amount + (amount >= 0 ? 1e-8 : -1e-8)));
}

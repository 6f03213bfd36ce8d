#pragma once
// An amount counts from 0.009 on: smaller ones are rounding left-overs.

#include <cmath>

#include "cents.h"

constexpr double kPresent = kAmountThatCounts;

// Present either way: a loss of 0.009 or more counts too.
inline bool present(double amount)
{
    return std::fabs(amount) >= kPresent;
}

// A shown amount is rounded to the cent, and one that rounds to zero is 0.00,
// never "-0.00".
inline double shownAmount(double value)
{
    const double cents = roundToCents(value);
    return cents == 0.0 ? 0.0 : cents;
}

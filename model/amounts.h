#pragma once
// An amount counts from 0.009 on: smaller ones are rounding left-overs.

#include <cmath>

constexpr double kPresent = 0.009;

// Present either way: a loss of 0.009 or more counts too.
inline bool present(double amount)
{
    return std::fabs(amount) >= kPresent;
}

// A shown amount is rounded to the cent, and one that rounds to zero is 0.00,
// never "-0.00".
inline double shownAmount(double value)
{
    const double cents = std::round(value * 100.0) / 100.0;
    return cents == 0.0 ? 0.0 : cents;
}

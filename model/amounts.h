#pragma once
// An amount counts from 0.009 on: smaller ones are rounding left-overs.

#include <cmath>

constexpr double kPresent = 0.009;

// Present either way: a loss of 0.009 or more counts too.
inline bool present(double amount)
{
    return std::fabs(amount) >= kPresent;
}

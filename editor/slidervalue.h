#pragma once
// A slider holds ints: an amount is truncated to its whole part, nothing
// below 0, and an amount beyond the ints stops at the largest.

#include <cmath>
#include <limits>

inline int sliderValue(double amount)
{
    if (!(amount > 0)) return 0;
    return amount >= double(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                              : int(std::trunc(amount));
}

#pragma once

#include <cmath>

// Scaled picture sizes are rounded to the nearest integer, a half going to
// the even neighbour.
inline long long RoundHalfEven(double x)
{
    const double floor = std::floor(x);
    const double fraction = x - floor;
    auto result = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2) != 0))
        ++result;
    return result;
}

#pragma once

#include <cmath>

namespace brannock {

/// Nearest whole number, a half going to the even neighbour, whatever the FPU's mode.
inline double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0))
        return lower + 1.0;
    return lower;
}

} // namespace brannock

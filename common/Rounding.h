#pragma once

#include <cmath>

namespace brannock {

/// `value` brought to the nearest whole number, a half going to the even neighbour (12.5 gives
/// 12, 13.5 gives 14), whatever the FPU's rounding mode; infinities and NaN come back as they are.
inline double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0))
        return lower + 1.0;
    return lower;
}

} // namespace brannock

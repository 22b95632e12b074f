#pragma once
// Every conversion of a world value to a pixel or a count takes the nearest
// integer, an exact half going to the even neighbour, so that the picture is
// the same on every machine and matches the numbers the board layout promises.

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

// Rounds to the nearest integer, halves to even. Values beyond the 32-bit range
// (only a caller that scrolls absurdly far can produce them) are held at its
// ends instead of overflowing, and NaN becomes 0.
inline int32_t RoundHalfEven(double value)
{
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    // std::nearbyint honours the rounding mode; the program never leaves the
    // default mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded <= kLow) return std::numeric_limits<int32_t>::min();
    if (rounded >= kHigh) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

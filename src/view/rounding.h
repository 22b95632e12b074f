#pragma once
// Every conversion of a world value to a pixel or a count takes the nearest
// integer, an exact half going to the even neighbour, so that the picture is
// the same on every machine and matches the numbers the board layout promises.

#include <cmath>
#include <cstdint>
#include <limits>

// Rounds to the nearest integer, halves to even. Values beyond the 32-bit range
// (only a caller that scrolls absurdly far can produce them) are held at its
// ends instead of overflowing, and NaN becomes 0.
inline int32_t RoundHalfEven(double value)
{
    if (std::isnan(value)) return 0;
    if (value <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (value >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    // Adding and taking away 1.5 * 2^52 leaves no bits below the units, and
    // the default rounding mode (which the program never changes) rounds that
    // addition half to even. It spares a library call per coordinate.
    constexpr double kShift = 6755399441055744.0;
    const double rounded = (value + kShift) - kShift;
    return static_cast<int32_t>(rounded);
}

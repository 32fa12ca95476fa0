#pragma once

#include <cmath>

namespace brelvon {

// What std::nearbyint gives in the rounding mode Brelvon always runs in (to
// nearest, halves to even: 0.5 is 0, 1.5 and 2.5 are 2), sign of zero
// included, without calling it: the C library keeps nearbyint in libm, which
// the terminal report would otherwise map and relocate at every start for
// this one function. Relies on IEEE double arithmetic as the project builds
// it (no -ffast-math, which could fold the sum below away).
[[nodiscard]] inline double RoundHalfToEven(double x)
{
    // From 2^52 on every double is whole; below it, adding 2^52 leaves no
    // fraction bits, so the hardware rounds the sum to the nearest even whole.
    constexpr double kWholeFrom = 4503599627370496.0;
    const double magnitude = std::fabs(x);
    if (!(magnitude < kWholeFrom)) return x;  // whole already, infinite or NaN
    const double rounded = (magnitude + kWholeFrom) - kWholeFrom;
    return std::signbit(x) ? -rounded : rounded;
}

}  // namespace brelvon

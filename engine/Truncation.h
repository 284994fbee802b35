#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

/// Conversion toward zero to a 32-bit signed integer, total over every double: values beyond the
/// range saturate and a value that is not a number gives 0, so no input reaches an undefined cast.
inline std::int32_t trunc32(double x) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(x))
        return 0;
    if (x >= kMax)
        return std::numeric_limits<std::int32_t>::max();
    if (x <= kMin)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

/// True for a whole number from -2147483648 to 2147483647; false for fractions, larger magnitudes,
/// infinities and values that are not a number.
inline bool isWholeInt32(double x) {
    return x == static_cast<double>(trunc32(x));
}

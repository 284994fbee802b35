#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

/// Bit-for-bit equality of doubles, except that any value that is not a number equals any other.
/// Unlike ==, it tells 0 from -0 and accepts nan where nan is expected.
inline ::testing::AssertionResult sameDouble(double expected, double actual) {
    if (std::isnan(expected) && std::isnan(actual))
        return ::testing::AssertionSuccess();
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    std::memcpy(&a, &expected, sizeof a);
    std::memcpy(&b, &actual, sizeof b);
    if (a == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << expected << " but got " << actual;
}

#include "Divisibility.h"

#include "StatusCodes.h"
#include "Truncation.h"
#include "WideNatural.h"

#include <cstdint>
#include <limits>

namespace {

// From 2^1024 on the lcm is infinite as a double, and it never decreases along the fold.
constexpr int kDoubleRangeBits = 1024;

/// The first check that fails, in element order: a value <= 0, then a value that is not an integer.
int checkPositiveIntegers(const double* args, std::size_t count, int notPositive, int notInteger) {
    for (std::size_t i = 0; i < count; ++i) {
        if (args[i] <= 0)
            return notPositive;
        if (!isWholeInt32(args[i]))
            return notInteger;
    }
    return 0;
}

std::uint32_t euclid(std::uint32_t a, std::uint32_t b) {
    while (b != 0) {
        const std::uint32_t rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

std::uint32_t positiveInteger(double x) {
    return static_cast<std::uint32_t>(trunc32(x));
}

} // namespace

double listGcd(const double* args, std::size_t count, int& status) {
    if (const int failure = checkPositiveIntegers(args, count, kGcdNotPositive, kGcdIntegers); failure != 0) {
        status = failure;
        return 0.0;
    }
    std::uint32_t result = positiveInteger(args[0]);
    for (std::size_t i = 1; i < count; ++i)
        result = euclid(result, positiveInteger(args[i]));
    return result;
}

double listLcm(const double* args, std::size_t count, int& status) {
    if (const int failure = checkPositiveIntegers(args, count, kLcmNotPositive, kLcmIntegers); failure != 0) {
        status = failure;
        return 0.0;
    }
    WideNatural result(positiveInteger(args[0]));
    for (std::size_t i = 1; i < count; ++i) {
        const std::uint32_t next = positiveInteger(args[i]);
        const std::uint32_t common = euclid(next, result.remainder(next));
        if (!result.multiplyBy(next / common) || result.bitLength() > kDoubleRangeBits)
            return std::numeric_limits<double>::infinity();
    }
    return result.toDouble();
}

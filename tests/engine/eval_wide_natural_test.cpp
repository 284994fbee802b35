#include "WideNatural.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(EvalWideNatural, ConversionToDoubleRoundsToNearest) {
    // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
    EXPECT_EQ(WideNatural((std::uint64_t{1} << 53) + 1).toDouble(), 9007199254740992.0);
    // Just above halfway, with the deciding bit below the 64 bits kept: it must still round up.
    WideNatural aboveHalf(12297829382473035777u);
    ASSERT_TRUE(aboveHalf.multiplyBy(3)); // 36893488147419107331
    EXPECT_EQ(aboveHalf.toDouble(), 3.689348814741911e+19);
    // An exact tie beyond 64 bits goes to the even neighbour: 2^65 + 2^12 gives 2^65.
    WideNatural exactHalf((std::uint64_t{1} << 53) + 1);
    ASSERT_TRUE(exactHalf.multiplyBy(4096));
    EXPECT_EQ(exactHalf.toDouble(), 36893488147419103232.0);
}

TEST(EvalWideNatural, HoldsEveryWholeDoubleExactly) {
    const double values[] = {0.0,
                             1.0,
                             4294967296.0,
                             18446744073709551616.0,
                             std::ldexp(1.0, 100),
                             std::ldexp(3.0, 600),
                             std::numeric_limits<double>::max()};
    for (double value : values)
        EXPECT_EQ(WideNatural::fromWholeDouble(value).toDouble(), value) << value;
}

TEST(EvalWideNatural, DivisionGivesTheDigitsOfTwoTo100) {
    WideNatural value = WideNatural::fromWholeDouble(std::ldexp(1.0, 100));
    EXPECT_EQ(value.remainder(1000000007u), 976371285u); // 2^100 mod 1e9+7
    std::string digits;
    while (!value.isZero())
        digits.insert(digits.begin(), static_cast<char>('0' + value.divideBy(10)));
    EXPECT_EQ(digits, "1267650600228229401496703205376");
}

TEST(EvalWideNatural, RefusesAProductBeyondItsCapacity) {
    WideNatural value(1);
    int doublings = 0;
    while (value.multiplyBy(2u))
        ++doublings;
    EXPECT_EQ(doublings, 32 * WideNatural::kLimbCount - 1);
}

} // namespace

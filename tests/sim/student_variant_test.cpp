#include "StudentVariant.h"

#include <gtest/gtest.h>

namespace {

// The values by an independent python3 computation of FNV-1a 64 and SplitMix64 for the seed
// 20260901: the first draw for "2026001" is u = 0.6534238099696379, the second 0.3240674226...;
// "João-7" hashes its UTF-8 bytes; "2026016" draws u = 0.9298333331074571 first.
TEST(StudentVariantTest, ValuesOfAStudentFollowSeedAndId) {
    EXPECT_EQ(fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(fnv1a64(""), 14695981039346656037ULL);
    EXPECT_EQ(fnv1a64("João-7"), 0xcf4b80cbb6117f19ULL);

    CStudentVariantDraw first(20260901, "2026001");
    EXPECT_EQ(first.Next(0.5, 3.0, 0.0), 2.133559524924095);
    EXPECT_EQ(first.Next(10.0, 40.0, 5.0), 20.0) << "19.722... on the grid of 5";

    CStudentVariantDraw accented(20260901, "João-7");
    EXPECT_EQ(accented.Next(0.5, 3.0, 0.0), 0.8177935331428772);
    EXPECT_EQ(accented.Next(10.0, 40.0, 5.0), 30.0) << "32.226...";

    // 0.9298... rounds to the grid point 1.2, beyond the range: clamped.
    EXPECT_EQ(CStudentVariantDraw(20260901, "2026016").Next(0.0, 1.0, 0.6), 1.0);
}

} // namespace

#include "NumberReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

struct ReadCase {
    const char* text;
    int base;
    int status;
    double value = 0.0;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.text << " in base " << c.base;
}

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, Reads) {
    const ReadCase& c = GetParam();
    double value = -99.0;
    EXPECT_EQ(readNumber(c.text, c.base, value), c.status);
    // Exact comparison: the digits are accumulated in a fixed order, whose rounding is part of the result.
    EXPECT_EQ(value, c.status == 0 ? c.value : -99.0);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadNumberTest,
                         testing::Values(ReadCase{"", 10, 0, 0.0}, ReadCase{"42", 10, 0, 42.0},
                                         ReadCase{"-12", 10, 0, -12.0}, ReadCase{"1.5", 10, 0, 1.5},
                                         ReadCase{"1,5", 10, 0, 1.5}, ReadCase{".25", 10, 0, 0.25},
                                         // 7 * 10^-1 + 5 * 10^-2, not the double nearest to 0.75
                                         ReadCase{"0.75", 10, 0, 0.7500000000000001},
                                         ReadCase{"FF", 16, 0, 255.0}, ReadCase{"ff", 16, 0, 255.0},
                                         ReadCase{"zZ", 36, 0, 35.0 * 36 + 35}, ReadCase{"0.1", 2, 0, 0.5},
                                         ReadCase{"777", 8, 0, 511.0}));

INSTANTIATE_TEST_SUITE_P(Failures, ReadNumberTest,
                         testing::Values(ReadCase{"1.2.3", 10, 13}, ReadCase{"1,2.3", 10, 13},
                                         ReadCase{"2E5", 10, 11}, ReadCase{"8", 8, 11}, ReadCase{"G", 16, 11},
                                         ReadCase{"1-", 10, 11}, ReadCase{"1:2", 16, 12},
                                         ReadCase{"?", 16, 12}));

TEST(ReadNumberTest, HugeNumbersOverflowToInfinityWithoutFailing) {
    double value = 0.0;
    EXPECT_EQ(readNumber(std::string(400, '9'), 10, value), 0);
    EXPECT_TRUE(std::isinf(value));
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1", 10, value), 0);
    EXPECT_EQ(value, 0.0);
}

} // namespace

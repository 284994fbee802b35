#include "PanelText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct NumberCase {
    const char* text;
    double value;
};

class PanelNumberParse : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PanelNumberParse, ReadsTheLeadingNumberWithCommaOrPoint) {
    EXPECT_EQ(parsePanelNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, PanelNumberParse,
                         ::testing::Values(NumberCase{"2,5", 2.5}, NumberCase{"2.5", 2.5},
                                           NumberCase{"-0,100000", -0.1}, NumberCase{"  7", 7.0},
                                           NumberCase{"1,5e2", 150.0}, NumberCase{"3abc", 3.0},
                                           NumberCase{"12,5 CPS", 12.5}, NumberCase{"", 0.0},
                                           NumberCase{"abc", 0.0}, NumberCase{",", 0.0},
                                           NumberCase{"CPS", 0.0}, NumberCase{"inf", 0.0},
                                           NumberCase{"-infinity", 0.0}, NumberCase{"nan", 0.0},
                                           NumberCase{"1e999", 0.0}, NumberCase{"ção", 0.0}));

struct FormatCase {
    double value;
    PanelNumberFormat format;
    const char* text;
};

class PanelNumberFormatting : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PanelNumberFormatting, WritesFixedDecimalsWithAComma) {
    EXPECT_EQ(formatPanelNumber(GetParam().value, GetParam().format).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Formats, PanelNumberFormatting,
                         ::testing::Values(FormatCase{0.1, kGainFormat, "0,100000"},
                                           FormatCase{0.0, kGainFormat, "0,000000"},
                                           FormatCase{-2.5, kGainFormat, "-2,500000"},
                                           FormatCase{1e20, kGainFormat, "100000000000000000000,000000"},
                                           FormatCase{987.25, kCpsFormat, "987,2 CPS"},
                                           FormatCase{59.96, kFpsFormat, "60,0 FPS"},
                                           FormatCase{-12.34, kTermFormat, "-12,3"}));

TEST(PanelNumberFormatting, TheLargestDoubleFits) {
    const QString text = formatPanelNumber(std::numeric_limits<double>::max(), kGainFormat);
    EXPECT_EQ(text.size(), 309 + 7);
    EXPECT_EQ(parsePanelNumber(text), std::numeric_limits<double>::max());
}

struct UnsignedCase {
    const char* text;
    std::uint32_t value;
};

class PanelUnsignedParse : public ::testing::TestWithParam<UnsignedCase> {};

TEST_P(PanelUnsignedParse, ReadsLeadingDigitsAndSaturates) {
    EXPECT_EQ(parsePanelUnsigned(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, PanelUnsignedParse,
                         ::testing::Values(UnsignedCase{"100", 100}, UnsignedCase{" +20ms", 20},
                                           UnsignedCase{"", 0}, UnsignedCase{"x1", 0}, UnsignedCase{"-5", 0},
                                           UnsignedCase{"2,5", 2}, UnsignedCase{"4294967295", 4294967295u},
                                           UnsignedCase{"4294967296", 4294967295u},
                                           UnsignedCase{"99999999999999999999", 4294967295u}));

} // namespace

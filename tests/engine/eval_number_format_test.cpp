#include "EquationEngine.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::nan("");

struct FormatRow {
    double value;
    const char* text;
};

// The automatic rendering with the default settings: base 10, "." and integer groups of three.
const FormatRow kAutomatic[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {2.5, "2.5"},
    {-2.5, "-2.5"},
    {123, "123"},
    {1234567.25, "1,234,567.25"},
    {-1234.5, "-1,234.5"},
    {9999999999999.0, "9,999,999,999,999"},
    {-9999999999999.0, "-9,999,999,999,999"},
    {10000000000000.0, "1.000000e+013"},
    {1e20, "1.000000e+020"},
    {-1e20, "-1.000000e+020"},
    {1e300, "1.000000e+300"},
    {1e-13, "0.0000000000001"},
    {1e-14, "1.000000e-014"},
    {-1.5e-14, "-1.500000e-014"},
    {1e-300, "1.000000e-300"},
    {1.0 / 3.0, "0.33333333333333"},
    {2.0 / 3.0, "0.66666666666667"},
    {3.141592653589793, "3.14159265358979"},
    {0.9999999999999999, "1"},
    {-0.9999999999999999, "-1"},
    {0.1 + 0.2, "0.3"},
    {99999.99999999999, "100,000"},
    {kInf, "overflow"},
    {-kInf, "overflow"},
    {kNan, "nan"},
    {-kNan, "nan"},
};

TEST(EvalNumberFormat, AutomaticRenderingInBaseTen) {
    EquationEngine engine;
    for (const FormatRow& row : kAutomatic)
        EXPECT_EQ(engine.formatNumber(row.value, 0), row.text) << "value " << row.value;
}

struct BaseRow {
    int base;
    double value;
    const char* text;
};

const BaseRow kBases[] = {
    {16, 255.5, "FF.8"},
    {16, 10, "A"},
    {16, -255.5, "-FF.8"},
    {16, 1048575, "FF,FFF"},
    {2, 5, "101"},
    {2, 0.5, "0.1"},
    {2, 0.9999999999999999, "1"}, // 52 ones: the carry runs through the point
    {36, 35, "Z"},
    {36, 36, "10"},
    // 0.5 is 0.111... in base 3; the first dropped digit 1 reaches 3 / 2 and rounds up.
    {3, 0.5, "0.1111111111111111111111111111112"},
    {8, 0.125, "0.1"},
    {16, kInf, "overflow"},
    {2, -kInf, "overflow"},
    {16, kNan, "nan"},
};

TEST(EvalNumberFormat, PositionalRenderingInOtherBases) {
    for (const BaseRow& row : kBases) {
        EquationEngine engine;
        engine.numberBase = row.base;
        EXPECT_EQ(engine.formatNumber(row.value, 0), row.text)
            << "base " << row.base << ", value " << row.value;
    }
}

TEST(EvalNumberFormat, AnActiveConversionRendersInItsTargetBase) {
    EquationEngine engine;
    engine.convertBase = 2;
    engine.convertBaseActive = true;
    EXPECT_EQ(engine.formatNumber(5, 0), "101");
    engine.convertBaseActive = false;
    EXPECT_EQ(engine.formatNumber(5, 0), "5");
}

TEST(EvalNumberFormat, BudgetsAreTheBaseDigitsOfA52BitFraction) {
    const int expected[] = {52, 32, 26, 22, 20, 18, 17, 16, 15, 15, 14, 14, 13, 13, 13, 12, 12, 12,
                            12, 11, 11, 11, 11, 11, 11, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};
    for (int base = 2; base <= 36; ++base) {
        EXPECT_EQ(fractionDigitsForBase(base), expected[base - 2]) << "base " << base;
        EXPECT_EQ(fractionDigitsForBase(base), static_cast<int>(std::floor(52 / std::log2(base))));
    }
    EXPECT_EQ(fractionDigitsForBase(1), 0);
    EXPECT_EQ(fractionDigitsForBase(37), 0);
}

struct StyleRow {
    const char* what;
    NumberStyle style;
    double value;
    const char* text;
};

NumberStyle withComma() {
    NumberStyle style;
    style.decimalComma = 1;
    return style;
}

NumberStyle withFractionGroups() {
    NumberStyle style;
    style.groupFractionDigits = true;
    return style;
}

NumberStyle withoutGroups() {
    NumberStyle style;
    style.groupIntegerDigits = false;
    return style;
}

NumberStyle withGroupSizeZero() {
    NumberStyle style;
    style.integerGroupSize = 0;
    style.groupFractionDigits = true;
    style.fractionGroupSize = 0;
    return style;
}

NumberStyle withPairs() {
    NumberStyle style;
    style.integerGroupSize = 2;
    style.integerGroupSeparator = '.';
    return style;
}

const StyleRow kStyles[] = {
    {"comma", withComma(), 2.5, "2,5"},
    {"comma, grouped", withComma(), 1234567.25, "1,234,567,25"},
    {"comma, scientific", withComma(), 1e20, "1,000000e+020"},
    {"fraction groups", withFractionGroups(), 0.1234567, "0.123 456 7"},
    {"fraction groups, exact multiple", withFractionGroups(), 0.123, "0.123"},
    {"fraction groups, scientific", withFractionGroups(), -1.5e-14, "-1.500 000e-014"},
    {"no integer groups", withoutGroups(), 1234567, "1234567"},
    {"group size zero", withGroupSizeZero(), 1234567.125, "1234567.125"},
    {"pairs", withPairs(), -1234567, "-1.23.45.67"},
};

TEST(EvalNumberFormat, DecimalCommaAndGrouping) {
    for (const StyleRow& row : kStyles)
        EXPECT_EQ(formatInBase(row.value, 0, 10, row.style), row.text) << row.what;
}

TEST(EvalNumberFormat, EngineSettingsShapeItsTexts) {
    EquationEngine engine;
    engine.decimalComma = 1;
    engine.integerGroupSeparator = '.';
    EXPECT_EQ(engine.formatNumber(1234.5, 0), "1.234,5");
    EXPECT_EQ(engine.renderInBase(1234.5), "1234,5");
}

struct FixedRow {
    double value;
    int precision;
    const char* text;
};

// Fixed notation is returned untrimmed and ungrouped, but the scientific range still comes first.
const FixedRow kFixed[] = {
    {2.5, 3, "2.500"},     {1234.5, 2, "1234.50"}, {-0.0001, 2, "-0.00"},      {2.0 / 3.0, 4, "0.6667"},
    {0.5, -1, "0.500000"}, {kNan, 2, "nan"},       {1e20, 2, "1.000000e+020"}, {kInf, 2, "overflow"},
};

TEST(EvalNumberFormat, FixedNotationWithAPrecision) {
    EquationEngine engine;
    for (const FixedRow& row : kFixed)
        EXPECT_EQ(engine.formatNumber(row.value, row.precision), row.text)
            << row.value << " at " << row.precision;
}

// renderInBase itself has no scientific range: huge values are written out digit for digit.
const BaseRow kRenderInBase[] = {
    {10, 1e20, "100000000000000000000"},
    {10, 1267650600228229401496703205376.0, "1267650600228229401496703205376"}, // 2^100
    {16, 1267650600228229401496703205376.0, "10000000000000000000000000"},
    {10, 18446744073709551616.0, "18446744073709551616"}, // 2^64
    {10, 1e-20, "0"},
    {10, -1e-20, "0"},
    {10, -0.0, "0"},
    {10, 1234567.5, "1234567.5"},
    {1, 12.5, "12.5"}, // no digits exist for base 1: base 10 stands in
    {37, 12.5, "12.5"},
};

TEST(EvalNumberFormat, RenderInBaseWritesEveryDigit) {
    for (const BaseRow& row : kRenderInBase) {
        EquationEngine engine;
        engine.numberBase = row.base;
        EXPECT_EQ(engine.renderInBase(row.value), row.text) << "base " << row.base << ", value " << row.value;
    }
    const std::string largest = EquationEngine().renderInBase(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 17), "17976931348623157");
}

TEST(EvalNumberFormat, TidyKeepsScientificMantissaAndExponent) {
    const NumberStyle style;
    const char* const kept[] = {"1.000000e+020", "-1.500000e-014", "100", "0"};
    for (const char* text : kept) {
        std::string tidied = text;
        tidyNumberText(tidied, style);
        EXPECT_EQ(tidied, text);
    }
    std::string negativeZero = "-0.000";
    tidyNumberText(negativeZero, style);
    EXPECT_EQ(negativeZero, "0");
    std::string trailing = "12.500";
    tidyNumberText(trailing, style);
    EXPECT_EQ(trailing, "12.5");
}

} // namespace

#include "FunctionLibrary.h"
#include "OperatorCode.h"
#include "Random.h"
#include "Truncation.h"
#include "eval_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::nan("");
constexpr double kPi = 3.141592653589793;

struct Row {
    int op;
    std::vector<double> args;
    double value;
    int status;
    int angleMode;
};

void checkRows(const char* family, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        std::vector<double> args = row.args;
        int status = 0;
        const double value = applyBuiltin(row.op, args.data(), args.size(), row.angleMode, status);
        SCOPED_TRACE(::testing::Message() << family << ": " << operatorName(row.op) << " of "
                                          << row.args.size() << " args starting " << row.args.front());
        EXPECT_EQ(status, row.status);
        EXPECT_TRUE(sameDouble(row.value, value));
    }
}

TEST(EvalFunctions, RealFunctions) {
    checkRows("real", {
                          {kSin, {kPi}, 0.0, 0, 0}, // 1.2e-16 is snapped to zero
                          {kSin, {1e-16}, 0.0, 0, 0},
                          {kSin, {2e-15}, std::sin(2e-15), 0, 0},
                          {kCos, {kPi / 2}, 0.0, 0, 0},
                          {kTan, {0.5}, std::tan(0.5), 0, 0},
                          {kSinh, {1.0}, std::sinh(1.0), 0, 1},
                          {kArcsin, {1.0}, 90.0, 0, 1},
                          {kArcsin, {1.0}, kPi / 2, 0, 0},
                          {kArccos, {-1.0}, 180.0, 0, 1},
                          {kArcsin, {2.0}, kNan, 0, 0},
                          {kArctan, {1.0}, std::atan2(1.0, 1.0), 0, 0},
                          {kArctan, {-kInf}, -kPi / 2, 0, 0},
                          {kAbs, {-3.5}, 3.5, 0, 0},
                          {kLog, {1000.0}, 3.0, 0, 0},
                          {kLog, {0.0}, -kInf, 0, 0},
                          {kLn, {-1.0}, kNan, 0, 0},
                          {kSqrt, {-4.0}, kNan, 0, 0},
                          {kFloor, {-2.5}, -3.0, 0, 0},
                          {kCeil, {-2.5}, -2.0, 0, 0},
                          {kPercent, {50.0}, 0.5, 0, 0},
                      });
}

TEST(EvalFunctions, RoundingAndIntegerParts) {
    checkRows("rounding", {
                              {kRound, {2.5}, 3.0, 0, 0},
                              {kRound, {-2.5}, -2.0, 0, 0},
                              {kRound, {-2.51}, -3.0, 0, 0},
                              {kRound, {-2.6}, -3.0, 0, 0},
                              {kRound, {0.49}, 0.0, 0, 0},
                              {kRound, {-0.5}, 0.0, 0, 0},
                              {kRound, {3e9}, 2147483648.0, 0, 0}, // saturated, then one up: no overflow
                              {kRound, {kNan}, 0.0, 0, 0},
                              {kIpart, {3.99}, 3.0, 0, 0},
                              {kInteger, {-3.99}, -3.0, 0, 0},
                              {kIpart, {1e10}, 2147483647.0, 0, 0},
                              {kIpart, {-kInf}, -2147483648.0, 0, 0},
                              {kInteger, {kNan}, 0.0, 0, 0},
                              {kFpart, {-2.75}, -0.75, 0, 0},
                              {kFpart, {2.5}, 0.5, 0, 0},
                          });
}

TEST(EvalFunctions, TruncationIsTotal) {
    EXPECT_EQ(trunc32(kNan), 0);
    EXPECT_EQ(trunc32(2147483647.9), 2147483647);
    EXPECT_EQ(trunc32(-2147483648.9), -2147483647 - 1);
    EXPECT_EQ(trunc32(-2.9), -2);
    EXPECT_TRUE(isWholeInt32(2147483647.0));
    EXPECT_TRUE(isWholeInt32(-2147483648.0));
    EXPECT_FALSE(isWholeInt32(2147483648.0));
    EXPECT_FALSE(isWholeInt32(kInf));
    EXPECT_FALSE(isWholeInt32(kNan));
    EXPECT_FALSE(isWholeInt32(0.5));
}

TEST(EvalFunctions, Combinatorics) {
    checkRows("combinatorics",
              {
                  {kFactorial, {5}, 120, 0, 0},
                  {kFactorial, {0}, 1, 0, 0},
                  {kFactorial, {171}, kInf, 0, 0},
                  {kFactorial, {100000}, kInf, 0, 0},
                  {kFactorial, {2147483647}, kInf, 0, 0},
                  {kFactorial, {2.5}, 0, 26, 0},
                  {kFactorial, {-1}, 0, 26, 0},
                  {kFactorial, {kNan}, 0, 26, 0},
                  {kFactorial, {kInf}, 0, 26, 0},
                  {kNpr, {5, 2}, 20, 0, 0},
                  {kNpr, {5, 5}, 120, 0, 0},
                  {kNpr, {5.5, 2}, 0, 27, 0},
                  {kNpr, {2.5, 5}, 0, 28, 0}, // the order test comes first
                  {kNcr, {5, 2}, 10, 0, 0},
                  {kNcr, {5, 5}, 1, 0, 0},
                  {kNcr, {2, 5}, 0, 23, 0},
                  {kNcr, {5.5, 2}, 0, 24, 0},
                  {kNcr, {2.5, 5}, 0, 23, 0},
                  {kNcr, {kNan, 1}, 0, 24, 0},
                  // Above 170 the factorials overflow: exact counts from math.comb and math.perm.
                  {kNcr, {200, 2}, 19900, 0, 0},
                  {kNcr, {1000, 999}, 1000, 0, 0},
                  {kNcr, {171, 1}, 171, 0, 0},
                  {kNcr, {300, 5}, 19582837560.0, 0, 0},
                  {kNcr, {2147483647, 2147483646}, 2147483647, 0, 0},
                  {kNcr, {1030, 515}, kInf, 0, 0}, // about 2.8e308
                  {kNpr, {200, 1}, 200, 0, 0},
                  {kNpr, {200, 3}, 7880400, 0, 0},
                  {kNpr, {2147483647, 0}, 1, 0, 0},
                  {kNpr, {2147483647, 2147483647}, kInf, 0, 0},
                  {kFib, {1}, 1, 0, 0},
                  {kFib, {2}, 1, 0, 0},
                  {kFib, {10}, 55, 0, 0},
                  {kFib, {46}, 1836311903, 0, 0},
                  {kFib, {47}, 2971215073.0, 0, 0},
                  {kFib, {78}, 8944394323791464.0, 0, 0},
                  {kFib, {79}, 14472334024676220.0, 0, 0}, // 14472334024676221, rounded to even
                  {kFib, {1477}, kInf, 0, 0},
                  {kFib, {2147483647}, kInf, 0, 0},
                  {kFib, {0}, 0, 34, 0},
                  {kFib, {2.5}, 0, 34, 0},
                  {kFib, {kNan}, 0, 34, 0},
              });
    int status = 0;
    EXPECT_TRUE(std::isfinite(applyBuiltin(kFib, std::vector<double>{1476}.data(), 1, 0, status)));
    // n < r with integers still yields the formula's value, which callers ignore.
    status = 0;
    std::vector<double> reversed = {2, 5};
    applyBuiltin(kNpr, reversed.data(), 2, 0, status);
    EXPECT_EQ(status, 28);
}

TEST(EvalFunctions, GcdAndLcm) {
    checkRows("divisibility",
              {
                  {kGcd, {12, 18}, 6, 0, 0},
                  {kGcd, {12, 4}, 4, 0, 0},
                  {kGcd, {12, 18, 8}, 2, 0, 0},
                  {kGcd, {7}, 7, 0, 0},
                  {kGcd, {2147483647, 2147483647}, 2147483647, 0, 0},
                  {kGcd, {0, 4}, 0, 25, 0},
                  {kGcd, {-4, 6}, 0, 25, 0},
                  {kGcd, {2.5, 5}, 0, 29, 0},
                  {kGcd, {4, 0, 2.5}, 0, 25, 0}, // checked element by element
                  {kGcd, {2.5, 0}, 0, 29, 0},
                  {kGcd, {3e9, 3}, 0, 29, 0},
                  {kGcd, {kNan}, 0, 29, 0},
                  {kLcm, {4, 6}, 12, 0, 0},
                  {kLcm, {4, 6, 10}, 60, 0, 0},
                  {kLcm, {3, 3}, 3, 0, 0},
                  {kLcm, {6, 4}, 12, 0, 0},
                  {kLcm, {65536, 65537}, 4295032832.0, 0, 0},
                  {kLcm, {2147483647, 2147483646}, static_cast<double>(4611686011984936962u), 0, 0},
                  {kLcm, {2147483647, 2147483629, 2147483587}, 9.903519940736477e+27, 0, 0},
                  {kLcm, {0, 4}, 0, 30, 0},
                  {kLcm, {4, 1.5}, 0, 31, 0},
              });
    // 40 distinct primes near 2^31 multiply far past the double range.
    std::vector<double> primes;
    for (double candidate = 2147483647; primes.size() < 40; candidate -= 2) {
        bool prime = true;
        for (double d = 3; d * d <= candidate && prime; d += 2)
            prime = std::fmod(candidate, d) != 0;
        if (prime)
            primes.push_back(candidate);
    }
    int status = 0;
    EXPECT_EQ(applyBuiltin(kLcm, primes.data(), primes.size(), 0, status), kInf);
    EXPECT_EQ(status, 0);
}

TEST(EvalFunctions, Statistics) {
    checkRows("statistics",
              {
                  {kMin, {3, 1, 2}, 1, 0, 0},
                  {kMax, {3, 1, 2}, 3, 0, 0},
                  {kMax, {1, 2.5, 3}, 3, 0, 0},
                  {kMin, {kNan, 1}, kNan, 0, 0}, // a later element replaces only when smaller
                  {kMax, {1, kNan}, 1, 0, 0},
                  {kMean, {1, 2, 3, 4}, 2.5, 0, 0},
                  {kMedian, {3, 1, 2}, 2, 0, 0},
                  {kMedian, {4, 1, 3, 2}, 2.5, 0, 0},
                  {kMedian, {5}, 5, 0, 0},
                  {kMedian, {kNan, 3, 1}, 3, 0, 0}, // not-a-number sorts last
                  {kMode, {1, 2, 2, 3, 3}, 2, 0, 0},
                  {kMode, {5, 6, 7}, 5, 0, 0},
                  {kMode, {3, 1, 1, 3}, 3, 0, 0},
                  {kMode, {1, 3, 3, 1, 1}, 1, 0, 0},
                  {kMode, {0.0, -0.0, -0.0}, 0.0, 0, 0}, // equal values credit the first position
                  {kMode, {kNan, kNan, 1}, kNan, 0, 0},
                  {kVariance, {1, 2, 3, 4}, 1.25, 0, 0},
                  {kStdev, {1, 2, 3, 4}, std::sqrt(1.25), 0, 0},
                  {kVariance, {5}, 0, 0, 0},
              });
}

TEST(EvalFunctions, ModeOfALongListIsFast) {
    std::vector<double> values(20000);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<double>(i % 997);
    int status = 0;
    EXPECT_EQ(applyBuiltin(kMode, values.data(), values.size(), 0, status), 0.0);
}

TEST(EvalFunctions, Temperatures) {
    checkRows("temperature",
              {
                  {kCelsiusFahrenheit, {100}, 212, 0, 0},
                  {kFahrenheitCelsius, {32}, 0, 0, 0},
                  {kKelvinCelsius, {0}, -273.15, 0, 0},
                  {kCelsiusKelvin, {0}, 273.15, 0, 0},
                  {kFahrenheitRankine, {0}, 459.67, 0, 0},
                  {kFahrenheitKelvin, {212}, (212.0 - 32) * 0.5555555555555556 + 273.15, 0, 0},
                  {kCelsiusRankine, {100}, 100 * 1.8 + 32 + 459.67, 0, 0},
                  {kKelvinFahrenheit, {273.15}, 32, 0, 0},
                  {kKelvinRankine, {100}, 180, 0, 0},
                  {kRankineFahrenheit, {459.67}, 0, 0, 0},
                  {kRankineCelsius, {491.67}, (491.67 - 459.67 - 32) * 0.5555555555555556, 0, 0},
                  {kRankineKelvin, {180}, 100, 0, 0},
              });
}

TEST(EvalFunctions, CodesOutsideTheLibrary) {
    checkRows("unclassified", {
                                  {kSeparator, {1}, 0, 21, 0},
                                  {kAssign, {1, 2}, 0, 21, 0},
                                  {kOpenParen, {1}, 0, 21, 0},
                                  {65, {1}, 0, 21, 0},
                              });
}

TEST(EvalRandom, GeneratorFollowsItsRecurrenceFromSeedOne) {
    Rand15 generator;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(generator.next(), value);
}

TEST(EvalRandom, DrawsAreScaledInTheWrittenOrder) {
    EXPECT_EQ(frandValue(3, 3, 12345), 3.0);
    EXPECT_EQ(frandValue(2, 1, 0), 1.0);
    EXPECT_EQ(frandValue(1, 2, 32767), 2.0);
    EXPECT_EQ(irandValue(6, 1, 0), 1.0);
    EXPECT_EQ(irandValue(1, 6, 32767), 7.0); // a full draw reaches hi + 1 on short ranges
    EXPECT_EQ(irandValue(6.9, 1.2, 16384), 4.0);
    EXPECT_EQ(irandValue(-3, 3, 0), -3.0);
    EXPECT_EQ(irandValue(-3, 3, 1), -2.0); // truncation toward zero
    EXPECT_EQ(irandValue(kNan, 1e10, 32767), 2147483647.0);
}

TEST(EvalRandom, EveryCallDrawsFromTheSharedGenerator) {
    std::vector<double> range = {1, 6};
    int status = 0;
    for (int i = 0; i < 1000; ++i) {
        const double value = applyBuiltin(kIrand, range.data(), range.size(), 0, status);
        EXPECT_TRUE(value >= 1 && value <= 7 && value == std::floor(value));
    }
    EXPECT_EQ(status, 0);
}

} // namespace

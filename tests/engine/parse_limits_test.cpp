#include "EngineLimits.h"
#include "parse_checks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

std::string nested(const std::string& open, const std::string& inner, const std::string& close, int depth) {
    return repeated(open, depth) + inner + repeated(close, depth);
}

/// "first piece piece ... piece" with `count` pieces, for chains and argument lists.
std::string chain(const std::string& first, const std::string& piece, int count) {
    return first + repeated(piece, count);
}

struct LimitCase {
    const char* shape;
    std::string formula;
    int status;
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) {
    return out << c.shape << " (" << c.formula.size() << " characters)";
}

class LimitTest : public testing::TestWithParam<LimitCase> {};

// No formula may crash the engine or hold up a simulation step for long: beyond the limits the parse
// fails with its own code, quickly, and within them the formula evaluates.
TEST_P(LimitTest, ParsesQuicklyOrRefuses) {
    const LimitCase& c = GetParam();
    const auto start = std::chrono::steady_clock::now();
    const Parsed parsed = parseFormula(c.formula);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(parsed.status, c.status);
    EXPECT_LT(elapsed.count(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Nesting, LimitTest,
    testing::Values(LimitCase{"parentheses at the limit", nested("(", "1", ")", kMaxParenthesisDepth), 0},
                    LimitCase{"parentheses beyond it", nested("(", "1", ")", kMaxParenthesisDepth + 1), 42},
                    LimitCase{"thousands of parentheses", nested("(", "1", ")", 9000), 42},
                    LimitCase{"negations", nested("-(", "1", ")", 400), 0},
                    LimitCase{"thousands of negations", nested("-(", "1", ")", 5000), 42},
                    LimitCase{"functions at the tree limit", repeated("sin ", kMaxTreeDepth - 1) + "x", 0},
                    LimitCase{"functions beyond it", repeated("sin ", kMaxTreeDepth) + "x", 42},
                    LimitCase{"thousands of functions", repeated("sin", 6000) + "x", 42},
                    LimitCase{"parenthesised functions", nested("sin(", "x", ")", 3000), 42},
                    LimitCase{"right-nested powers", nested("2^(", "1", ")", 999), 0}));

INSTANTIATE_TEST_SUITE_P(
    Length, LimitTest,
    testing::Values(LimitCase{"a chain at the tree limit", chain("1", "+1", kMaxTreeDepth - 1), 0},
                    LimitCase{"a chain beyond it", chain("1", "+1", kMaxTreeDepth), 42},
                    LimitCase{"a chain of ten thousand terms", chain("1", "+1", 9999), 42},
                    LimitCase{"nine thousand arguments", "max(" + chain("1", ":1", 8999) + ")", 0},
                    LimitCase{"more tokens than allowed", "max(" + chain("(-1)", ":(-1)", 3900) + ")", 42},
                    LimitCase{"a text beyond the length limit", std::string(kMaxFormulaLength + 1, '1'), 42},
                    LimitCase{"a text longer still", chain("1", "+1", 100000), 42},
                    LimitCase{"a long name", "x" + std::string(15000, 'a'), 35}));

TEST(LimitTest, EvaluatesTheLongestFormulasWithinTheLimits) {
    EXPECT_EQ(parseFormula(chain("1", "+1", kMaxTreeDepth - 1)).value, kMaxTreeDepth);
    EXPECT_EQ(parseFormula("max(" + chain("1", ":1", 8999) + ")").value, 1.0);
    EXPECT_EQ(parseFormula(nested("-(", "1", ")", 400)).value, 1.0);
}

} // namespace

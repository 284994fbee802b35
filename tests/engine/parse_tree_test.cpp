#include "parse_checks.h"

#include <gtest/gtest.h>

namespace {

struct TreeCase {
    const char* formula;
    const char* tree;
};

std::ostream& operator<<(std::ostream& out, const TreeCase& c) {
    return out << c.formula;
}

class TreeTest : public testing::TestWithParam<TreeCase> {};

TEST_P(TreeTest, Builds) {
    EXPECT_EQ(parseFormula(GetParam().formula).tree, GetParam().tree);
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, TreeTest,
    testing::Values(TreeCase{"2+3*4", "(+ 2 (* 3 4))"}, TreeCase{"2*3+4", "(+ (* 2 3) 4)"},
                    TreeCase{"2^3*4", "(* (^ 2 3) 4)"}, TreeCase{"5 mod 3+1", "(+ (mod 5 3) 1)"},
                    TreeCase{"x=2+3", "(= x (+ 2 3))"}, TreeCase{"1<2==3", "(== (< 1 2) 3)"},
                    TreeCase{"2 convbase 16+1", "(convbase 2 (+ 16 1))"}, TreeCase{"-x^2", "(* -1 (^ x 2))"},
                    TreeCase{"5!*2", "(* (! 5) 2)"}, TreeCase{"(x)celciuskelvin", "(celcius->kelvin x)"}));

INSTANTIATE_TEST_SUITE_P(LeftAssociativity, TreeTest,
                         testing::Values(TreeCase{"2^3^2", "(^ (^ 2 3) 2)"},
                                         TreeCase{"8/2/2", "(/ (/ 8 2) 2)"},
                                         TreeCase{"2-3-4", "(- (- 2 3) 4)"},
                                         TreeCase{"1+2-3+4", "(+ (- (+ 1 2) 3) 4)"},
                                         TreeCase{"1<2<3", "(< (< 1 2) 3)"}));

// A function takes everything to its right: it binds more loosely than "^" when written without
// parentheses, and when it outranks the operator before it, the tokens on its left take no part.
INSTANTIATE_TEST_SUITE_P(
    Functions, TreeTest,
    testing::Values(TreeCase{"sin x^2", "(sin (^ x 2))"}, TreeCase{"sqrt x^2", "(^ (sqrt x) 2)"},
                    TreeCase{"sin x*2", "(* (sin x) 2)"}, TreeCase{"sin(x)*2", "(* (sin x) 2)"},
                    TreeCase{"2^sin x", "(sin x)"}, TreeCase{"sqrt sin(x)", "(sqrt ?)"},
                    TreeCase{"max(1:2+3:4)", "(max 1 (+ 2 3) 4)"},
                    TreeCase{"max(1:min(2:3):(4))", "(max 1 (min 2 3) 4)"}, TreeCase{"fib(7)", "(fib 7)"}));

INSTANTIATE_TEST_SUITE_P(Parentheses, TreeTest,
                         testing::Values(TreeCase{"((2))", "2"}, TreeCase{"(2)+(3)", "(+ 2 3)"},
                                         TreeCase{"((1+2))*3", "(* (+ 1 2) 3)"},
                                         TreeCase{"2^(3^2)", "(^ 2 (^ 3 2))"}));

struct ValueCase {
    const char* formula;
    int status;
    double value = 0.0;
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c) {
    return out << c.formula;
}

class TreeValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(TreeValueTest, Evaluates) {
    const Parsed parsed = parseFormula(GetParam().formula);
    ASSERT_EQ(parsed.status, GetParam().status) << parsed.tree;
    if (parsed.status == 0) {
        EXPECT_DOUBLE_EQ(parsed.value, GetParam().value);
    }
}

// x = 2 is bound.
INSTANTIATE_TEST_SUITE_P(Formulas, TreeValueTest,
                         testing::Values(ValueCase{"2^3^2", 0, 64}, ValueCase{"8/2/2", 0, 2},
                                         ValueCase{"2-3-4", 0, -5}, ValueCase{"2+3*4", 0, 14},
                                         ValueCase{"max(1:2+3:4)", 0, 5},
                                         ValueCase{"2^sin x", 0, 0.90929742682568171},
                                         ValueCase{"sqrt sin(x)", 41}, ValueCase{"sin x(2)", 41}));

TEST(TreeTest, AReusedSlotKeepsNothingOfItsFormerTree) {
    EquationEngine engine;
    currentEngine = &engine;
    double result = 0.0;
    ASSERT_EQ(engine.Evaluate("7", {}, result), 0);
    for (int i = 1; i < EquationEngine::kSlotCount; ++i)
        ASSERT_EQ(engine.Evaluate(std::to_string(i) + "+0", {}, result), 0);
    // The ")" read while the minus is pending is dropped, so the "(" before it is never closed and
    // the whole list has no split point: the root stays unfilled instead of keeping the number 7.
    EXPECT_EQ(engine.Evaluate("(2*-)3", {}, result), 41);
    EXPECT_EQ(engine.CurrentSlot(), 0);
    EXPECT_EQ(describeTree(engine.SlotTree(0)), "?");
}

} // namespace

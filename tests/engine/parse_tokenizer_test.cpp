#include "parse_checks.h"

#include <gtest/gtest.h>

namespace {

struct TokenCase {
    const char* formula;
    const char* tokens;
    int numberBase = 10;
    int decimalComma = 0;
};

std::ostream& operator<<(std::ostream& out, const TokenCase& c) {
    return out << c.formula;
}

class TokenListTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenListTest, Tokenizes) {
    const TokenCase& c = GetParam();
    const Parsed parsed = parseFormula(c.formula, c.numberBase, c.decimalComma);
    EXPECT_EQ(parsed.tokens, c.tokens);
}

INSTANTIATE_TEST_SUITE_P(ImplicitMultiplication, TokenListTest,
                         testing::Values(TokenCase{"2x", "2 * x"}, TokenCase{"x2", "x2"},
                                         TokenCase{"2(3)", "2 * ( 3 )"}, TokenCase{"(2)(3)", "( 2 ) * ( 3 )"},
                                         TokenCase{"(2)x", "( 2 ) * x"}, TokenCase{"x(2)", "x * ( 2 )"},
                                         TokenCase{"(2).5", "( 2 ) * 0.5"},
                                         // blanks are skipped, so a name runs on into the digits after it
                                         TokenCase{"x 2", "x2"}, TokenCase{"2 x", "2 * x"}));

INSTANTIATE_TEST_SUITE_P(UnaryMinus, TokenListTest,
                         testing::Values(TokenCase{"-x^2", "-1 * x ^ 2"}, TokenCase{"(-3)", "( -1 * 3 )"},
                                         TokenCase{"x=-3", "x = -1 * 3"}, TokenCase{"2*-3", "2 * -3"},
                                         TokenCase{"2*-x", "2 * -x"}, TokenCase{"2^-1", "2 ^ -1"},
                                         TokenCase{"--3", "-1 * -3"}, TokenCase{"2-3", "2 - 3"},
                                         TokenCase{"(2)-3", "( 2 ) - 3"}, TokenCase{"5!-3", "5 ! - 3"},
                                         TokenCase{"sin -x", "sin ( -1 * x )"}));

INSTANTIATE_TEST_SUITE_P(
    FunctionWords, TokenListTest,
    testing::Values(TokenCase{"sin x+1", "sin ( x ) + 1"}, TokenCase{"sinx", "sin ( x )"},
                    TokenCase{"cost", "cos ( t )"}, TokenCase{"sin(x)", "sin ( x )"},
                    TokenCase{"sin sin x", "sin ( sin ( x ) )"}, TokenCase{"5 mod 3", "5 mod ( 3 )"},
                    TokenCase{"5mod3+1", "5 mod ( 3 ) + 1"}, TokenCase{"5 npr 2", "5 npr ( 2 )"},
                    TokenCase{"mode(1:2)", "mode ( 1 : 2 )"},
                    TokenCase{"max(sin 1:2)", "max ( sin ( 1 ) : 2 )"},
                    TokenCase{"sqrt sin(x)", "sqrt ( sin ) ( x )"},
                    TokenCase{"100 celciusfarenheit", "100 celcius->farenheit"}, TokenCase{"xsin", "xsin"},
                    TokenCase{"sin x > 1", "sin ( x > 1 )"}));

INSTANTIATE_TEST_SUITE_P(Relations, TokenListTest,
                         testing::Values(TokenCase{"5!", "5 !"}, TokenCase{"5!=5", "5 != 5"},
                                         TokenCase{"5! =5", "5 != 5"}, TokenCase{"x>=2", "x >= 2"},
                                         TokenCase{"x==2", "x == 2"}, TokenCase{"x<2", "x < 2"},
                                         TokenCase{"k=x", "k = x"}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, TokenListTest,
    testing::Values(TokenCase{"FF", "255", 16}, TokenCase{"ff", "ff", 16}, TokenCase{"2f", "2 * f", 16},
                    TokenCase{"1.5", "1.5"}, TokenCase{".5", "0.5"}, TokenCase{"1,5", "1.5", 10, 1},
                    // the operand of convbase is read in decimal, then the base in force is back
                    TokenCase{"FF convbase 10+A", "255 convbase ( 10 ) + 10", 16},
                    TokenCase{"ans+1", "0 + 1"}));

struct ErrorCase {
    const char* formula;
    int status;
    int numberBase = 10;
};

std::ostream& operator<<(std::ostream& out, const ErrorCase& c) {
    return out << c.formula;
}

class SyntaxErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(SyntaxErrorTest, FailsWithItsCode) {
    const ErrorCase& c = GetParam();
    EXPECT_EQ(parseFormula(c.formula, c.numberBase).status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, SyntaxErrorTest,
    testing::Values(ErrorCase{"max(2,3)", 1}, ErrorCase{"a=>b", 1}, ErrorCase{"5!!", 1}, ErrorCase{"-", 1},
                    ErrorCase{"3+(-", 1}, ErrorCase{"2\r", 1}, ErrorCase{"1++2", 2}, ErrorCase{"2*/3", 2},
                    ErrorCase{"sin*2", 2}, ErrorCase{"2+!", 2}, ErrorCase{"2+mod 3", 2}, ErrorCase{"(1+2", 3},
                    ErrorCase{"1+2)", 3}, ErrorCase{"()", 10}, ErrorCase{"sin()", 10}, ErrorCase{"2:3", 9},
                    ErrorCase{"max(:2)", 9}, ErrorCase{"max((1:2))", 9}, ErrorCase{"2E5", 11},
                    ErrorCase{"X+1", 11}, ErrorCase{"G", 11, 16}, ErrorCase{"1:2", 12, 16},
                    ErrorCase{"1.2.3", 13}, ErrorCase{"max 2", 14}, ErrorCase{"max", 15},
                    ErrorCase{"sin", 15}, ErrorCase{"5 mod", 15}, ErrorCase{"irand(1)", 17},
                    ErrorCase{"max(1:)", 17}, ErrorCase{"max(1:2", 17}, ErrorCase{"fib(1:2)", 18},
                    ErrorCase{"frand(1:2:3)", 18}, ErrorCase{"=5", 19}, ErrorCase{"2=5", 19},
                    ErrorCase{"2|3", 20}));

INSTANTIATE_TEST_SUITE_P(FinalChecks, SyntaxErrorTest,
                         testing::Values(ErrorCase{" ", 16}, ErrorCase{"\t\n", 16}, ErrorCase{"+", 6},
                                         ErrorCase{"1+", 7}, ErrorCase{"x=", 7}, ErrorCase{"+1", 8},
                                         ErrorCase{"*x", 8}));

// A minus pending after an operator reaches only the next number or name; a parenthesis or a
// function word in its place would lose it, so the formula is refused instead.
INSTANTIATE_TEST_SUITE_P(PendingMinus, SyntaxErrorTest,
                         testing::Values(ErrorCase{"2*-(3)", 2}, ErrorCase{"2*-sin x", 2},
                                         ErrorCase{"2*-max(1:2)", 2}, ErrorCase{"2*-celciuskelvin", 2},
                                         ErrorCase{"2^-(1)", 2}));

struct ValueCase {
    const char* formula;
    double value;
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c) {
    return out << c.formula;
}

class SyntaxValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(SyntaxValueTest, Evaluates) {
    const Parsed parsed = parseFormula(GetParam().formula);
    ASSERT_EQ(parsed.status, 0) << parsed.tokens;
    EXPECT_DOUBLE_EQ(parsed.value, GetParam().value);
}

// x = 2 and t = 3 are bound.
INSTANTIATE_TEST_SUITE_P(Formulas, SyntaxValueTest,
                         testing::Values(ValueCase{"-x^2", -4}, ValueCase{"2*-3", -6}, ValueCase{"2^-1", 0.5},
                                         ValueCase{"2x", 4}, ValueCase{"x(2)", 4}, ValueCase{"max(2:3)", 3},
                                         ValueCase{"5 mod 3", 2}, ValueCase{"5mod3", 2},
                                         ValueCase{"mode(1:2:2)", 2}, ValueCase{"5!", 120},
                                         ValueCase{"5!=5", 0}, ValueCase{"ans+1", 1}, ValueCase{"-(3)", -3},
                                         ValueCase{"(-3)*2", -6}, ValueCase{"-1*sin x", -0.90929742682568171},
                                         ValueCase{"x=5", 5}));

} // namespace

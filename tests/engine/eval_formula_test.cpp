#include "EquationEngine.h"
#include "eval_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const double kNan = std::nan("");

struct FormulaRow {
    const char* formula;
    int status;
    double value;      // checked only for status 0
    const char* trace; // nullptr: not checked
};

// The plant formula's bindings, as the dialog passes them.
const std::vector<VariableValue> kTestBindings = {{"p", 2.0}, {"t", 3.0}, {"dt", 5.0}};

void checkFormulas(const std::vector<FormulaRow>& rows, int angleMode = 0) {
    for (const FormulaRow& row : rows) {
        SCOPED_TRACE(row.formula);
        EquationEngine engine;
        const CurrentEngineScope scope(engine);
        engine.angleMode = angleMode;
        double result = 0.0;
        EXPECT_EQ(engine.Evaluate(row.formula, kTestBindings, result), row.status);
        if (row.status == 0) {
            EXPECT_TRUE(sameDouble(row.value, result));
        }
        if (row.trace != nullptr) {
            EXPECT_EQ(engine.TraceText(), row.trace);
        }
    }
}

TEST(EvalFormulas, OperatorsAndTheirTrace) {
    checkFormulas({
        {"2 + 3 * 4", 0, 14, "3 * 4\n2 + 12\n"},
        {"2-3-4", 0, -5, "2 - 3\n-1 - 4\n"},
        {"p + ((t/100)*5000 - p*1.0)*dt", 0, 2 + ((3.0 / 100) * 5000 - 2 * 1.0) * 5,
         "3 / 100\n0.03 * 5,000\n2 * 1\n150 - 2\n148 * 5\n2 + 740\n"},
        {"1/3 + 0", 0, 1.0 / 3.0, "1 / 3\n0.33333333333333 + 0\n"},
        {"(5 mod 0) + 1", 0, kNan, "5 mod 0\nnan + 1\n"},
        {"-7 mod 3", 0, -1, nullptr},
        {"7 mod 4*2", 0, 7, "4 * 2\n7 mod 8\n"}, // mod binds more loosely than "*"
        {"(-8) ^ (1/3)", 0, -2, "-1 * 8\n1 / 3\n-8 ^ 0.33333333333333\n"},
        {"(-8) ^ 0.5", 0, kNan, nullptr},
        {"(-2) ^ 2", 0, 4, nullptr},
        {"(-32) ^ 0.2", 0, -2, nullptr},
        {"(-8) ^ 0", 0, 1, nullptr},
        {"3 == 3", 0, 1, "3 == 3\n"},
        {"3 != 3", 0, 0, nullptr},
        {"2 > 3", 0, 0, nullptr},
        {"3 >= 3", 0, 1, nullptr},
        {"2 < 3", 0, 1, nullptr},
        {"3 <= 2", 0, 0, nullptr},
        {"(5 mod 0) == (5 mod 0)", 0, 0, "5 mod 0\n5 mod 0\nnan == nan\n"},
        {"(5 mod 0) != 1", 0, 1, nullptr},
        {"max(1:2.5:3)", 0, 3, "max(1:2.5:3)\n"},
        {"median(4:1:3:2) + 1", 0, 3.5, "median(4:1:3:2)\n2.5 + 1\n"}, // the line shows the order written
        {"5! + 1", 0, 121, "5!\n120 + 1\n"},
        {"100celciusfarenheit", 0, 212, "100celcius->farenheit\n"},
        {"5 npr 2", 0, 20, "5 npr 2\n"},
        {"1000000 * 10000000 + 1", 0, 1e13 + 1, "1,000,000 * 10,000,000\n1.000000e+013 + 1\n"},
    });
}

TEST(EvalFormulas, TheFirstFailureEndsTheEvaluation) {
    checkFormulas({
        {"8 / 0", 22, 0, "8 / 0\n"},
        {"8 / -0", 22, 0, "8 / 0\n"},
        {"1 + 8/0 + 2", 22, 0, "8 / 0\n"},
        {"q + 1", 35, 0, ""}, // the right operand and the "+" are never reached
        {"1 + q", 35, 0, ""},
        {"2*-q", 35, 0, ""},
        {"k = 1 + q", 35, 0, ""},
        {"2 ncr 5 + 1", 23, 0, "2 ncr 5\n"},
        {"fib(0)", 34, 0, "fib(0)\n"},
        {"(0-1)!", 26, 0, nullptr},
        {"gcd(12:0)", 25, 0, nullptr},
        {"sqrt sin(x)", 41, 0, ""}, // the argument range of sqrt has no split point
    });
}

TEST(EvalFormulas, AnglesFollowTheAngleMode) {
    const double kRadiansPerDegree = 0.017453292519943295;
    checkFormulas({{"sin(390)", 0, std::sin(30 * kRadiansPerDegree), "sin(390)\n"},
                   {"cos(90)", 0, 0, nullptr},
                   {"hypsin(90)", 0, std::sinh(90 * kRadiansPerDegree), nullptr},
                   {"arcsin(1)", 0, 90, nullptr},
                   {"arctan(1)", 0, std::atan2(1.0, 1.0) * 180.0 * 0.3183098861837907, nullptr}},
                  1);
    checkFormulas({{"sin(7)", 0, std::sin(7 - 6.283185307179586), nullptr}, {"sin(pi)", 0, 0, nullptr}}, 0);
    checkFormulas({{"sin(7)", 0, std::sin(7.0), nullptr}, {"hypsin(90)", 0, std::sinh(90.0), nullptr}}, 2);
}

TEST(EvalFormulas, NamesAndAssignments) {
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    double result = 0.0;
    const auto evaluate = [&](const char* formula, const std::vector<VariableValue>& bindings = {}) {
        result = 0.0;
        return engine.Evaluate(formula, bindings, result);
    };
    ASSERT_EQ(evaluate("k = 2 + 3"), 0);
    EXPECT_EQ(result, 5);
    EXPECT_EQ(engine.TraceText(), "2 + 3\n"); // the assignment itself writes no line
    ASSERT_EQ(evaluate("k + 1"), 0);
    EXPECT_EQ(result, 6);
    ASSERT_EQ(evaluate("k = 7"), 0);
    const std::size_t count = engine.Variables().size();
    EXPECT_EQ(engine.Variables().back().name, "k");
    EXPECT_EQ(engine.Variables().back().value, 7);
    for (const char* reserved : {"x = 5", "y = 5", "r = 5", "t = 5"}) {
        ASSERT_EQ(evaluate(reserved), 0);
        EXPECT_EQ(result, 5);
    }
    EXPECT_EQ(engine.Variables().size(), count);
    ASSERT_EQ(evaluate("3*-p", kTestBindings), 0);
    EXPECT_EQ(result, -6);
    ASSERT_EQ(evaluate("pi + k", {{"pi", 3}}), 0); // bindings hide variables
    EXPECT_EQ(result, 10);
    ASSERT_EQ(evaluate("2*-pi"), 0);
    EXPECT_EQ(result, -2 * 3.141592653589793);
}

TEST(EvalFormulas, ConvbaseSetsTheBaseOfLaterRendering) {
    checkFormulas({
        {"(254 + 1) convbase 16", 0, 255, "254 + 1\nthe entire expression will be converted to base 16\n"},
        {"1 convbase 36", 0, 1, nullptr},
        {"1 convbase 40", 33, 0, "the entire expression will be converted to base 40\n"},
        {"1 convbase 1.9", 33, 0, nullptr},
        {"1 convbase (5 mod 0)", 33, 0, nullptr},
    });
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    double result = 0.0;
    ASSERT_EQ(engine.Evaluate("255 convbase 16", {}, result), 0);
    EXPECT_EQ(engine.formatNumber(result, 0), "FF");
    ASSERT_EQ(engine.Evaluate("254 + 1", {}, result), 0); // every evaluation starts in the number base
    EXPECT_EQ(engine.TraceText(), "254 + 1\n");
    ASSERT_EQ(engine.Evaluate("1 convbase 99", {}, result), 33);
    EXPECT_EQ(engine.formatNumber(255, 0), "255"); // a refused base is never taken
}

TEST(EvalFormulas, TheTraceReadsAsWrittenAtEvaluation) {
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    double result = 0.0;
    ASSERT_EQ(engine.Evaluate("1234.5 * 2", {}, result), 0);
    engine.decimalComma = 1; // changed after the evaluation: the lines were already written
    EXPECT_EQ(engine.TraceText(), "1,234.5 * 2\n");
    ASSERT_EQ(engine.Evaluate("1,5 * 2", {}, result), 0);
    EXPECT_EQ(engine.TraceText(), "1,5 * 2\n");
    engine.reportMode = 2;
    ASSERT_EQ(engine.Evaluate("8 / 0", {}, result), 0); // mode 2 writes no trace and drops the code
    EXPECT_EQ(engine.TraceText(), "");
}

TEST(EvalFormulas, LongFormulasStayWithinTheirLimits) {
    std::string chain = "1";
    for (int i = 0; i < 900; ++i)
        chain += "+1";
    std::string list = "max(1";
    for (int i = 2; i <= 3000; ++i)
        list += ":" + std::to_string(i);
    list += ")";
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    double result = 0.0;
    ASSERT_EQ(engine.Evaluate(chain, {}, result), 0);
    EXPECT_EQ(result, 901);
    EXPECT_EQ(std::count(engine.TraceText().begin(), engine.TraceText().end(), '\n'), 900);
    ASSERT_EQ(engine.Evaluate(list, {}, result), 0);
    EXPECT_EQ(result, 3000);
    EXPECT_EQ(std::count(engine.TraceText().begin(), engine.TraceText().end(), ':'), 2999);
}

} // namespace

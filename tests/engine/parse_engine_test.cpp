#include "ErrorTables.h"
#include "parse_checks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class EngineTest : public testing::Test {
protected:
    int evaluate(const std::string& formula, const std::vector<VariableValue>& bindings = {}) {
        return engine.Evaluate(formula, bindings, result);
    }

    EquationEngine engine;
    const CurrentEngineScope scope{engine};
    double result = 0.0;
};

TEST_F(EngineTest, AnEmptyFormulaIsRefusedWithoutTouchingTheResult) {
    result = 12.5;
    EXPECT_EQ(evaluate(""), 4);
    EXPECT_EQ(result, 12.5);
    EXPECT_EQ(engine.SlotText(0), "");
}

TEST_F(EngineTest, StartsWithPiEAndN) {
    ASSERT_EQ(engine.Variables().size(), 3u);
    EXPECT_EQ(engine.Variables()[0].name, "pi");
    EXPECT_EQ(engine.Variables()[0].value, 3.141592653589793);
    EXPECT_EQ(engine.Variables()[1].name, "e");
    EXPECT_EQ(engine.Variables()[1].value, 2.71828182846);
    EXPECT_EQ(engine.Variables()[2].name, "n");
    EXPECT_EQ(engine.Variables()[2].value, 1.0);
}

TEST_F(EngineTest, BindingsComeBeforeVariables) {
    ASSERT_EQ(evaluate("pi*2", {{"pi", 3.0}}), 0);
    EXPECT_EQ(result, 6.0);
    ASSERT_EQ(evaluate("pi*2"), 0);
    EXPECT_EQ(result, 2 * 3.141592653589793);
}

TEST_F(EngineTest, ReturnsRunTimeCodes) {
    EXPECT_EQ(evaluate("8/0"), 22);
    EXPECT_EQ(evaluate("q+1"), 35);
}

TEST_F(EngineTest, ReportModeDecidesWhichRunTimeCodesAreKept) {
    engine.reportMode = 1;
    EXPECT_EQ(evaluate("8/0"), 0);
    EXPECT_EQ(evaluate("q+1"), 35);
    engine.reportMode = 3;
    EXPECT_EQ(evaluate("8/0"), 22);
}

TEST_F(EngineTest, ParsesTheSameTextOnceAndSelectsItsSlotAgain) {
    ASSERT_EQ(evaluate("p+1", {{"p", 1.0}}), 0);
    ASSERT_EQ(evaluate("2*3"), 0);
    ASSERT_EQ(evaluate("p+1", {{"p", 5.0}}), 0);
    EXPECT_EQ(result, 6.0);
    EXPECT_EQ(engine.CurrentSlot(), 0);
}

TEST_F(EngineTest, ReplacesTheSlotFilledLongestAgo) {
    for (int i = 0; i < EquationEngine::kSlotCount; ++i) {
        ASSERT_EQ(evaluate(std::to_string(i)), 0);
        EXPECT_EQ(engine.CurrentSlot(), i);
    }
    // A hit does not refresh the age of a slot.
    ASSERT_EQ(evaluate("0"), 0);
    EXPECT_EQ(engine.CurrentSlot(), 0);
    ASSERT_EQ(evaluate("10"), 0);
    EXPECT_EQ(engine.CurrentSlot(), 0);
    ASSERT_EQ(evaluate("11"), 0);
    EXPECT_EQ(engine.CurrentSlot(), 1);
    // "0" was replaced, so it is a miss: it takes the next slot in filling order.
    ASSERT_EQ(evaluate("0"), 0);
    EXPECT_EQ(engine.CurrentSlot(), 2);
    EXPECT_EQ(engine.SlotText(2), "0");
}

TEST_F(EngineTest, AFormulaThatFailedToParseFailsAgainEveryTime) {
    EXPECT_EQ(evaluate("1++2"), 2);
    EXPECT_EQ(engine.SlotText(0), "");
    EXPECT_EQ(evaluate("1++2"), 2);
    EXPECT_EQ(engine.CurrentSlot(), 1);
    EXPECT_EQ(evaluate("1+2"), 0);
    EXPECT_EQ(result, 3.0);
}

TEST_F(EngineTest, KeepsTheTokensOfAFailedParse) {
    EXPECT_EQ(evaluate("2+3)"), 3);
    EXPECT_EQ(describeTokens(engine.SlotTokens(engine.CurrentSlot())), "2 + 3");
}

TEST(CurrentEngineScopeTest, NamesTheEngineForItsScopeOnlyAndRestoresTheOuterOne) {
    EquationEngine outer;
    {
        const CurrentEngineScope outerScope(outer);
        {
            EquationEngine inner;
            const CurrentEngineScope innerScope(inner);
            EXPECT_EQ(currentEngine, &inner);
        }
        EXPECT_EQ(currentEngine, &outer);
    }
    EXPECT_EQ(currentEngine, nullptr);
}

TEST(ErrorTablesTest, HoldTheTextsOfEveryCodeThatHasOne) {
    EXPECT_STREQ(equationErrorMessage(2), "You are not allowed multiple operators in a row");
    EXPECT_STREQ(equationErrorMessage(16),
                 "The run-time stack is empty. Please makre sur eyou have entered a valid equation.  "
                 "All constants must be enclosed in parenthesis");
    EXPECT_STREQ(equationErrorMessage(18), "Too many parameters to funciton.  Make sure you have entered the "
                                           "corrcet number of parameters");
    EXPECT_STREQ(equationErrorMessage(42), "The formula is too long or too deeply nested");
    EXPECT_STREQ(runtimeErrorMessage(22), "Illegal attempt to divide by zero");
    EXPECT_STREQ(runtimeErrorMessage(41), "Unknown operator type");
    for (int code : {0, 1, 5, 21, 22, 41})
        EXPECT_EQ(equationErrorMessage(code), nullptr) << code;
    for (int code : {0, 2, 20, 21, 36, 40, 42})
        EXPECT_EQ(runtimeErrorMessage(code), nullptr) << code;
}

} // namespace

#include "EvalOptions.h"
#include "SimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(EvalOptionsTest, ReadsBindingsSwitchesAndAFormulaAfterTheEndOfOptions) {
    EvalOptions options;
    std::string error;
    ASSERT_TRUE(parseEvalOptions({"--bind", "x=0x10", "--trace", "--", "--x"}, options, error)) << error;
    ASSERT_EQ(options.bindings.size(), 1u);
    EXPECT_EQ(options.bindings[0].name, "x");
    EXPECT_EQ(options.bindings[0].value, 16.0);
    EXPECT_TRUE(options.trace);
    EXPECT_FALSE(options.degrees);
    EXPECT_EQ(options.formula, "--x");
}

TEST(EvalOptionsTest, ALoneDashIsAFormula) {
    EvalOptions options;
    std::string error;
    ASSERT_TRUE(parseEvalOptions({"-"}, options, error)) << error;
    EXPECT_EQ(options.formula, "-");
}

TEST(SimOptionsTest, OrdersEventsByStepAndKeepsTheStartingSettings) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(parseSimOptions({"--at", "3:kp=1", "--mode", "pid", "--at", "2:reset", "--at", "3:kp=2",
                                 "--steps", "7", "--csv", "out.csv"},
                                options, error))
        << error;
    EXPECT_EQ(options.steps, 7u);
    EXPECT_EQ(options.csvPath, "out.csv");
    ASSERT_EQ(options.initialSettings.size(), 1u);
    EXPECT_EQ(options.initialSettings[0].mode, CSimulation::ControlMode::Pid);
    ASSERT_EQ(options.events.size(), 3u);
    EXPECT_EQ(options.events[0].setting.field, SimSetting::Field::Reset);
    EXPECT_EQ(options.events[1].setting.number, 1.0);
    EXPECT_EQ(options.events[2].setting.number, 2.0);
}

} // namespace

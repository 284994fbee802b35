#include "EvalOptions.h"
#include "SettingSamples.h"
#include "SimOptions.h"

#include <memory>

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
    EXPECT_EQ(options.initialSettings[0].value.number, static_cast<int>(CSimulation::ControlMode::Pid));
    ASSERT_EQ(options.events.size(), 3u);
    EXPECT_TRUE(isReset(options.events[0].setting));
    EXPECT_EQ(options.events[1].setting.value.number, 1.0);
    EXPECT_EQ(options.events[2].setting.value.number, 2.0);
}

} // namespace

namespace {

TEST(SimOptionsTest, EverySettingIsAnOptionAndAnEventByItsNameWithinItsRange) {
    const auto simulation = std::make_unique<CSimulation>();
    for (const SettingRow& row : settingRows()) {
        if (row.option == nullptr)
            continue;
        SCOPED_TRACE(row.option);
        const SettingValue sample = SampleValue(row, row.read(SettingSource(*simulation)));
        const std::string text = row.kind == SettingKind::Text ? sample.text : settingValueText(row, sample);
        const std::string option = std::string("--") + row.option;
        SimOptions options;
        std::string error;
        ASSERT_TRUE(parseSimOptions({option, text, "--at", std::string("2:") + row.option + "=" + text},
                                    options, error))
            << error;
        for (const SimSetting& setting : {options.initialSettings.at(0), options.events.at(0).setting}) {
            EXPECT_EQ(setting.row, &row);
            EXPECT_EQ(setting.value.number, sample.number);
            EXPECT_EQ(setting.value.text, sample.text);
        }
        const std::string refused = RefusedText(row);
        if (!refused.empty()) {
            EXPECT_FALSE(parseSimOptions({option, refused}, options, error)) << refused;
        }
    }
}

} // namespace

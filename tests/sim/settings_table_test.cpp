#include "NumberRange.h"
#include "RoundTripNumber.h"
#include "SettingSamples.h"
#include "SettingsTable.h"
#include "Simulation.h"
#include "WindowState.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

const char* nameOf(const SettingRow& row) {
    return row.fileKey != nullptr ? row.fileKey : row.option;
}

bool isControlModeRow(const SettingRow& row) {
    return row.group == SettingGroup::Controller && row.kind != SettingKind::Number;
}

// Each row reads back what applySetting wrote, under its own key and option, and writes nothing another
// row reads (but the mode, which PID and on/off show).
TEST(SettingsTable, EveryRowReadsBackWhatItWroteAndNothingElse) {
    for (const SettingRow& row : settingRows()) {
        const char* name = nameOf(row);
        CSimulation simulation;
        CWindowState window;
        SettingTarget target{simulation, &window};
        std::map<const SettingRow*, std::string> before;
        for (const SettingRow& other : settingRows())
            before[&other] = settingValueText(other, other.read(target));

        const SettingValue sample = SampleValue(row, row.read(target));
        applySetting(target, row, sample);
        EXPECT_EQ(row.read(target).number, sample.number) << name;
        EXPECT_EQ(row.read(target).text, sample.text) << name;
        for (const SettingRow& other : settingRows()) {
            if (&other != &row && !(isControlModeRow(row) && isControlModeRow(other))) {
                EXPECT_EQ(settingValueText(other, other.read(target)), before[&other])
                    << name << " wrote " << nameOf(other);
            }
        }
        if (row.fileKey != nullptr) {
            EXPECT_EQ(settingByFileKey(row.fileKey), &row);
        }
        if (row.option != nullptr) {
            EXPECT_EQ(settingByOption(row.option), &row);
        }
    }
}

TEST(SettingsTable, WritesDoWhatTheSettingAlsoDoes) {
    CSimulation simulation;
    SettingTarget target{simulation};
    simulation.m_dIntegral = 5.0;
    applySetting(target, *settingByOption("kp"), {2.0, {}});
    EXPECT_EQ(simulation.m_dIntegral, 5.0);
    applySetting(target, *settingByOption("ki"), {2.0, {}});
    EXPECT_EQ(simulation.m_dIntegral, 0.0) << "a new Ki clears the integral";

    applySetting(target, *settingByFileKey("pid"), {1.0, {}});
    applySetting(target, *settingByFileKey("onOff"), {1.0, {}});
    EXPECT_FALSE(simulation.m_bPid);
    applySetting(target, *settingByFileKey("pid"), {1.0, {}});
    EXPECT_FALSE(simulation.m_bOnOff) << "PID and on/off exclude each other";

    // A point that stays put: what the controller reads is the point plus the noise.
    simulation.m_strFormula = "p";
    simulation.InitialUpdate();
    applySetting(target, *settingByOption("noise"), {1.0, {}});
    applySetting(target, *settingByOption("noise-seed"), {0.0, "7"});
    simulation.Step();
    const double first = simulation.m_history.newest().measurement;
    simulation.Step();
    EXPECT_NE(simulation.m_history.newest().measurement, first);
    applySetting(target, *settingByOption("noise-seed"), {0.0, "7"});
    simulation.Step();
    EXPECT_EQ(simulation.m_history.newest().measurement, first) << "a new seed restarts the noise";
}

TEST(NumberRange, TextsAreMadeFromTheEnds) {
    EXPECT_EQ(rangeText(NumberRange::Any), "a number");
    EXPECT_EQ(rangeText(NumberRange::Finite), "a finite number");
    EXPECT_EQ(rangeText(NumberRange::NotNegative), "a finite number of 0 or more");
    EXPECT_EQ(rangeText(NumberRange::Positive), "a finite number above 0");
    EXPECT_EQ(rangeText(NumberRange::SetPointScale), "a number from 0 to 3000");
    EXPECT_EQ(rangeText(NumberRange::Percent), "a number from 0 to 100");
    EXPECT_EQ(rangeText(settingByOption("noise")->range), "a number from 0 to 1000000");
    EXPECT_EQ(rangeText(settingByOption("quantization")->range), "0 or a number from 1e-9 to 1000000");
    EXPECT_EQ(rangeText({-2.5, 0.1, true, true, false, false}), "a number above -2.5 and below 0.1");
}

// q = 0 is off; beside it only resolutions that keep point / q finite.
TEST(NumberRange, QuantizationTakesZeroOrAResolutionThatKeepsTheMeasurementFinite) {
    const NumberRange range = settingByOption("quantization")->range;
    for (const double value : {0.0, 1e-9, 0.5, 1e6})
        EXPECT_TRUE(isInRange(value, range)) << value;
    for (const double value : {-1e-9, 1e-320, 9.9e-10, 1.000001e6})
        EXPECT_FALSE(isInRange(value, range)) << value;
    EXPECT_EQ(clampIntoRange(4e-10, range), 0.0);
    EXPECT_EQ(clampIntoRange(6e-10, range), 1e-9);
    EXPECT_EQ(clampIntoRange(-3.0, range), 0.0);
    EXPECT_EQ(clampIntoRange(1e300, range), 1e6);
}

/// A new window's value of `row` as a `.vrl` file writes it.
std::string jsonDefault(const SettingRow& row, const SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Text:
    case SettingKind::Choice:
        return '"' + settingValueText(row, value) + '"';
    case SettingKind::Flag:
        return value.number != 0.0 ? "true" : "false";
    case SettingKind::Seed:
        return value.text;
    default:
        return numberText(value.number);
    }
}

// docs/vrl-format.md lists every key of a window with a new window's value as its default.
TEST(SettingsTable, TheFileFormatsPageListsEveryKeyWithItsDefault) {
    std::ifstream page(VORLINT_DOCS_DIR "/vrl-format.md");
    ASSERT_TRUE(page) << VORLINT_DOCS_DIR;
    std::map<std::string, std::string> listed;
    bool inWindow = false;
    for (std::string line; std::getline(page, line);) {
        if (line.rfind("## ", 0) == 0)
            inWindow = line == "## Window";
        if (!inWindow || line.rfind("| `", 0) != 0)
            continue;
        // | `key` | type | `default` | meaning |
        std::istringstream cells(line);
        std::string cell[4];
        for (std::string& each : cell)
            std::getline(cells, each, '|');
        const std::string key = cell[1].substr(2, cell[1].size() - 4);
        if (key != "events")
            listed[key] = cell[3].substr(2, cell[3].size() - 4);
    }
    CSimulation simulation;
    CWindowState window;
    const SettingSource source(simulation, &window);
    std::map<std::string, std::string> keys;
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey != nullptr)
            keys[row.fileKey] = jsonDefault(row, row.read(source));
    }
    EXPECT_EQ(listed, keys);
}

} // namespace

#include "ClosedLoopRun.h"
#include "SettingSamples.h"
#include "SimulationSetup.h"
#include "TuningLab.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

// A headless run copies every setup row of the settings table: a sweep's row is the window's own run, bit
// for bit, whatever the row.

namespace {

constexpr PidGains kGains{0.1, 40.0, 0.01};
constexpr std::uint64_t kSteps = 300;

/// A window where every setup row acts on a PID run from rest: a lag for its τ, a derivative term for its
/// options, back-calculation (the clamp is reached) for its tracking time, noise for its seed, and every
/// course option on.
std::unique_ptr<CSimulation> windowWithEveryOptionActing() {
    auto window = std::make_unique<CSimulation>();
    window->m_dSetPoint = 1500.0;
    window->m_dynamicsSettings.lagCount = 1;
    window->m_pidOptions.antiWindup = AntiWindup::BackCalculation;
    window->m_sensorActuatorSettings = {5.0, 3, 0.5, 50.0, true};
    return window;
}

/// What `vorlint-cli sim --metrics` does: the initial update, then the window's setup and the gains.
StepResponseFigures windowRun(const CSimulation& window) {
    CSimulation simulation;
    simulation.InitialUpdate();
    SettingTarget target{simulation};
    for (const SettingRow& row : settingRows()) {
        if (row.isSetup())
            applySetting(target, row, row.read(window));
    }
    applyChanges(target, pidGainChanges(kGains));
    for (std::uint64_t step = 0; step < kSteps; ++step)
        simulation.Step();
    return simulation.m_stepResponse.Figures();
}

/// What a sweep's row with the window's setup gives.
StepResponseFigures sweepRow(const CSimulation& window) {
    return RunClosedLoop(SetupOf(window), kGains, window.m_dSetPoint, kSteps).figures;
}

bool sameBits(const StepResponseFigures& a, const StepResponseFigures& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

/// A value of `row` that acts: a simulated step of 0 ms would not.
SettingValue actingSample(const SettingRow& row, const SettingValue& initial) {
    if (row.kind == SettingKind::Count)
        return {initial.number == 0.0 ? 1.0 : initial.number - 1.0, {}};
    return SampleValue(row, initial);
}

/// The figures of every prediction, and the relay's cycle.
std::vector<double> predictions(const CSimulation& window) {
    TuningRequest request;
    const TuningResult result = RunTuning(SetupOf(window), request);
    std::vector<double> figures;
    if (result.cycle)
        figures = {result.cycle->ku, result.cycle->tu};
    for (const RulePrediction& rule : result.rules) {
        for (const StepResponseFigureField& field : kStepResponseFigureFields)
            figures.push_back(rule.response.figures.*field.value);
    }
    return figures;
}

TEST(HeadlessSetup, ASweepRowIsTheWindowsRunBitForBitWithEveryCourseOptionOn) {
    const auto window = windowWithEveryOptionActing();
    EXPECT_TRUE(sameBits(sweepRow(*window), windowRun(*window)));
}

// Each setup row, in turn away from the window's value, reaches the sweep and the window's run alike and
// changes them; but for two rows that act only when something changes in the run, which a run from rest
// to a set point never does: the bumpless switch on a switch to PID, the derivative's source on a
// set-point step after the first step (the first has no slope).
TEST(HeadlessSetup, EverySetupRowChangesTheSweepAndTheWindowsRunAlike) {
    const auto base = windowWithEveryOptionActing();
    const StepResponseFigures baseRow = sweepRow(*base);
    for (const SettingRow& row : settingRows()) {
        if (!row.isSetup())
            continue;
        const auto window = windowWithEveryOptionActing();
        SettingTarget target{*window};
        applySetting(target, row, actingSample(row, row.read(target)));
        const std::unique_ptr<CSimulation> copy = RestingSimulation(SetupOf(*window));
        const SettingValue copied = row.read(*copy);
        EXPECT_EQ(copied.number, row.read(*window).number) << row.option;
        EXPECT_EQ(copied.text, row.read(*window).text) << row.option;

        const StepResponseFigures figures = sweepRow(*window);
        EXPECT_TRUE(sameBits(figures, windowRun(*window))) << row.option;
        const bool acts = row.option != std::string("bumpless") && row.option != std::string("derivative-on");
        EXPECT_NE(sameBits(figures, baseRow), acts) << row.option;
    }
}

// The relay reads the plant's own point; the rules' predicted loops read the sensor and drive the actuator.
TEST(HeadlessSetup, EveryCourseOptionChangesTheTuningsPredictions) {
    CSimulation base;
    base.m_sensorActuatorSettings = windowWithEveryOptionActing()->m_sensorActuatorSettings;
    const std::vector<double> basePredictions = predictions(base);
    ASSERT_FALSE(basePredictions.empty());
    for (const char* option : {"noise", "noise-seed", "quantization", "rate-limit"}) {
        const SettingRow& row = *settingByOption(option);
        CSimulation window;
        window.m_sensorActuatorSettings = base.m_sensorActuatorSettings;
        SettingTarget target{window};
        applySetting(target, row, actingSample(row, row.read(target)));
        EXPECT_FALSE(sameBits(predictions(window), basePredictions)) << option;
    }
}

} // namespace

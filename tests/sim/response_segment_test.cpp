#include "DisturbanceMeter.h"
#include "ResponseSegment.h"
#include "SettingsTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

namespace {

// A disturbance pushes the point 10 off, the other way 10 off, then back to 0.3 and 0.1 off: the
// errors of steps of 0.1 s. The figures by hand (python3 adds in the same order): the first -10 at
// T = 0.2; the last |e| above 0.2 is the 0.3 at T = 0.5; IAE 3.04, ISE 30.01, ITAE 0.921.
TEST(DisturbanceMeterTest, FiguresOfAShortResponse) {
    const double errors[] = {0.0, -10.0, -10.0, 10.0, 50.0 - 50.3, 50.0 - 50.1};
    CDisturbanceMeter meter;
    EXPECT_TRUE(std::isnan(meter.Figures().iae));
    for (const double error : errors)
        meter.Add(error, 0.1);
    const DisturbanceFigures f = meter.Figures();
    EXPECT_EQ(f.peakDeviation, -10.0);
    EXPECT_EQ(f.peakDeviationTimeS, 0.2);
    EXPECT_EQ(f.recoveryTimeS, 0.5);
    EXPECT_EQ(f.iae, 3.04);
    EXPECT_EQ(f.ise, 30.01);
    EXPECT_EQ(f.itae, 0.921);

    CDisturbanceMeter stillOut;
    for (const double error : {0.0, -10.0, 10.0})
        stillOut.Add(error, 0.1);
    EXPECT_TRUE(std::isnan(stillOut.Figures().recoveryTimeS));
    CDisturbanceMeter untouched;
    untouched.Add(0.0, 0.1);
    untouched.Add(0.0, 0.1);
    EXPECT_EQ(untouched.Figures().peakDeviation, 0.0);
    EXPECT_EQ(untouched.Figures().recoveryTimeS, 0.0);
}

/// Runs the static plant 50 + t (steps of 0.1 s, manual power 0, set point 50) for `steps` steps with
/// `changes` before their steps, measuring `segment`.
ResponseFigures measure(ResponseSegment segment, std::uint64_t steps,
                        const std::multimap<std::uint64_t, SettingChange>& changes,
                        StepResponseFigures* live = nullptr) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    SettingTarget target{*simulation};
    const SettingChange setup[] = {
        formulaChange("50 + t"), setPointChange(50.0), {settingByOption("sim-step-ms"), {100.0, {}}}};
    for (const SettingChange& change : setup)
        applySetting(target, *change.row, change.value);
    std::vector<CResponseSegmentMeter> meters{CResponseSegmentMeter(segment)};
    for (std::uint64_t step = 1; step <= steps; ++step) {
        stepMeasured(
            *simulation, step,
            [&] {
                for (auto [it, end] = changes.equal_range(step); it != end; ++it)
                    applySetting(target, *it->second.row, it->second.value);
            },
            meters);
    }
    if (live != nullptr)
        *live = simulation->m_stepResponse.Figures();
    return meters.front().Figures();
}

SettingChange disturbance(double value) {
    return {settingByOption("disturbance"), {value, {}}};
}

// The segment's kind follows what its first step's changes move, and a set-point step's figures are
// the live meter's own when it began there.
TEST(ResponseSegmentMeterTest, KindAndFiguresFollowTheFirstStep) {
    const std::multimap<std::uint64_t, SettingChange> changes{
        {3, disturbance(10.0)},    {5, disturbance(-10.0)}, {6, disturbance(0.3)},     {7, disturbance(0.1)},
        {9, setPointChange(70.0)}, {11, disturbance(0.0)},  {11, setPointChange(80.0)}};
    const ResponseFigures load = measure({3, 8}, 12, changes);
    EXPECT_EQ(load.kind, ResponseKind::LoadDisturbance);
    EXPECT_EQ(figureNamed(load, "recovery_time_s"), 0.5);
    EXPECT_EQ(figureNamed(load, "itae"), 0.921);
    EXPECT_TRUE(std::isnan(figureNamed(load, "overshoot_pct")));

    StepResponseFigures live;
    const ResponseFigures setPoint = measure({11, 14}, 14, changes, &live);
    EXPECT_EQ(setPoint.kind, ResponseKind::SetPointStep);
    EXPECT_EQ(setPoint.step.responseStartStep, 11.0);
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        const double want = live.*field.value;
        EXPECT_TRUE(setPoint.step.*field.value == want ||
                    (std::isnan(want) && std::isnan(setPoint.step.*field.value)))
            << field.name;
    }
    EXPECT_TRUE(std::isnan(figureNamed(setPoint, "peak_deviation")));
    // Nothing changes before step 2: the step-response figures, from the point there.
    const ResponseFigures quiet = measure({2, 2}, 4, changes);
    EXPECT_EQ(quiet.kind, ResponseKind::SetPointStep);
    EXPECT_EQ(quiet.step.initialPoint, 50.0);
    EXPECT_EQ(quiet.step.responseStartStep, 2.0);
    EXPECT_TRUE(std::isnan(measure({13, 12}, 14, changes).step.iae)) << "an empty segment";
}

} // namespace

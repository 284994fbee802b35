#include "Random.h"
#include "TuningLab.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

/// K e^(-θs) / (τs + 1) with K = 0.5, τ = 4 s, θ = 1 s from the point 20; the formula draws a random
/// number at every step (and adds nothing with it).
SimulationSetup firstOrderWithDeadTimeDrawing() {
    CSimulation setup;
    setup.m_strFormula = "20+0.5*t+frand(0:0)";
    setup.m_nSimStepMs = 10;
    setup.m_dynamicsSettings.deadTimeS = 1.0;
    setup.m_dynamicsSettings.lagCount = 1;
    setup.m_dynamicsSettings.lagTauS = 4.0;
    return SetupOf(setup);
}

/// The figures of a window's simulation with `setup` after `steps` PID steps with `gains` from rest to
/// `setPoint`.
StepResponseFigures plainRun(const SimulationSetup& setup, const PidGains& gains, double setPoint,
                             std::uint64_t steps) {
    CSimulation sim;
    SettingTarget target{sim};
    for (const SettingChange& change : setup.settings)
        applySetting(target, *change.row, change.value);
    sim.InitialUpdate();
    sim.m_bPid = true;
    sim.m_dKp = gains.kp;
    sim.m_dKi = gains.ki;
    sim.m_dKd = gains.kd;
    sim.m_dSetPoint = setPoint;
    for (std::uint64_t step = 0; step < steps; ++step) {
        sim.Step();
    }
    return sim.m_stepResponse.Figures();
}

TEST(TuningLabTest, PredictsEveryApplicableRuleWithATraceAndLeavesTheCallersRandomSequence) {
    const FreshRandomScope fresh;
    EXPECT_EQ(rand15(), 41);
    TuningRequest request;
    request.method = TuningMethod::StepTest;
    request.setPoint = 40.0;
    const TuningResult result = RunTuning(firstOrderWithDeadTimeDrawing(), request);
    EXPECT_EQ(rand15(), 18467) << "the tuning drew from generators of its own";

    ASSERT_EQ(result.outcome, ExperimentOutcome::Finished);
    ASSERT_TRUE(result.model);
    EXPECT_NEAR(result.model->tau, 4.0, 0.1);
    // 20 (τ + θ), rounded up to whole steps of 10 ms.
    EXPECT_NEAR(result.predictionS, 20.0 * (result.model->tau + result.model->theta), 0.01);
    const auto steps = static_cast<std::uint64_t>(std::llround(result.predictionS / 0.01));
    ASSERT_EQ(result.rules.size(), 9u);
    for (const RulePrediction& rule : result.rules) {
        ASSERT_TRUE(rule.Applies()) << rule.name;
        const ResponseTrace& trace = rule.response.trace;
        ASSERT_LE(trace.points.size(), ResponseTrace::kMaxPoints);
        EXPECT_EQ(trace.points.front(), 20.0);
        EXPECT_EQ(trace.setPoint, 40.0);
        EXPECT_NEAR(trace.intervalS * static_cast<double>(trace.points.size() - 1), result.predictionS,
                    trace.intervalS);
        EXPECT_NEAR(trace.points.back(), 40.0, 0.5) << rule.name << " settles within the prediction";
        const StepResponseFigures plain = plainRun(firstOrderWithDeadTimeDrawing(), rule.gains, 40.0, steps);
        for (const StepResponseFigureField& field : kStepResponseFigureFields) {
            const double predicted = rule.response.figures.*field.value;
            const double run = plain.*field.value;
            EXPECT_TRUE(predicted == run || (std::isnan(predicted) && std::isnan(run)))
                << rule.name << " " << field.name << ": " << predicted << " " << run;
        }
    }
}

TEST(TuningLabTest, ReportsItsProgressAndStopsWhenCancelled) {
    double last = 0.0;
    bool rising = true;
    const TuningProgress cancelHalfWay = [&](double fraction) {
        rising = rising && fraction >= last;
        last = fraction;
        return fraction < 0.75;
    };
    TuningRequest request;
    request.method = TuningMethod::StepTest;
    const TuningResult result = RunTuning(firstOrderWithDeadTimeDrawing(), request, cancelHalfWay);
    EXPECT_EQ(result.outcome, ExperimentOutcome::Cancelled);
    EXPECT_TRUE(result.rules.empty());
    EXPECT_TRUE(rising);
    EXPECT_GE(last, 0.75);
    EXPECT_LT(last, 1.0);
}

TEST(TuningLabTest, SetPointIsTheWindowsOr1500) {
    EXPECT_EQ(TuningSetPoint(0.0), 1500.0);
    EXPECT_EQ(TuningSetPoint(-0.0), 1500.0);
    EXPECT_EQ(TuningSetPoint(700.0), 700.0);
}

TuningResult tuneByRelay(const char* formula, std::uint32_t simStepMs) {
    CSimulation setup;
    setup.m_strFormula = formula;
    setup.m_nSimStepMs = simStepMs;
    return RunTuning(SetupOf(setup), TuningRequest{});
}

// A point that climbs to its limit whatever the power settles as well after the step as without it, and
// noise crosses the set point without repeating itself: neither is a model of the plant.
TEST(TuningLabTest, FindsNoModelOfAPlantThatIgnoresThePower) {
    CSimulation climbingPlant;
    climbingPlant.m_strFormula = "p+1";
    const SimulationSetup climbing = SetupOf(climbingPlant);
    TuningRequest stepTest;
    stepTest.method = TuningMethod::StepTest;
    for (const TuningResult& result : {RunTuning(climbing, stepTest), tuneByRelay("frand(0:3000)", 100)}) {
        EXPECT_EQ(result.outcome, ExperimentOutcome::NoResult);
        EXPECT_TRUE(result.IdentifiedValues().empty());
        EXPECT_TRUE(result.rules.empty());
    }
}

// The default first-order plant oscillates in a relay only through its sampling: a Tu of 0.297 s is under
// 10 steps of 0.1 s.
TEST(TuningLabTest, SaysWhenTheUltimatePeriodIsShorterThanTenSteps) {
    const TuningResult sampled = tuneByRelay(CSimulation::kDefaultFormula, 100);
    ASSERT_TRUE(sampled.cycle);
    EXPECT_NEAR(sampled.cycle->tu, 0.297, 0.001);
    EXPECT_TRUE(sampled.samplingLimited);
    EXPECT_EQ(sampled.rules.size(), 7u) << "the result is kept";
}

} // namespace

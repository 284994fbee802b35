#include "ExperimentRunner.h"
#include "GainGrid.h"
#include "PidLaw.h"
#include "PlantDynamics.h"
#include "RelayExperiment.h"
#include "StepResponseMeter.h"
#include "StepTestExperiment.h"
#include "TuningRules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRest = 20.0;
constexpr double kInf = std::numeric_limits<double>::infinity();

/// A rule's Kc, Ti and Td, worked out apart from the code (in exact fractions) from the published formula.
struct PublishedGains {
    const char* name;
    double kc, ti, td;
};

template <std::size_t N>
void expectPublishedGains(const std::array<TuningRule, N>& rules, const PublishedGains (&published)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const PublishedGains& p = published[i];
        EXPECT_STREQ(rules[i].name, p.name);
        EXPECT_DOUBLE_EQ(rules[i].gains.kc, p.kc) << p.name;
        EXPECT_DOUBLE_EQ(rules[i].gains.ti, p.ti) << p.name;
        EXPECT_DOUBLE_EQ(rules[i].gains.td, p.td) << p.name;
    }
}

// Ziegler-Nichols, the "some" and "no overshoot" variants, Tyreus-Luyben on Ku = 2.5, Tu = 4.
TEST(TuningRulesTest, UltimateCycleRulesGiveThePublishedGains) {
    expectPublishedGains(ultimateCycleRules({2.5, 4.0}),
                         {{"Ziegler-Nichols P", 1.25, kInf, 0.0},
                          {"Ziegler-Nichols PI", 1.125, 3.3333333333333335, 0.0},
                          {"Ziegler-Nichols PID", 1.5, 2.0, 0.5},
                          {"Ziegler-Nichols some overshoot", 0.8333333333333334, 2.0, 1.3333333333333333},
                          {"Ziegler-Nichols no overshoot", 0.5, 2.0, 1.3333333333333333},
                          {"Tyreus-Luyben PI", 0.78125, 8.8, 0.0},
                          {"Tyreus-Luyben PID", 1.1363636363636365, 8.8, 0.6349206349206349}});
}

// K = 0.5, τ = 4 s, θ = 1 s (θ/τ = 0.25); IMC with λ = 0.8 θ, SIMC with τc = θ.
TEST(TuningRulesTest, ProcessModelRulesGiveThePublishedGains) {
    expectPublishedGains(processModelRules({0.5, 4.0, 1.0}),
                         {{"Ziegler-Nichols open-loop PI", 7.2, 3.3333333333333335, 0.0},
                          {"Ziegler-Nichols open-loop PID", 9.6, 2.0, 0.5},
                          {"Cohen-Coon PI", 7.366666666666666, 2.1964285714285716, 0.0},
                          {"Cohen-Coon PID", 11.166666666666666, 2.2333333333333334, 0.34782608695652173},
                          {"SIMC PI", 4.0, 4.0, 0.0},
                          {"IMC PID", 6.923076923076923, 4.5, 0.4444444444444444},
                          {"AMIGO PI", 1.82, 0.35 + 208.0 / 71.0, 0.0},
                          {"AMIGO PID", 4.0, 1.8 / 0.7, 2.0 / 4.3},
                          {"Lambda PI", 1.6, 4.0, 0.0}});
    // K = 2, τ = 1, θ = 2: AMIGO PI K·Kc = 0.15 + (0.35 − 2/9) / 2, Ti = 0.7 + 26 / 53; AMIGO PID
    // K·Kc = 0.425, Ti = 3.2 / 2.1, Td = 1 / 1.6; Lambda Kc = 1 / 6.
    const auto slow = processModelRules({2.0, 1.0, 2.0});
    EXPECT_DOUBLE_EQ(slow[6].gains.kc, 0.10694444444444444);
    EXPECT_DOUBLE_EQ(slow[6].gains.ti, 1.1905660377358491);
    EXPECT_DOUBLE_EQ(slow[7].gains.kc, 0.2125);
    EXPECT_DOUBLE_EQ(slow[7].gains.ti, 3.2 / 2.1);
    EXPECT_DOUBLE_EQ(slow[7].gains.td, 0.625);
    EXPECT_DOUBLE_EQ(slow[8].gains.kc, 1.0 / 6.0);
    EXPECT_EQ(slow[8].gains.ti, 1.0);
    // Without dead time SIMC and IMC take τc = λ = τ / 10; the others do not apply.
    const auto noDeadTime = processModelRules({0.5, 4.0, 0.0});
    EXPECT_TRUE(std::isnan(noDeadTime[3].gains.kc));
    EXPECT_DOUBLE_EQ(noDeadTime[4].gains.kc, 20.0);
    EXPECT_DOUBLE_EQ(noDeadTime[4].gains.ti, 1.6);
    EXPECT_DOUBLE_EQ(noDeadTime[5].gains.kc, 20.0);
    EXPECT_TRUE(std::isnan(noDeadTime[6].gains.kc) && std::isnan(noDeadTime[7].gains.td));
    EXPECT_EQ(noDeadTime[8].gains.kc, 2.0) << "Lambda needs no dead time";
}

TEST(TuningRulesTest, ProgramGainsDivideTheIntegralByTiOverKc) {
    const PidGains pid = toProgramGains({1.5, 2.0, 0.5});
    EXPECT_EQ(pid.kp, 1.5);
    EXPECT_DOUBLE_EQ(pid.ki, 4.0 / 3.0);
    EXPECT_EQ(pid.kd, 0.75);
    EXPECT_EQ(toProgramGains({1.25, kInf, 0.0}).ki, 0.0) << "no integral action";
}

/// K e^(-θs) / (τs + 1)^lags, resting at the point 20 with power 0; the lags are exact at the samples for a
/// power held over each step.
AdvancePlant lagPlant(const ProcessModel& m, int lags, double dt) {
    PlantDynamicsSettings settings;
    settings.lagTauS = m.tau;
    settings.deadTimeS = m.theta;
    settings.lagCount = lags;
    return [=, dynamics = CPlantDynamics()](double power) mutable {
        return PlantStep{kRest + m.k * dynamics.Apply(settings, power, dt), dt};
    };
}

class FopdtTest : public ::testing::TestWithParam<ProcessModel> {};

TEST_P(FopdtTest, StepTestRecoversTheModel) {
    const ProcessModel& p = GetParam();
    CStepTestExperiment experiment(50.0, kRest);
    ASSERT_EQ(runExperiment(experiment, lagPlant(p, 1, 0.01)), ExperimentOutcome::Finished);
    const ProcessModel model = *experiment.Result();
    EXPECT_NEAR(model.k, p.k, 0.01 * p.k);
    EXPECT_NEAR(model.tau, p.tau, 0.03 * p.tau);
    EXPECT_NEAR(model.theta, p.theta, 0.03 * p.tau);
}

/// The closed loop with `gains` from rest to the set point, as the simulation's step runs it.
StepResponseFigures closedLoop(const ProcessModel& p, const PidGains& gains, double setPoint) {
    const double dt = 0.01;
    const AdvancePlant plant = lagPlant(p, 1, dt);
    CPidLaw law;
    CStepResponseMeter meter;
    double integral = 0.0;
    double point = kRest;
    Sample previous;
    for (int step = 0; step < 20.0 * (p.tau + p.theta) / dt; ++step) {
        const PidInput in{setPoint, point, setPoint - point, step > 0, previous.error, dt};
        const PidOutput out = law.Step(in, gains, {}, integral);
        law.RememberPoint(point);
        const Sample sample{setPoint, plant(out.power).point, out.power, 0.0, 0.0, 0.0, in.error};
        meter.Add(sample, point, dt);
        point = sample.point;
        previous = sample;
    }
    return meter.Figures();
}

TEST_P(FopdtTest, SimcAndImcRulesSettleWithModestOvershoot) {
    const ProcessModel& p = GetParam();
    for (const TuningRule& rule : processModelRules(p)) {
        const std::string name = rule.name;
        if (name == "SIMC PI" || name == "IMC PID") {
            const StepResponseFigures f = closedLoop(p, toProgramGains(rule.gains), 1000.0);
            EXPECT_LT(f.overshootPct, 20.0) << name;
            EXPECT_LT(f.settlingTimeS, 10.0 * (p.tau + p.theta)) << name;
            EXPECT_NEAR(f.steadyStateError, 0.0, 1e-3) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plants, FopdtTest,
                         ::testing::Values(ProcessModel{40.0, 2.0, 0.0}, ProcessModel{40.0, 2.0, 0.4},
                                           ProcessModel{25.0, 1.0, 1.0}, ProcessModel{20.0, 1.0, 2.0}));

// (τs + 1)^-3 crosses -180° at ωτ = √3 with gain K / 8: Ku = 8 / K, Tu = 2πτ / √3.
TEST(RelayExperimentTest, FindsTheUltimateGainAndPeriodOfAThirdOrderLag) {
    const double k = 29.6; // the relay's bias of 50 holds the point at the set point 1500
    const double tau = 1.5;
    CRelayExperiment experiment(RelaySettings{}, kRest);
    ASSERT_EQ(runExperiment(experiment, lagPlant({k, tau, 0.0}, 3, 0.005)), ExperimentOutcome::Finished);
    const UltimateCycle cycle = *experiment.Result();
    EXPECT_NEAR(cycle.ku, 8.0 / k, 0.05 * 8.0 / k);
    EXPECT_NEAR(cycle.tu, 2.0 * kPi * tau / std::sqrt(3.0), 0.03 * 2.0 * kPi * tau / std::sqrt(3.0));
}

// Set point 10, h = 5, from 0, one-second steps: cycles of four samples (X, 30, 6, 4) whose upward crossing
// from 4 to X falls (10 - 4) / (X - 4) into its step. The measured crossings, the third to the seventh, fall
// at 9 + 2/3, 13 + 1/2, 17 + 1/3, 21 + 1/2 and 25 + 1/4 s: Tu = (25.25 - 9 - 2/3) / 4 = 187/48 s, and every
// cycle spans 4 to 30, a = 13.
TEST(RelayExperimentTest, InterpolatesTheCrossingsWithinTheirSteps) {
    RelaySettings settings;
    settings.setPoint = 10.0;
    settings.amplitude = 5.0;
    CRelayExperiment relay(settings, 0.0);
    relay.AddStep(4.0, 1.0);
    for (const double x : {16.0, 16.0, 13.0, 16.0, 22.0, 16.0}) {
        for (const double point : {x, 30.0, 6.0, 4.0})
            relay.AddStep(point, 1.0);
    }
    relay.AddStep(28.0, 1.0);
    ASSERT_TRUE(relay.Finished());
    ASSERT_TRUE(relay.Result());
    EXPECT_DOUBLE_EQ(relay.Result()->tu, 187.0 / 48.0);
    EXPECT_DOUBLE_EQ(relay.Result()->ku, 20.0 / (13.0 * kPi));
}

TEST(GainRangeTest, LandsOnTheRoundValuesTyped) {
    const GainRange range{0.1, 0.5, 5};
    const double typed[] = {0.1, 0.2, 0.3, 0.4, 0.5};
    for (std::uint64_t i = 0; i < 5; ++i) {
        EXPECT_EQ(range.ValueAt(i), typed[i]) << i;
    }
}

TEST(ExperimentRunnerTest, GivesUpOnAPlantThatNeverAnswers) {
    const AdvancePlant stuck = [](double) { return PlantStep{kRest, 0.1}; };
    CRelayExperiment relay(RelaySettings{}, kRest);
    EXPECT_EQ(runExperiment(relay, stuck), ExperimentOutcome::NoResult);
    EXPECT_FALSE(relay.Result());
    CStepTestExperiment stepTest(50.0, kRest);
    EXPECT_EQ(runExperiment(stepTest, stuck), ExperimentOutcome::NoResult);
    EXPECT_FALSE(stepTest.Result());
}

// A plant of 2 ms a step: the old question every 1024 steps came every 2 s.
TEST(ExperimentRunnerTest, AsksWhetherToGoOnByTheClockAndStopsWhenTold) {
    using Clock = std::chrono::steady_clock;
    const AdvancePlant slow = [](double) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return PlantStep{kRest, 0.1};
    };
    std::vector<std::uint64_t> steps;
    std::vector<Clock::time_point> times;
    const KeepGoing fourTimes = [&](std::uint64_t done) {
        steps.push_back(done);
        times.push_back(Clock::now());
        return steps.size() < 4;
    };
    CStepTestExperiment experiment(50.0, kRest);
    EXPECT_EQ(runExperiment(experiment, slow, fourTimes), ExperimentOutcome::Cancelled);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps.front(), 0u) << "asked before the first step";
    for (std::size_t i = 1; i < steps.size(); ++i) {
        EXPECT_GE(times[i] - times[i - 1], kKeepGoingPeriod);
        EXPECT_LT(times[i] - times[i - 1], std::chrono::milliseconds(100)); // a loaded machine's margin
    }

    int questions = 0;
    const KeepGoing counting = [&](std::uint64_t) { return ++questions > 0; };
    const AdvancePlant stuck = [](double) { return PlantStep{kRest, 0.1}; };
    CRelayExperiment relay(RelaySettings{}, kRest);
    EXPECT_EQ(runExperiment(relay, stuck, counting), ExperimentOutcome::NoResult);
    EXPECT_LT(questions, 1000) << "not at every one of the 200000 steps";
}

/// The points of a relay experiment from a script: the point starts at 1500 - 100 and each cycle is an
/// upward crossing to 1500 + 100, `length - 2` points at 1500 - `low`, then 1500 - 100. Every crossing is
/// then half a step after its step starts, so the cycles last `length` steps of 1 s; a cycle's half
/// peak-to-peak range is (100 + low) / 2. The last cycle gives the crossing that ends the fourth measured
/// one.
std::optional<UltimateCycle> scriptedRelay(const std::vector<std::pair<int, double>>& cycles) {
    std::vector<double> points;
    for (const auto& [length, low] : cycles) {
        points.push_back(1600.0);
        points.insert(points.end(), static_cast<std::size_t>(length - 2), 1500.0 - low);
        points.push_back(1400.0);
    }
    std::size_t next = 0;
    const AdvancePlant script = [&](double) { return PlantStep{points.at(next++), 1.0}; };
    CRelayExperiment relay(RelaySettings{}, 1400.0);
    EXPECT_EQ(runExperiment(relay, script), ExperimentOutcome::Finished);
    return relay.Result();
}

TEST(RelayExperimentTest, GivesNoResultWhenTheMeasuredCyclesSpreadByMoreThanAFifthOfTheirMean) {
    // Two cycles of transient, four measured, one to end them.
    const auto cycles = [](int fourthLength, double fourthLow) {
        return std::vector<std::pair<int, double>>{{3, 100.0},  {30, 300.0}, {10, 100.0},
                                                   {10, 100.0}, {10, 100.0}, {fourthLength, fourthLow},
                                                   {3, 100.0}};
    };
    // Lengths 10, 10, 10, 12: mean 10.5, max - min 2 <= 2.1. Halves 100, 100, 100, 120: mean 105, 20 <= 21.
    const std::optional<UltimateCycle> repeating = scriptedRelay(cycles(12, 140.0));
    ASSERT_TRUE(repeating);
    EXPECT_EQ(repeating->tu, 10.5);
    EXPECT_DOUBLE_EQ(repeating->ku, 4.0 * 50.0 / (kPi * 120.0)); // a = (1600 - 1360) / 2
    // Lengths 10, 10, 10, 13: mean 10.75, 3 > 2.15.
    EXPECT_FALSE(scriptedRelay(cycles(13, 100.0)));
    // Halves 100, 100, 100, 130: mean 107.5, 30 > 21.5.
    EXPECT_FALSE(scriptedRelay(cycles(10, 160.0)));
}

TEST(StepTestExperimentTest, RespondsToPowerWhenTheHeldRunEndsAMillionthOfTheChangeAway) {
    CStepTestExperiment experiment(50.0, kRest);
    const AdvancePlant jump = [](double) { return PlantStep{kRest + 1000.0, 0.1}; };
    ASSERT_EQ(runExperiment(experiment, jump), ExperimentOutcome::Finished);
    EXPECT_EQ(experiment.Steps(), 101u) << "the jump, then 100 quiet steps";
    EXPECT_TRUE(experiment.RespondsToPower(kRest));
    EXPECT_TRUE(experiment.RespondsToPower(kRest + 1000.0 - 0.0011));
    EXPECT_FALSE(experiment.RespondsToPower(kRest + 1000.0 - 0.0009));
    EXPECT_FALSE(experiment.RespondsToPower(kRest + 1000.0));
}

} // namespace

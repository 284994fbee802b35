#include "StepResponseMeter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double kNaN = StepResponseFigures::kUndefined;
constexpr double kPi = 3.14159265358979323846;

/// Feeds one step: the set point in force, the point after the step and the power; `point` is the point
/// before it. The sample's error is that of a noisy measurement, 7 off: the figures take the true one.
void feed(CStepResponseMeter& meter, double& point, double setPoint, double next, double dt,
          double power = 50.0) {
    meter.Add(Sample{setPoint, next, power, 0.0, 0.0, 0.0, setPoint - point + 7.0}, point, dt);
    point = next;
}

/// `steps` steps of a response y(T) to the set point r from the point 20, sampled every dt seconds.
StepResponseFigures sampledResponse(double r, double dt, int steps, const std::function<double(double)>& y) {
    CStepResponseMeter meter;
    double point = 20.0;
    for (int k = 1; k <= steps; ++k) {
        feed(meter, point, r, y(k * dt), dt);
    }
    return meter.Figures();
}

// A first-order plant: y = y0 + Δ (1 - e^(-t/τ)), whatever the direction of the step.
TEST(StepResponseMeterTest, FirstOrderResponseHasItsClosedFormFigures) {
    const double tau = 2.0;
    const double dt = 0.001;
    for (const double r : {1020.0, -480.0}) {
        const double delta = r - 20.0;
        const StepResponseFigures f = sampledResponse(
            r, dt, 30000, [&](double t) { return 20.0 + delta * (1.0 - std::exp(-t / tau)); });
        EXPECT_NEAR(f.riseTimeS, tau * std::log(9.0), dt) << r;
        EXPECT_NEAR(f.settlingTimeS, tau * std::log(50.0), dt) << r;
        EXPECT_EQ(f.overshootPct, 0.0) << r;
        EXPECT_NEAR(f.peakTimeS, 30.0, dt) << r; // still creeping up at the end: the newest sample
        EXPECT_NEAR(f.iae, std::fabs(delta) * tau, 1e-3 * std::fabs(delta) * tau) << r;
        EXPECT_NEAR(f.ise, delta * delta * tau / 2.0, 1e-3 * delta * delta * tau) << r;
        EXPECT_NEAR(f.itae, std::fabs(delta) * tau * tau, 1e-3 * std::fabs(delta) * tau * tau) << r;
    }
}

// An underdamped second-order closed loop: overshoot e^(-ζπ/√(1-ζ²)) at t = π/ωd.
TEST(StepResponseMeterTest, SecondOrderOvershootMatchesTheDampingRatio) {
    const double dt = 0.001;
    for (const double zeta : {0.2, 0.5, 0.7}) {
        const double root = std::sqrt(1.0 - zeta * zeta);
        const StepResponseFigures f = sampledResponse(120.0, dt, 30000, [&](double t) {
            return 20.0 + 100.0 * (1.0 - std::exp(-zeta * t) *
                                             (std::cos(root * t) + zeta / root * std::sin(root * t)));
        });
        EXPECT_NEAR(f.overshootPct, 100.0 * std::exp(-zeta * kPi / root), 1e-3) << zeta;
        EXPECT_NEAR(f.peakTimeS, kPi / root, dt) << zeta;
        EXPECT_NEAR(f.peak, 120.0 + f.overshootPct, 1e-9) << zeta;
    }
}

struct History {
    const char* name;
    std::vector<std::vector<double>> steps; // set point, the point after and the power, one step each
    StepResponseFigures expected;
};

class StepResponseHistoryTest : public ::testing::TestWithParam<History> {};

// Hand-made histories, one second a step, starting from the point 20.
TEST_P(StepResponseHistoryTest, GivesTheDefinedFigures) {
    CStepResponseMeter meter;
    double point = 20.0;
    for (const std::vector<double>& step : GetParam().steps) {
        feed(meter, point, step[0], step[1], 1.0, step[2]);
    }
    const StepResponseFigures f = meter.Figures();
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        const double want = GetParam().expected.*field.value;
        const double got = f.*field.value;
        if (std::isnan(want)) {
            EXPECT_TRUE(std::isnan(got)) << field.name << " = " << got;
        } else {
            EXPECT_NEAR(got, want, 1e-9) << field.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, StepResponseHistoryTest,
    ::testing::Values(
        // start, y0, r, rise, overshoot, peak, peak time, settling, error, IAE, ISE, ITAE, saturated
        History{"NoStep",
                {{20, 20, 50}, {20, 22, 0}, {20, 20, 50}},
                {1, 20, 20, kNaN, kNaN, kNaN, kNaN, kNaN, -2, 2, 4, 6, 1}},
        History{"OvershootThenSettles",
                {{120, 30, 100},
                 {120, 70, 100},
                 {120, 110, 100},
                 {120, 125, 0},
                 {120, 119, 40},
                 {120, 120, 41},
                 {120, 120, 41}},
                {1, 20, 120, 2, 5, 125, 4, 4, 0, 256, 20726, 501, 4}},
        History{"InsideTheBandFromTheStart",
                {{21, 21, 50}, {21, 21, 50}},
                {1, 20, 21, 0, 0, 21, 1, 0, 0, 1, 1, 1, 0}},
        History{"StepDownNeverSettling",
                {{500, 500, 50},
                 {500, 500, 50},
                 {300, 450, 0},
                 {300, 350, 0},
                 {300, 250, 99.999},
                 {300, 350, 0},
                 {300, 250, 50}},
                {3, 500, 300, 2, 25, 250, 3, kNaN, -50, 500, 70000, 1100, 3}},
        History{"SetPointChangeMidResponse",
                {{120, 50, 100}, {120, 80, 100}, {220, 150, 100}, {220, 220, 50}},
                {3, 80, 220, 1, 0, 220, 2, 1, 70, 210, 24500, 280, 1}}),
    [](const ::testing::TestParamInfo<History>& info) { return info.param.name; });

TEST(StepResponseMeterTest, ASetPointChangeWithinTenStepsOfTheLastIsARampNotAStep) {
    CStepResponseMeter meter;
    double point = 20.0;
    feed(meter, point, 1200.0, 20.0, 0.1);
    for (int k = 2; k <= 5; ++k)
        feed(meter, point, 1200.0, 20.0, 0.1);
    feed(meter, point, 1300.0, 20.0, 0.1); // step 6: the first change of the run
    EXPECT_FALSE(meter.StillChanging()) << "the run's start is no change";
    for (int k = 7; k <= 16; ++k)
        feed(meter, point, 1300.0, 20.0, 0.1);
    feed(meter, point, 1400.0, 20.0, 0.1); // step 17: 11 steps after the last change
    EXPECT_FALSE(meter.StillChanging());
    for (int k = 0; k < 16; ++k) // a hand's drag: a change at every step
        feed(meter, point, 1401.0 + k, 20.0, 0.1);
    EXPECT_TRUE(meter.StillChanging());
    for (int k = 1; k <= 9; ++k)
        feed(meter, point, 1416.0, 20.0, 0.1);
    feed(meter, point, 2200.0, 20.0, 0.1); // 10 steps after the drag's last change
    EXPECT_TRUE(meter.StillChanging());
}

// A change made with the trackbar held down makes a ramp however far from the last; the next change
// made without it is a step again.
TEST(StepResponseMeterTest, AChangeMadeWithTheTrackbarHeldIsARampHoweverFarApart) {
    CStepResponseMeter meter;
    double point = 20.0;
    for (int k = 1; k <= 30; ++k)
        feed(meter, point, 1200.0, 20.0, 0.1);
    meter.Add(Sample{1300.0, 20.0, 50.0, 0.0, 0.0, 0.0, 0.0}, point, 0.1, true); // step 31, held
    EXPECT_TRUE(meter.StillChanging());
    EXPECT_TRUE(meter.BeganWithNewestStep());
    feed(meter, point, 1300.0, 20.0, 0.1);
    EXPECT_TRUE(meter.StillChanging()) << "the response stays the hand's";
    EXPECT_FALSE(meter.BeganWithNewestStep());
    for (int k = 33; k <= 60; ++k)
        feed(meter, point, 1300.0, 20.0, 0.1);
    feed(meter, point, 1400.0, 20.0, 0.1); // step 61: 30 steps after, typed
    EXPECT_FALSE(meter.StillChanging());
}

} // namespace

#include "PidLaw.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct DefaultLawCase {
    const char* what;
    PidInput in;
    PidGains gains;
    double integralBefore;
    PidOutput expected;
    double integralAfter;
};

class PidLawDefaultsTest : public ::testing::TestWithParam<DefaultLawCase> {};

TEST_P(PidLawDefaultsTest, GiveThePlainControllersTerms) {
    const DefaultLawCase& c = GetParam();
    CPidLaw law;
    double integral = c.integralBefore;
    const PidOutput out = law.Step(c.in, c.gains, {}, integral);
    EXPECT_EQ(out.power, c.expected.power) << c.what;
    EXPECT_EQ(out.proportional, c.expected.proportional) << c.what;
    EXPECT_EQ(out.integral, c.expected.integral) << c.what;
    EXPECT_EQ(out.derivative, c.expected.derivative) << c.what;
    EXPECT_EQ(integral, c.integralAfter) << c.what;
}

// Steps of 0.25 s keep every figure exact. From an integral of 10, errors 80 then 70 add the trapezoid
// (80 + 70) * 0.25 / 2 = 18.75, and the slope is (80 - 70) / 0.25 = 40 (the error falling).
INSTANTIATE_TEST_SUITE_P(Rows, PidLawDefaultsTest,
                         ::testing::Values(DefaultLawCase{"I = 28.75 / 2, D = -(40 * 0.125), P = 70 * 0.5",
                                                          {100, 30, 70, true, 80, 0.25},
                                                          {0.5, 2.0, 0.125},
                                                          10.0,
                                                          {44.375, 35.0, 14.375, -5.0},
                                                          28.75},
                                           DefaultLawCase{"Ki 0 leaves the integral out but keeps it",
                                                          {100, 30, 70, true, 80, 0.25},
                                                          {0.5, 0.0, 0.0},
                                                          10.0,
                                                          {35.0, 35.0, 0.0, 0.0},
                                                          28.75},
                                           DefaultLawCase{"no previous error: no increment, no slope",
                                                          {100, 30, 70, false, 80, 0.25},
                                                          {0.5, 2.0, 0.125},
                                                          10.0,
                                                          {40.0, 35.0, 5.0, 0.0},
                                                          10.0},
                                           DefaultLawCase{"a zero step adds nothing and has no slope",
                                                          {100, 30, 70, true, 80, 0.0},
                                                          {0.5, 2.0, 0.125},
                                                          10.0,
                                                          {40.0, 35.0, 5.0, 0.0},
                                                          10.0},
                                           DefaultLawCase{"clamped to 100",
                                                          {100, 30, 70, true, 80, 0.25},
                                                          {2.0, 0.0, 0.0},
                                                          0.0,
                                                          {100.0, 140.0, 0.0, 0.0},
                                                          18.75},
                                           DefaultLawCase{"clamped to 0",
                                                          {0, 50, -50, true, -50, 0.25},
                                                          {1.0, 0.0, 0.0},
                                                          0.0,
                                                          {0.0, -50.0, 0.0, 0.0},
                                                          -12.5},
                                           DefaultLawCase{"inf - inf is not a number: 0",
                                                          {100, 30, 70, true, 80, 0.25},
                                                          {kInf, 0.0, kInf},
                                                          0.0,
                                                          {0.0, kInf, 0.0, -kInf},
                                                          18.75}));

/// One step from an integral of 0, the previous error being `previousError`.
PidOutput stepOnce(CPidLaw& law, const PidOptions& options, PidGains gains, double setPoint, double point,
                   double previousError, double& integral) {
    const PidInput in{setPoint, point, setPoint - point, true, previousError, 0.1};
    return law.Step(in, gains, options, integral);
}

TEST(PidLawTest, OptionsShapeTheirTerms) {
    CPidLaw law;
    PidOptions options;
    double integral = 0.0;
    options.setPointWeight = 0.5;
    EXPECT_EQ(stepOnce(law, options, {2.0, 0.0, 0.0}, 100.0, 20.0, 80.0, integral).proportional, 60.0);

    options.derivativeOnMeasurement = true;
    EXPECT_EQ(stepOnce(law, options, {0.0, 0.0, 1.0}, 50.0, 20.0, 0.0, integral).derivative, 0.0)
        << "no point before the first step";
    law.RememberPoint(20.0);
    // The set point jumps from 50 to 500 while the point rose by 10: only the point's slope counts.
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 1.0}, 500.0, 30.0, 30.0, integral).derivative, -100.0);

    // The slope (prev - e) / dt = -100 with Kd 0.1 gives a raw term of 10, filtered with dt / (Tf + dt) =
    // 0.25 (not Tf / (Tf + dt) = 0.75).
    options = PidOptions{};
    options.derivativeFilterS = 0.3;
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 0.1}, 40.0, 20.0, 10.0, integral).derivative, 2.5);
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 0.1}, 40.0, 20.0, 10.0, integral).derivative, 4.375);
    law.Clear();
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 0.1}, 40.0, 20.0, 10.0, integral).derivative, 2.5);
}

struct WindupCase {
    AntiWindup antiWindup;
    double kp;
    double ki;
    double setPoint; // error = setPoint - 20, previous error the same
    double expectedIntegral;
    double expectedPower;
    double trackingTimeS = 0.5;
};

class PidAntiWindupTest : public ::testing::TestWithParam<WindupCase> {};

TEST_P(PidAntiWindupTest, KeepsTheIntegralFromWindingUp) {
    const WindupCase& c = GetParam();
    CPidLaw law;
    PidOptions options;
    options.antiWindup = c.antiWindup;
    options.trackingTimeS = c.trackingTimeS;
    double integral = 1.0;
    const double error = c.setPoint - 20.0;
    const PidOutput out = stepOnce(law, options, {c.kp, c.ki, 0.0}, c.setPoint, 20.0, error, integral);
    EXPECT_DOUBLE_EQ(integral, c.expectedIntegral);
    EXPECT_EQ(out.power, c.expectedPower);
}

// Errors of ±100 add ±10 to an integral of 1 (dt 0.1) unless held back.
INSTANTIATE_TEST_SUITE_P(
    Modes, PidAntiWindupTest,
    ::testing::Values(WindupCase{AntiWindup::None, 2.0, 1.0, 120.0, 11.0, 100.0},
                      WindupCase{AntiWindup::Conditional, 2.0, 1.0, 120.0, 1.0, 100.0},   // above, rising
                      WindupCase{AntiWindup::Conditional, 2.0, -1.0, 120.0, 11.0, 100.0}, // term falls
                      WindupCase{AntiWindup::Conditional, 0.5, 1.0, -80.0, 1.0, 0.0},     // below, falling
                      WindupCase{AntiWindup::Conditional, 0.1, 1.0, 120.0, 11.0, 21.0},   // inside the range
                      // u - uRaw = 100 - 211 = -111: the integral loses 111 (1 - e^(-0.1 / 0.5))
                      WindupCase{AntiWindup::BackCalculation, 2.0, 1.0, 120.0, -9.120886408344017, 100.0},
                      // e^(-dt / Tt) is 0: the integral term comes back by the whole excess, onto the clamp
                      WindupCase{AntiWindup::BackCalculation, 2.0, 1.0, 120.0, 11.0 - 111.0, 100.0, 1e-300},
                      WindupCase{AntiWindup::BackCalculation, 2.0, 0.0, 120.0, 11.0, 100.0})); // no Ki

// The loop whose integral diverged when it was pulled back by dt / Tt of the excess (ten times it here):
// Kp 0.1, Ki 20, 0.5 s of dead time and two lags of 1 s, the set point 2500 and then 500 from step 601.
TEST(PidLawTest, BackCalculationStaysFiniteWhateverTheTrackingTimeAndFollowsTheSetPointDown) {
    for (const double trackingTimeS : {1e-300, 0.01, 1.0, 1e300}) {
        CSimulation sim;
        sim.m_dynamicsSettings.deadTimeS = 0.5;
        sim.m_dynamicsSettings.lagCount = 2;
        sim.m_dynamicsSettings.lagTauS = 1.0;
        sim.m_pidOptions.antiWindup = AntiWindup::BackCalculation;
        sim.m_pidOptions.trackingTimeS = trackingTimeS;
        sim.InitialUpdate();
        sim.SetPid(true);
        sim.m_dKp = 0.1;
        sim.SetKi(20.0);
        sim.m_dSetPoint = 2500.0;
        double lowestAfterTheDrop = sim.m_dPoint;
        for (int step = 1; step <= 1200; ++step) {
            sim.m_dSetPoint = step <= 600 ? 2500.0 : 500.0;
            sim.Step();
            ASSERT_TRUE(std::isfinite(sim.m_dIntegral)) << trackingTimeS << " s, step " << step;
            lowestAfterTheDrop = step <= 600 ? sim.m_dPoint : std::min(lowestAfterTheDrop, sim.m_dPoint);
        }
        EXPECT_LT(lowestAfterTheDrop, 500.0) << trackingTimeS << " s: the point comes down from the clamp";
    }
}

} // namespace

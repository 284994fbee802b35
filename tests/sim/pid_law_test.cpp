#include "PidLaw.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

/// One of the panel changes a user can make between two steps, drawn at random.
void changeSomething(CSimulation& sim, std::mt19937_64& rng) {
    const double values[] = {0.0, 0.37, 1.0, 2.5, -0.8, 150.5, 1500.0, 1e300, kNaN, kInf};
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); };
    const double value = values[pick(static_cast<int>(std::size(values)))];
    double* const gains[] = {&sim.m_dKp, &sim.m_dKi, &sim.m_dKd};
    switch (pick(5)) {
    case 0:
        sim.m_bPid = pick(2) == 1;
        sim.m_bOnOff = pick(2) == 1;
        break;
    case 1:
        *gains[pick(3)] = value;
        break;
    case 2:
        sim.m_dSetPoint = value == 1.0 ? kNaN : std::uniform_real_distribution<double>(0.0, 3000.0)(rng);
        break;
    case 3:
        sim.m_nSimStepMs = static_cast<std::uint32_t>(pick(3) * 50); // 0, 50 or 100 ms
        break;
    default:
        sim.ResetIntegral();
        sim.m_dPower = value; // manual power
    }
}

// The law with every option at its default replays the simulation's own controller bit for bit, over long
// runs with mode switches, zero steps, Ki 0, and gains and set points that are not numbers.
TEST(PidLawTest, DefaultsComputeWhatTheStepComputesBitForBit) {
    std::mt19937_64 rng(20240611);
    for (int run = 0; run < 8; ++run) {
        CSimulation sim;
        sim.InitialUpdate();
        sim.m_bPid = true;
        CPidLaw law;
        double integral = 0.0;
        for (int step = 0; step < 2500; ++step) {
            if (std::uniform_int_distribution<int>(0, 9)(rng) == 0) {
                changeSomething(sim, rng);
                integral = sim.m_dIntegral; // the panels may have reset it
            }
            PidInput in{sim.m_dSetPoint,
                        sim.m_dPoint,
                        sim.m_dSetPoint - sim.m_dPoint,
                        !sim.m_history.empty(),
                        sim.m_history.empty() ? 0.0 : sim.m_history.newest().error,
                        sim.m_nSimStepMs * 0.001};
            const bool pid = sim.m_bPid;
            const PidOutput out =
                pid ? law.Step(in, {sim.m_dKp, sim.m_dKi, sim.m_dKd}, {}, integral) : PidOutput{};
            sim.Step();
            const Sample& s = sim.m_history.newest();
            for (const auto& [mine, its] : {std::pair{out.power, s.power},
                                            {out.proportional, s.proportional},
                                            {out.integral, s.integral},
                                            {out.derivative, s.derivative},
                                            {integral, sim.m_dIntegral}}) {
                ASSERT_TRUE(!pid || std::memcmp(&mine, &its, sizeof mine) == 0)
                    << run << ":" << step << ": " << mine << " " << its;
            }
        }
    }
}

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
    // 0.5.
    options = PidOptions{};
    options.derivativeFilterS = 0.1;
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 0.1}, 40.0, 20.0, 10.0, integral).derivative, 5.0);
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 0.1}, 40.0, 20.0, 10.0, integral).derivative, 7.5);
    law.Clear();
    EXPECT_DOUBLE_EQ(stepOnce(law, options, {0.0, 0.0, 0.1}, 40.0, 20.0, 10.0, integral).derivative, 5.0);
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

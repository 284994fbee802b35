#include "SimulationTestSupport.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using PidTest = SimulationTestBase<>;

TEST_F(PidTest, WorkedExampleFromAnEmptyHistory) {
    setPid(1.0, 0.0, 0.0, 100.0);
    sim.Step();

    const Sample& s = newest();
    EXPECT_EQ(s.setPoint, 100.0);
    EXPECT_EQ(s.power, 80.0);
    EXPECT_EQ(s.proportional, 80.0);
    EXPECT_EQ(s.integral, 0.0);
    EXPECT_EQ(s.derivative, 0.0);
    EXPECT_EQ(s.error, 80.0);
    EXPECT_EQ(s.point, 418.0);
    EXPECT_EQ(sim.m_dPoint, 418.0);
    EXPECT_EQ(sim.m_dPower, 80.0);
    EXPECT_EQ(sim.m_dLastP, 80.0);
    EXPECT_EQ(sim.m_dIntegral, 0.0) << "an empty history adds no integral";
}

// The output is clamped to [0, 100]; the error is set point minus 20 with Kp = 1.
struct OutputCase {
    double setPoint;
    double kp;
    double kd;
    double expectedPower;
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << "set point " << c.setPoint << ", Kp " << c.kp << ", Kd " << c.kd << " -> " << c.expectedPower;
}

class PidOutputTest : public SimulationTestBase<::testing::TestWithParam<OutputCase>> {};

TEST_P(PidOutputTest, ClampsTheOutputToThePowerRange) {
    const OutputCase& c = GetParam();
    sim.m_strFormula = "p";
    setPid(c.kp, 0.0, c.kd, c.setPoint);
    sim.Step(); // a first step so that the derivative has a previous error
    sim.Step();
    EXPECT_EQ(sim.m_dPower, c.expectedPower);
    EXPECT_EQ(newest().power, c.expectedPower);
}

INSTANTIATE_TEST_SUITE_P(Limits, PidOutputTest,
                         ::testing::Values(OutputCase{120.0, 1.0, 0.0, 100.0},   // exactly 100 is kept
                                           OutputCase{20.0, 1.0, 0.0, 0.0},      // exactly 0 is kept
                                           OutputCase{70.0, 1.0, 0.0, 50.0},     // inside, unchanged
                                           OutputCase{120.5, 1.0, 0.0, 100.0},   // 100.5 -> 100
                                           OutputCase{17.0, 1.0, 0.0, 0.0},      // -3 -> 0
                                           OutputCase{21.0, 1e300, 0.0, 100.0},  // huge gain, error > 0
                                           OutputCase{19.0, 1e300, 0.0, 0.0},    // huge gain, error < 0
                                           OutputCase{3000.0, 1e308, 0.0, 100.0} // output +inf
                                           ));

// A controller output that is not a number would leave the plant with no power to work with.
INSTANTIATE_TEST_SUITE_P(NotANumber, PidOutputTest,
                         ::testing::Values(OutputCase{20.0, kInf, 0.0, 0.0}, // 0 * inf
                                           OutputCase{kNaN, 1.0, 0.0, 0.0},  // no set point
                                           OutputCase{50.0, 1.0, kNaN, 0.0}  // derivative gain
                                           ));

TEST_F(PidTest, DerivativeTermIsTheNegatedSlopeTimesTheGain) {
    // Values where Kd * (e - prev) / dt would round differently (361.19999999999993).
    sim.m_strFormula = "p";
    sim.m_dSetPoint = 0.1;
    sim.Step(); // manual step: prev = -19.9
    setPid(0.0, 0.0, 0.7, 51.7);
    sim.Step();
    EXPECT_EQ(newest().derivative, 361.2);
    EXPECT_EQ(sim.m_dLastD, 361.2);
    EXPECT_EQ(sim.m_dPower, 100.0);
}

TEST_F(PidTest, IntegralUsesTheTrapezoidRuleAndTheDivisor) {
    sim.m_strFormula = "p";
    setPid(0.0, 4.0, 0.0, 30.0); // error 10 every step
    sim.Step();
    sim.Step();
    sim.Step();
    EXPECT_DOUBLE_EQ(sim.m_dIntegral, 2.0); // two increments of (10 + 10) * 0.1 * 0.5
    EXPECT_DOUBLE_EQ(newest().integral, 0.5);
    EXPECT_DOUBLE_EQ(sim.m_dPower, 0.5);
}

TEST_F(PidTest, ZeroIntegralDivisorSwitchesTheTermOffButKeepsAccumulating) {
    sim.m_strFormula = "p";
    setPid(0.0, 0.0, 0.0, 30.0);
    sim.m_dIntegral = 1000.0;
    sim.Step();
    sim.Step();
    EXPECT_EQ(newest().integral, 0.0);
    EXPECT_EQ(sim.m_dPower, 0.0);
    EXPECT_DOUBLE_EQ(sim.m_dIntegral, 1001.0);
}

TEST_F(PidTest, ResetClearsTheIntegralAndKeepsTheHistory) {
    sim.m_strFormula = "p";
    setPid(0.0, 1.0, 0.0, 30.0);
    sim.Step();
    sim.Step();
    ASSERT_NE(sim.m_dIntegral, 0.0);

    sim.ResetIntegral();
    EXPECT_EQ(sim.m_dIntegral, 0.0);
    EXPECT_EQ(sim.m_history.size(), 2u);
    EXPECT_EQ(sim.m_dPoint, 20.0);
}

TEST_F(PidTest, FirstPidStepAfterResetAndModeChangeUsesTheNewestError) {
    sim.m_strFormula = "p";
    sim.m_dSetPoint = 40.0;
    sim.Step(); // manual: error 20 recorded
    sim.ResetIntegral();
    setPid(0.0, 1.0, 1.0, 30.0); // error 10 now
    sim.Step();
    EXPECT_DOUBLE_EQ(sim.m_dIntegral, 1.5);        // (10 + 20) * 0.1 * 0.5
    EXPECT_DOUBLE_EQ(newest().derivative, -100.0); // -((20 - 10) / 0.1 * 1)
}

TEST_F(PidTest, ZeroSimulatedStepNeitherDividesByZeroNorPoisonsTheState) {
    sim.m_strFormula = "p";
    setPid(1.0, 1.0, 1.0, 50.0);
    sim.m_nSimStepMs = 0;
    sim.Step();
    sim.m_dSetPoint = 60.0;
    sim.Step();
    EXPECT_EQ(newest().derivative, 0.0);
    EXPECT_EQ(sim.m_dIntegral, 0.0);
    EXPECT_EQ(sim.m_dPower, 40.0);
    EXPECT_EQ(sim.m_dPoint, 20.0);

    sim.m_nSimStepMs = 100; // back to a normal step: everything is still finite
    sim.Step();
    EXPECT_TRUE(std::isfinite(sim.m_dIntegral));
    EXPECT_TRUE(std::isfinite(newest().derivative));
}

} // namespace

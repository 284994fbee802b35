#include "NumberRange.h"
#include "SimulationSpeed.h"
#include "SimulationTestSupport.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

using SimulationOptionsTest = SimulationTestBase<>;

/// Runs `count` steps and lists the point after each.
std::vector<double> pointsOf(CSimulation& sim, int count) {
    std::vector<double> points;
    for (int i = 0; i < count; ++i) {
        sim.Step();
        points.push_back(sim.m_dPoint);
    }
    return points;
}

// The formula "t+100" shows the t that reached it: the power delayed by two steps, then lagged.
TEST_F(SimulationOptionsTest, InitialUpdateSettlesTheDynamicsButResetLeavesThem) {
    sim.m_strFormula = "t+100";
    sim.m_dynamicsSettings.deadTimeS = 0.2;
    sim.m_dPower = 5.0;
    EXPECT_EQ(pointsOf(sim, 3), (std::vector<double>{100.0, 100.0, 105.0}));
    sim.ResetIntegral();
    EXPECT_EQ(pointsOf(sim, 1), std::vector<double>{105.0});

    sim.m_dynamicsSettings.lagCount = 1;
    sim.m_dynamicsSettings.lagTauS = 0.1;
    const double lagged = 5.0 * (1.0 - std::exp(-1.0));
    EXPECT_EQ(pointsOf(sim, 1), std::vector<double>{100.0 + lagged});
    sim.InitialUpdate();
    sim.m_dPower = 5.0;
    EXPECT_EQ(pointsOf(sim, 3), (std::vector<double>{100.0, 100.0, 100.0 + lagged}));
}

// The controller remembers the point before every step, whatever the mode: the first PID step after a
// manual one takes its slope from the point before that manual step; after the initial update there is
// no such point.
TEST_F(SimulationOptionsTest, DerivativeOnMeasurementRemembersThePointOfEveryStep) {
    sim.m_strFormula = "t+100";
    sim.m_pidOptions.derivativeOnMeasurement = true;
    sim.m_dPower = 30.0;
    sim.Step(); // manual: 20 -> 130
    setPid(0.0, 0.0, 1.0, 500.0);
    sim.Step();
    EXPECT_EQ(newest().derivative, -((130.0 - 20.0) / 0.1));
    EXPECT_EQ(sim.m_dLastD, newest().derivative);

    sim.InitialUpdate();
    sim.Step();
    EXPECT_EQ(newest().derivative, -0.0);
}

} // namespace

TEST(NumberRangeTest, AClampGivesTheNearestValueOfTheRange) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kMax = std::numeric_limits<double>::max();
    const struct {
        double value;
        NumberRange range;
        double clamped;
    } rows[] = {
        {-2.0, NumberRange::NotNegative, 0.0},  {2.5, NumberRange::NotNegative, 2.5},
        {kInf, NumberRange::NotNegative, kMax}, {kNan, NumberRange::NotNegative, 0.0},
        {0.0, NumberRange::Positive, 0.001},    {-kInf, NumberRange::Positive, 0.001},
        {kNan, NumberRange::Positive, 0.001},   {1e-9, NumberRange::Positive, 1e-9},
        {-kInf, NumberRange::Finite, -kMax},    {kNan, NumberRange::Finite, 0.0},
        {-kInf, NumberRange::Any, -kInf},       {3000.5, NumberRange::SetPointScale, 3000.0},
        {kNan, NumberRange::Percent, 0.0},      {kInf, NumberRange::Percent, 100.0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(clampIntoRange(row.value, row.range), row.clamped) << row.value;
        EXPECT_TRUE(isInRange(row.clamped, row.range)) << row.value;
    }
}

// The largest simulated step at 2x: (4294967295 + 1) / 2 = 2147483648 ms, beyond the slowest period;
// rounding in 32 bits would wrap to 0 and give the fastest. 1 ms at 50x rounds to 0: the fastest.
TEST(SimulationSpeedTest, RealIsClampedEvenForTheLargestSimulatedStep) {
    constexpr RealStepLimits kLimits{1, 4999};
    EXPECT_EQ(RealStepForSpeed(4294967295u, 2, kLimits), 4999u);
    EXPECT_EQ(RealStepForSpeed(1, 50, kLimits), 1u);
}

// The point stays at 20 under "p"; the noise of seed 1 with σ = 2 measures 20 + 2 g: 19.931465356416297,
// then 14.999865013260266 (python3).
TEST_F(SimulationOptionsTest, TheControllerReadsTheNoisyMeasurementInEveryMode) {
    sim.m_strFormula = "p";
    sim.m_sensorActuatorSettings.noiseStd = 2.0;
    sim.Step();
    EXPECT_DOUBLE_EQ(newest().measurement, 19.931465356416297) << "drawn in manual mode too";
    EXPECT_EQ(newest().error, 0.0 - newest().measurement);
    EXPECT_EQ(newest().point, 20.0) << "the sample keeps the true point";
    sim.SetControlMode(CSimulation::ControlMode::OnOff);
    sim.m_dSetPoint = 17.0;
    sim.Step();
    EXPECT_DOUBLE_EQ(newest().measurement, 14.999865013260266);
    EXPECT_EQ(newest().power, 100.0) << "17 is above the measurement, not the point";
    sim.SetNoiseSeed(1);
    sim.Step();
    EXPECT_DOUBLE_EQ(newest().measurement, 19.931465356416297) << "a new seed starts again";
}

// "p+1" climbs 20, 21, 22; q = 2 measures 20 then 22 (10.5 rounds up), a slope of 20 per second.
TEST_F(SimulationOptionsTest, DerivativeOnMeasurementTakesTheQuantizedSlope) {
    sim.m_strFormula = "p+1";
    sim.m_sensorActuatorSettings.quantization = 2.0;
    sim.m_pidOptions.derivativeOnMeasurement = true;
    setPid(0.0, 0.0, 0.5, 100.0);
    sim.Step();
    sim.Step();
    EXPECT_EQ(newest().measurement, 22.0);
    EXPECT_EQ(newest().error, 78.0);
    EXPECT_EQ(newest().derivative, -10.0);
}

// 50 power units per second at 0.1 s is 5 a step; the run's first step starts from the power held
// before it (the manual 30), not from full power.
TEST_F(SimulationOptionsTest, RateLimitStartsFromTheHeldPowerThenHoldsEachStepToRateTimesDt) {
    sim.m_strFormula = "p";
    sim.m_sensorActuatorSettings.rateLimit = 50.0;
    sim.m_dPower = 30.0;
    sim.SetControlMode(CSimulation::ControlMode::OnOff);
    sim.m_dSetPoint = 1000.0;
    sim.Step();
    EXPECT_EQ(newest().power, 35.0);
    sim.m_dSetPoint = 0.0;
    sim.Step();
    EXPECT_EQ(newest().power, 30.0);
    setPid(0.0, 0.0, 0.0, 0.0);
    sim.Step();
    EXPECT_EQ(newest().power, 25.0) << "PID from the on/off controller's power";
}

// Manual at 40, then PID with P = (30 - 20) * 0.5 = 5: the integral is set to (40 - 5 - 0) * 4, and the
// next PID step adds its trapezoid (10 + 10) * 0.1 / 2 again.
TEST_F(SimulationOptionsTest, BumplessTransferContinuesFromThePowerInUse) {
    sim.m_strFormula = "p";
    sim.m_sensorActuatorSettings.bumpless = true;
    sim.m_dPower = 40.0;
    sim.m_dSetPoint = 30.0;
    sim.Step();
    setPid(0.5, 4.0, 0.0, 30.0);
    sim.Step();
    EXPECT_EQ(sim.m_dIntegral, 140.0);
    EXPECT_EQ(newest().power, 40.0);
    sim.Step();
    EXPECT_EQ(sim.m_dIntegral, 141.0);
}

// The same with a derivative term: the point climbs 1 a step, so the error falls 10 a second and
// D = -(10 * 0.2) = -2. The switch sets the integral to (40 - 4.5 + 2) * 4 = 150 and the power stays 40;
// the next step adds (8 + 9) * 0.1 / 2 and gives 150.85 / 4 - 2 + 4.
TEST_F(SimulationOptionsTest, BumplessTransferCarriesThePowerOnWhileTheDerivativeActs) {
    sim.m_strFormula = "p+1";
    sim.m_sensorActuatorSettings.bumpless = true;
    sim.m_dPower = 40.0;
    sim.m_dSetPoint = 30.0;
    sim.Step();
    setPid(0.5, 4.0, 0.2, 30.0);
    sim.Step();
    EXPECT_EQ(newest().derivative, -2.0);
    EXPECT_EQ(sim.m_dIntegral, 150.0);
    EXPECT_EQ(newest().power, 40.0);
    sim.Step();
    EXPECT_EQ(sim.m_dIntegral, 150.85);
    EXPECT_EQ(newest().power, 39.7125);
}

// A resolution so fine that point / q overflows (out of the row's range, as an old build could leave it)
// makes the measurement infinite. The integral and the filtered derivative keep their last finite values,
// so once q is back to 0 the controller works again: the trapezoid (10 + 10) * 0.1 / 2 = 1, over Ki = 4.
TEST_F(SimulationOptionsTest, AnInfiniteMeasurementLeavesTheControllerWorkingOnceItIsGone) {
    sim.m_strFormula = "p";
    sim.m_pidOptions.derivativeFilterS = 1.0;
    setPid(0.0, 4.0, 0.1, 30.0);
    sim.Step();
    sim.m_sensorActuatorSettings.quantization = 1e-320;
    sim.Step();
    EXPECT_TRUE(std::isinf(newest().measurement));
    EXPECT_EQ(sim.m_dIntegral, 0.0);
    sim.m_sensorActuatorSettings.quantization = 0.0;
    sim.Step();
    sim.Step();
    EXPECT_EQ(sim.m_dIntegral, 1.0);
    EXPECT_EQ(newest().derivative, 0.0);
    EXPECT_EQ(newest().power, 0.25);
}

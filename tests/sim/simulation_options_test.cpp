#include "NumberRange.h"
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
        {-kInf, NumberRange::Any, -kInf},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(clampIntoRange(row.value, row.range), row.clamped) << row.value;
        EXPECT_TRUE(isInRange(row.clamped, row.range)) << row.value;
    }
}

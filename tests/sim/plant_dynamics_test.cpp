#include "PlantDynamics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

TEST(PlantDynamicsTest, DefaultsPassTheOutputThroughUntouched) {
    CPlantDynamics dynamics;
    for (const double u : {-0.0, 37.5, 1e308, std::numeric_limits<double>::quiet_NaN()}) {
        const double t = dynamics.Apply(PlantDynamicsSettings{}, u, 0.1);
        EXPECT_EQ(std::memcmp(&t, &u, sizeof u), 0) << u;
    }
}

TEST(PlantDynamicsTest, DelayStepsRoundTheDeadTimeAndStayInRange) {
    EXPECT_EQ(CPlantDynamics::DelaySteps(0.3, 0.1), 3u); // 2.9999999999999996 rounds to 3
    EXPECT_EQ(CPlantDynamics::DelaySteps(0.14, 0.1), 1u);
    EXPECT_EQ(CPlantDynamics::DelaySteps(1.0, 0.0), 0u);
    EXPECT_EQ(CPlantDynamics::DelaySteps(1e9, 0.001), CDelayLine::kMaxDelay);
    EXPECT_EQ(CPlantDynamics::DelaySteps(std::numeric_limits<double>::infinity(), 0.1),
              CDelayLine::kMaxDelay);
    EXPECT_EQ(CPlantDynamics::DelaySteps(std::numeric_limits<double>::quiet_NaN(), 0.1), 0u);
    EXPECT_EQ(CPlantDynamics::DelaySteps(-1.0, 0.1), 0u);
}

TEST(PlantDynamicsTest, DeadTimePassesTheDisturbedInputOfEarlierStepsAndZeroBeforeTheRun) {
    CPlantDynamics dynamics;
    PlantDynamicsSettings settings;
    settings.disturbance = 5.0;
    settings.deadTimeS = 0.3;
    for (int step = 1; step <= 6; ++step) {
        EXPECT_EQ(dynamics.Apply(settings, step, 0.1), step <= 3 ? 0.0 : step - 3 + 5.0) << step;
    }
    dynamics.Clear();
    EXPECT_EQ(dynamics.Apply(settings, 1.0, 0.1), 0.0) << "a cleared line has no past";
}

TEST(PlantDynamicsTest, LagsFollowOneAnotherWithTheExactDiscreteFactor) {
    CPlantDynamics dynamics;
    PlantDynamicsSettings settings;
    settings.lagCount = 2;
    settings.lagTauS = 2.0;
    const double a = 1.0 - std::exp(-0.1 / 2.0);
    EXPECT_EQ(dynamics.Apply(settings, 10.0, 0.1), 10.0 * a * a);
    EXPECT_EQ(dynamics.Apply(settings, 10.0, 0.0), 10.0 * a * a) << "no time, no change";
    for (int step = 0; step < 1000; ++step) {
        dynamics.Apply(settings, 10.0, 0.1);
    }
    EXPECT_NEAR(dynamics.Apply(settings, 10.0, 0.1), 10.0, 1e-9);
    dynamics.Clear();
    EXPECT_EQ(dynamics.Apply(settings, 10.0, 0.1), 10.0 * a * a);
}

} // namespace

#include "SimulationTestSupport.h"

#include <limits>
#include <ostream>
#include <string>

namespace {

using StepTest = SimulationTestBase<>;

TEST_F(StepTest, FreshWindowStartsManualAtTheMinimum) {
    EXPECT_EQ(sim.m_dPoint, 20.0);
    EXPECT_EQ(sim.m_dPower, 0.0);
    EXPECT_EQ(sim.m_dSetPoint, 0.0);
    EXPECT_FALSE(sim.m_bPid || sim.m_bOnOff);
    EXPECT_EQ(sim.m_strFormula, "p + ((t/100)*5000 - p*1.0)*dt");

    sim.Step(); // power 0 drives the point toward 0; the clamp holds it
    EXPECT_EQ(sim.m_dPoint, 20.0);
    EXPECT_EQ(newest().error, -20.0);
}

struct PlantCase {
    const char* formula;
    double expectedPoint;
};

void PrintTo(const PlantCase& c, std::ostream* os) {
    *os << '"' << c.formula << "\" -> " << c.expectedPoint;
}

class PlantTest : public SimulationTestBase<::testing::TestWithParam<PlantCase>> {};

TEST_P(PlantTest, PointAfterOneStepFromAPointOf100) {
    sim.m_dPoint = 100.0;
    sim.m_strFormula = GetParam().formula;
    sim.Step();
    EXPECT_EQ(sim.m_dPoint, GetParam().expectedPoint);
    EXPECT_EQ(newest().point, GetParam().expectedPoint);
    EXPECT_EQ(sim.m_history.size(), 1u) << "a sample is appended whatever the formula did";
}

INSTANTIATE_TEST_SUITE_P(Clamp, PlantTest,
                         ::testing::Values(PlantCase{"3500", 3000.0}, PlantCase{"5", 20.0},
                                           PlantCase{"3000", 3000.0}, PlantCase{"20", 20.0},
                                           PlantCase{"p*1000", 3000.0}, PlantCase{"0-p", 20.0},
                                           PlantCase{"2*p", 200.0}));

// A formula that fails or yields no number leaves the point where it was.
INSTANTIATE_TEST_SUITE_P(FailingFormula, PlantTest,
                         ::testing::Values(PlantCase{"p/0", 100.0}, PlantCase{"", 100.0},
                                           PlantCase{"p +", 100.0}, PlantCase{"q", 100.0},
                                           PlantCase{"sqrt(-1)", 100.0}, PlantCase{"p + sqrt(0-p)", 100.0}));

TEST_F(StepTest, BindingsArePointPowerAndStepInSeconds) {
    sim.m_dPoint = 100.0;
    sim.m_dPower = 42.5;
    sim.m_nSimStepMs = 250;
    sim.m_strFormula = "p + t*10 + dt*4";
    sim.Step();
    EXPECT_EQ(sim.m_dPoint, 526.0);
}

struct OnOffCase {
    double setPoint;
    double expectedPower;
};

class OnOffTest : public SimulationTestBase<::testing::TestWithParam<OnOffCase>> {};

TEST_P(OnOffTest, FullPowerOnlyBelowTheSetPoint) {
    sim.m_bOnOff = true;
    sim.m_dPower = 55.0;
    sim.m_dSetPoint = GetParam().setPoint;
    sim.Step();
    EXPECT_EQ(sim.m_dPower, GetParam().expectedPower);
    EXPECT_EQ(newest().power, GetParam().expectedPower);
    EXPECT_EQ(newest().proportional, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Errors, OnOffTest,
                         ::testing::Values(OnOffCase{20.5, 100.0}, OnOffCase{20.0, 0.0}, OnOffCase{19.0, 0.0},
                                           OnOffCase{std::numeric_limits<double>::quiet_NaN(), 0.0}));

TEST_F(StepTest, ManualModeKeepsThePowerAndZeroTerms) {
    sim.m_dPower = 37.25;
    sim.m_dKp = 5.0;
    sim.m_dSetPoint = 500.0;
    sim.Step();
    EXPECT_EQ(sim.m_dPower, 37.25);
    EXPECT_EQ(newest().power, 37.25);
    EXPECT_EQ(newest().proportional, 0.0);
    EXPECT_EQ(newest().integral, 0.0);
    EXPECT_EQ(newest().derivative, 0.0);
}

TEST_F(StepTest, HistoryKeepsTheLast1500Samples) {
    sim.m_strFormula = "p";
    for (int step = 1; step <= 1501; ++step) {
        sim.m_dSetPoint = step;
        sim.Step();
    }
    ASSERT_EQ(sim.m_history.size(), 1500u);
    EXPECT_EQ(sim.m_history[0].setPoint, 2.0) << "the first sample has gone";
    EXPECT_EQ(sim.m_history.newest().setPoint, 1501.0);
}

TEST_F(StepTest, AMillionStepsNeverGrowTheHistoryPast1500) {
    sim.m_strFormula = "1";
    sim.m_bOnOff = true;
    for (int step = 0; step < 1000000; ++step) {
        sim.Step();
        ASSERT_LE(sim.m_history.size(), 1500u);
    }
    EXPECT_EQ(sim.m_history.size(), 1500u);
}

/// Records what the hooks see, as the view's panel exchange and repaint request would.
class HookedSimulation : public CSimulation {
public:
    std::string calls;
    std::size_t historyAfter = 0;

protected:
    void BeforeStep() override {
        calls += "before;";
        m_dSetPoint = 77.0; // the panels' values arrive before the controller reads them
    }
    void AfterStep() override {
        calls += "after;";
        historyAfter = m_history.size();
    }
};

TEST(StepHooks, PanelsComeInBeforeTheControllerAndGoOutAfterTheSample) {
    HookedSimulation sim;
    sim.InitialUpdate();
    sim.Step();
    EXPECT_EQ(sim.calls, "before;after;");
    EXPECT_EQ(sim.m_history.newest().setPoint, 77.0);
    EXPECT_EQ(sim.historyAfter, 1u);
}

} // namespace

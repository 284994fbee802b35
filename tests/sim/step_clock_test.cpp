#include "SimulationTestSupport.h"

namespace {

struct ClockCase {
    std::int64_t ticksPerSecond;
    std::int64_t ticksPerRead;
    double expectedMilliseconds;
};

class StepClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(StepClockTest, ElapsedInMillisecondsOrSeconds) {
    const ClockCase& c = GetParam();
    CStepClock clock(FakeCounter::source(c.ticksPerSecond, c.ticksPerRead));
    clock.Start();
    EXPECT_DOUBLE_EQ(clock.Elapsed(), c.expectedMilliseconds);
    EXPECT_DOUBLE_EQ(clock.Elapsed(CStepClock::kSeconds), 2 * c.expectedMilliseconds * 0.001);
}

INSTANTIATE_TEST_SUITE_P(Counters, StepClockTest,
                         ::testing::Values(ClockCase{1000, 1, 1.0}, ClockCase{1000000000, 250000, 0.25},
                                           ClockCase{3579545, 3579545, 1000.0}, ClockCase{1000, 0, 0.0}));

TEST(StepClock, SteadyCounterMovesForward) {
    CStepClock clock;
    clock.Start();
    EXPECT_GE(clock.Elapsed(), 0.0);
}

using CyclesPerSecondTest = SimulationTestBase<>;

TEST_F(CyclesPerSecondTest, IsTheInverseOfTheStepsOwnTime) {
    sim.SetCounterSource(FakeCounter::source(1000000, 250)); // 250 us between start and reading
    sim.Step();
    EXPECT_DOUBLE_EQ(sim.m_dCps, 4000.0);
}

TEST_F(CyclesPerSecondTest, ZeroElapsedTimeKeepsTheLastFigure) {
    sim.SetCounterSource(FakeCounter::source(1000000, 500));
    sim.Step();
    sim.SetCounterSource(FakeCounter::source(1000000, 0));
    sim.Step();
    EXPECT_DOUBLE_EQ(sim.m_dCps, 2000.0);
}

} // namespace

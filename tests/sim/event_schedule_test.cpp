#include "EventSchedule.h"
#include "Simulation.h"

#include <gtest/gtest.h>

namespace {

TEST(EventScheduleTest, AnEventAppliesBeforeTheStepNearestItsTimeAndARunTakesWholeSteps) {
    EXPECT_EQ(eventStep(0.0, 0.1), 1u);
    EXPECT_EQ(eventStep(1.0, 0.1), 11u);
    EXPECT_EQ(eventStep(0.25, 0.1), 4u) << "2.5 steps round away from zero";
    EXPECT_EQ(eventStep(0.149, 0.1), 2u);
    EXPECT_EQ(eventStep(0.0, 0.0), 1u) << "time stands still at 0";
    EXPECT_EQ(eventStep(1.0, 0.0), kNeverStep);
    EXPECT_EQ(eventStep(1e300, 0.001), kNeverStep);

    EXPECT_EQ(stepsToRun(10.0, 0.1), 100u);
    EXPECT_EQ(stepsToRun(0.3, 0.1), 3u) << "0.3 / 0.1 is 2.9999999999999996";
    EXPECT_EQ(stepsToRun(10.01, 0.1), 101u);
    EXPECT_EQ(stepsToRun(0.0, 0.0), 0u);
    EXPECT_EQ(stepsToRun(1.0, 0.0), kNeverStep);
}

TEST(EventScheduleTest, EventsApplyAtTheirStepsAndThoseOfOneStepInListOrder) {
    CSimulation simulation;
    simulation.InitialUpdate();
    SettingTarget target{simulation};
    const std::vector<ScheduledEvent> events = {
        {1.0, setPointChange(100.0)},  // step 11
        {0.25, setPointChange(300.0)}, // step 4
        {0.96, setPointChange(200.0)}, // step 11 as well, listed after the first
        {1e300, setPointChange(1.0)},  // never
    };
    CEventSchedule schedule(events, CSimulation::StepSeconds(simulation.m_nSimStepMs));
    std::vector<double> setPoints;
    for (std::uint64_t step = 1; step <= 12; ++step) {
        const std::vector<SettingChange> due = schedule.TakeDue(step);
        EXPECT_EQ(due.size(), step == 4 ? 1u : step == 11 ? 2u : 0u) << step;
        for (const SettingChange& change : due)
            applySetting(target, *change.row, change.value);
        simulation.Step();
        setPoints.push_back(simulation.m_history.newest().setPoint);
    }
    EXPECT_EQ(setPoints, (std::vector<double>{0, 0, 0, 300, 300, 300, 300, 300, 300, 300, 200, 200}));
}

TEST(EventScheduleTest, EventsReplacedDuringARunApplyFromItsNextStepAtTheStartsStepTime) {
    CEventSchedule schedule({{0.5, setPointChange(1.0)}}, 0.1);
    EXPECT_TRUE(schedule.TakeDue(3).empty());
    schedule.Replace({{0.3, setPointChange(2.0)},    // step 4, next
                      {0.2, setPointChange(3.0)},    // step 3, passed
                      {0.25, setPointChange(4.0)}}); // step 4 too
    const std::vector<SettingChange> due = schedule.TakeDue(4);
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0].value.number, 2.0);
    EXPECT_EQ(due[1].value.number, 4.0);
    EXPECT_TRUE(schedule.TakeDue(100).empty()) << "the replaced event at 0.5 s is gone";
}

} // namespace

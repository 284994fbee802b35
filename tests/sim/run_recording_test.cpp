#include "RecordedResponse.h"
#include "RunRecording.h"
#include "SimulationTestSupport.h"

#include <cmath>
#include <vector>

namespace {

RecordedStep StepWithPoint(double point) {
    RecordedStep step;
    step.sample.point = point;
    return step;
}

TEST(RunRecordingTest, KeepsExactlyTheNewestCapacityStepsInOrder) {
    for (const std::size_t capacity : {std::size_t{5}, RunRecording::kCapacity}) {
        RunRecording recording(capacity);
        constexpr std::size_t kBeyond = 3;
        for (std::size_t i = 1; i <= capacity + kBeyond; ++i)
            recording.push_back(StepWithPoint(static_cast<double>(i)));
        ASSERT_EQ(recording.size(), capacity);
        EXPECT_EQ(recording[0].sample.point, kBeyond + 1.0);
        EXPECT_EQ(recording.stepNumber(0), kBeyond + 1);
        EXPECT_EQ(recording[capacity - 1].sample.point, static_cast<double>(capacity + kBeyond));
        EXPECT_EQ(recording[capacity - 2].sample.point, static_cast<double>(capacity + kBeyond - 1));
    }
}

// 12 steps in 5 places: the ring has turned past its end, and every index still reads its own step.
TEST(RunRecordingTest, ReadsEveryStepInOrderOnceTheOldestWrapAround) {
    RunRecording recording(5);
    for (int i = 1; i <= 12; ++i)
        recording.push_back(StepWithPoint(i));
    std::vector<double> points;
    for (std::size_t i = 0; i < recording.size(); ++i)
        points.push_back(recording[i].sample.point);
    EXPECT_EQ(points, (std::vector<double>{8, 9, 10, 11, 12}));
    EXPECT_EQ(recording.stepNumber(4), 12u);
}

using RunRecordingInSimulation = SimulationTestBase<>;

TEST_F(RunRecordingInSimulation, RecordsEveryStepUntilTheInitialUpdateClearsIt) {
    sim.Step();
    EXPECT_TRUE(sim.m_recording.empty()); // the command line records nothing
    sim.m_recording.setCapacity(RunRecording::kCapacity);
    setPid(0.1, 0.0, 0.0, 1500.0);
    for (int i = 0; i < 2000; ++i)
        sim.Step();
    ASSERT_EQ(sim.m_recording.size(), 2000u); // beyond the live history's 1500
    const RecordedStep& newest = sim.m_recording[1999];
    EXPECT_EQ(newest.sample.point, sim.m_history.newest().point);
    EXPECT_EQ(newest.sample.timeS, sim.m_history.newest().timeS);
    EXPECT_EQ(newest.pointBefore, sim.m_recording[1998].sample.point);
    EXPECT_EQ(newest.dt, 0.1);
    sim.InitialUpdate();
    EXPECT_TRUE(sim.m_recording.empty());
    sim.Step();
    EXPECT_EQ(sim.m_recording.stepNumber(0), 1u);
    EXPECT_EQ(NearestResponseStart(sim.m_recording, 0, 0).value_or(99), 0u)
        << "a run's first step begins one";
}

// Once the recording has dropped the run's start, a response read back still has the meter's own
// figures and its step number counted from the run's first step.
TEST_F(RunRecordingInSimulation, AResponseReadBackAfterDropsIsTheMetersOwn) {
    sim.m_recording.setCapacity(50);
    setPid(0.1, 2.0, 0.0, 1000.0);
    for (int step = 1; step <= 100; ++step) {
        sim.m_dSetPoint = step < 70 ? 1000.0 : 1800.0;
        sim.Step();
    }
    const std::optional<std::size_t> start = NearestResponseStart(sim.m_recording, 22, 5);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(sim.m_recording.stepNumber(*start), 70u);
    EXPECT_FALSE(NearestResponseStart(sim.m_recording, 10, 5).has_value());
    EXPECT_EQ(NearestResponseStart(sim.m_recording, 14, 5), start) << "ahead, at the reach's end";
    const RecordedResponse recorded = MeasureRecordedResponse(sim.m_recording, *start);
    const StepResponseFigures live = sim.m_stepResponse.Figures();
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        const double a = live.*field.value;
        const double b = recorded.figures.*field.value;
        EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << field.name;
    }
    EXPECT_EQ(recorded.figures.responseStartStep, 70.0);
}

} // namespace

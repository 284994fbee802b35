#include "RecordedResponse.h"
#include "RunRecording.h"
#include "SettingsTable.h"
#include "SimulationTestSupport.h"

#include <cmath>
#include <memory>
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

// The chart of a response ends at its first step back inside the 2 % band for good, or, unsettled, at
// its last step before the next change.
TEST(RunRecordingTest, AResponseIsShownToItsSettlingOrToItsEnd) {
    RunRecording recording(16);
    double before = 0.0;
    for (const auto& [setPoint, point] : std::vector<std::pair<double, double>>{
             {100, 50}, {100, 90}, {100, 103}, {100, 99}, {100, 100}, {100, 100}, {200, 150}, {200, 160}}) {
        recording.push_back({Sample{setPoint, point, 0, 0, 0, 0, 0, 0, 0}, before, 0.1});
        before = point;
    }
    StepResponseFigures first = MeasureRecordedResponse(recording, 0).figures;
    EXPECT_EQ(first.settlingTimeS, 0.1 + 0.1 + 0.1) << "103 is the last point outside";
    EXPECT_EQ(SettledIndex(recording, 0, first), 3u);
    first.settlingTimeS = StepResponseFigures::kUndefined;
    EXPECT_EQ(SettledIndex(recording, 0, first), 5u);
    EXPECT_EQ(SettledIndex(recording, 6, MeasureRecordedResponse(recording, 6).figures), 7u);
}

// A change made with the set point's trackbar held is recorded with its step, and read back as the
// meter took it; the flag holds for that step only.
TEST_F(RunRecordingInSimulation, AHandsChangeIsRecordedAndReadBackAsARamp) {
    sim.m_recording.setCapacity(100);
    setPid(0.1, 0.0, 0.0, 1000.0);
    for (int i = 0; i < 40; ++i)
        sim.Step();
    sim.m_dSetPoint = 1100.0;
    sim.m_bSetPointByHand = true;
    sim.Step();
    EXPECT_FALSE(sim.m_bSetPointByHand);
    EXPECT_TRUE(sim.m_stepResponse.StillChanging());
    EXPECT_TRUE(MeasureRecordedResponse(sim.m_recording, 40).stillChanging);
    for (int i = 0; i < 30; ++i)
        sim.Step();
    sim.m_dSetPoint = 1200.0;
    sim.Step();
    EXPECT_FALSE(MeasureRecordedResponse(sim.m_recording, 71).stillChanging);
}

// The setup is kept where it changed; asked for a step, the log gives the one in effect then.
TEST_F(RunRecordingInSimulation, TheSetupLogGivesTheSetupInEffectAtAStep) {
    const SettingRow& kp = *settingByOption("kp");
    sim.m_dKp = 0.1;
    sim.m_setups.Note(1, setupValues(SettingSource(sim)));
    sim.m_setups.Note(5, setupValues(SettingSource(sim))); // no change: nothing new kept
    sim.m_dKp = 0.2;
    sim.m_strFormula = "p";
    sim.m_setups.Note(10, setupValues(SettingSource(sim)));
    EXPECT_EQ(sim.m_setups.At(0), nullptr);
    EXPECT_EQ(ValueOf(*sim.m_setups.At(9), kp).number, 0.1);
    EXPECT_EQ(sim.m_setups.At(9), sim.m_setups.At(1));
    EXPECT_EQ(ValueOf(*sim.m_setups.At(10), kp).number, 0.2);

    const auto restored = std::make_unique<CSimulation>();
    SettingTarget target{*restored};
    ApplySetup(target, *sim.m_setups.At(99));
    EXPECT_EQ(restored->m_dKp, 0.2);
    EXPECT_EQ(restored->m_strFormula, "p");
    sim.InitialUpdate();
    EXPECT_EQ(sim.m_setups.At(99), nullptr) << "a new run forgets the setups";
}

} // namespace

#include "ComparedResponse.h"
#include "SettingsTable.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Three steps of 100 ms towards 500, then a step to 800 with steps of 250 ms: the latest response is
// the last four samples, at T = 250, 500, 750 and 1000 ms from the start of its first step.
TEST(ComparedResponseTest, TheLatestResponseIsItsSamplesAtTheirTimeFromItsStart) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->m_recording.setCapacity(100);
    simulation->InitialUpdate();
    simulation->m_dPower = 40.0;
    simulation->m_dSetPoint = 500.0;
    for (int k = 0; k < 3; ++k)
        simulation->Step();
    simulation->m_dSetPoint = 800.0;
    simulation->m_nSimStepMs = 250;
    for (int k = 0; k < 4; ++k)
        simulation->Step();

    const ComparedResponse response = LatestResponse(*simulation);
    EXPECT_EQ(response.figures.responseStartStep, 4.0);
    EXPECT_EQ(response.figures.iae, simulation->m_stepResponse.Figures().iae);
    EXPECT_EQ(response.timeMs, (std::vector<std::int64_t>{250, 500, 750, 1000}));
    const SampleHistory& history = simulation->m_history;
    EXPECT_EQ(response.points,
              (std::vector<double>{history[3].point, history[4].point, history[5].point, history[6].point}));
}

// A response longer than the live history is read whole from the recording, with the gains noted at its
// start rather than those of now.
TEST(ComparedResponseTest, ALongResponseIsReadWholeFromTheRecordingWithItsGains) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->m_recording.setCapacity(RunRecording::kCapacity);
    simulation->InitialUpdate();
    simulation->SetPid(true);
    simulation->m_dKp = 0.05;
    simulation->m_dKi = 20.0;
    simulation->m_dSetPoint = 500.0;
    simulation->Step();
    simulation->m_setups.Note(1, setupValues(SettingSource(*simulation)));
    simulation->m_dKp = 0.5;
    for (int k = 0; k < 1999; ++k)
        simulation->Step();

    const ComparedResponse response = LatestResponse(*simulation);
    ASSERT_EQ(response.timeMs.size(), 2000u);
    EXPECT_EQ(response.timeMs.front(), 100);
    EXPECT_EQ(response.timeMs.back(), 200000);
    EXPECT_EQ(response.points.front(), simulation->m_recording[0].sample.point);
    EXPECT_EQ(response.gains.kp, 0.05);
    EXPECT_EQ(response.gains.ki, 20.0);
}

TEST(ComparedResponseTest, NormalizedIsTheShareOfTheStepCovered) {
    StepResponseFigures figures;
    figures.initialPoint = 20.0;
    figures.setPoint = 100.0;
    EXPECT_EQ(NormalizedPoint(60.0, figures), 0.5);
    EXPECT_EQ(NormalizedPoint(120.0, figures), 1.25);
    EXPECT_EQ(NormalizedPoint(20.0, figures), 0.0);
    figures.setPoint = 20.0;
    EXPECT_TRUE(std::isnan(NormalizedPoint(60.0, figures))) << "no step, no z";
}

// Steps of 100 ms and of 200 ms line up where their T meet; elsewhere a cell stays empty.
TEST(ComparedResponseTest, TheCsvHasOneColumnPerResponseAlignedAtItsStart) {
    ComparedResponse fast;
    fast.figures.initialPoint = 0.0;
    fast.figures.setPoint = 10.0;
    fast.timeMs = {100, 200, 300};
    fast.points = {1.0, 2.5, 4.0};
    ComparedResponse slow;
    slow.figures.initialPoint = 20.0;
    slow.figures.setPoint = 60.0;
    slow.timeMs = {200, 400};
    slow.points = {30.0, 50.0};

    EXPECT_EQ(ComparedResponsesCsv({"a.vrl:1", "b, c"}, {fast, slow}, false), "time_s,a.vrl:1,\"b, c\"\n"
                                                                              "0.10000000000000001,1,\n"
                                                                              "0.20000000000000001,2.5,30\n"
                                                                              "0.29999999999999999,4,\n"
                                                                              "0.40000000000000002,,50\n");
    EXPECT_EQ(ComparedResponsesCsv({"a", "b"}, {fast, slow}, true),
              "time_s,a,b\n"
              "0.10000000000000001,0.10000000000000001,\n"
              "0.20000000000000001,0.25,0.25\n"
              "0.29999999999999999,0.40000000000000002,\n"
              "0.40000000000000002,,0.75\n");
    // A step of 0 ms repeats the T before it: the row shows the later sample, and the next row follows.
    ComparedResponse paused;
    paused.timeMs = {100, 100, 200};
    paused.points = {1.0, 2.0, 3.0};
    EXPECT_EQ(ComparedResponsesCsv({"z"}, {paused}, false),
              "time_s,z\n0.10000000000000001,2\n0.20000000000000001,3\n");
}

} // namespace

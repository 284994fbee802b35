#include "Simulation.h"
#include "StudentAnswer.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

SettingChange change(const char* key, double value) {
    return {settingByFileKey(key), {value, {}}};
}

// The answer is the controller and its options; the plant, the set point and the sensor are the
// exercise's.
TEST(StudentAnswerTest, TheAnswerRowsAreTheControllersAndOnlyTheyComeFromTheStudent) {
    std::set<std::string> answer;
    for (const SettingRow& row : settingRows()) {
        if (row.studentAnswer)
            answer.insert(row.fileKey != nullptr ? row.fileKey : row.option);
    }
    EXPECT_EQ(answer, (std::set<std::string>{"onOff", "pid", "mode", "kp", "ki", "kd", "setPointWeight",
                                             "derivativeOnMeasurement", "derivativeFilterS", "antiWindup",
                                             "trackingTimeS", "bumpless"}));

    // The student's file leaves Ki out: the graded window has Ki's default, not the master's.
    const std::vector<SettingChange> graded = withStudentAnswer(
        {change("pid", 1), change("kp", 1), change("ki", 2), change("deadTimeS", 3), change("setPoint", 500)},
        {change("onOff", 1), change("kp", 9), change("deadTimeS", 0), change("setPoint", 1)});
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    SettingTarget target{*simulation};
    for (const SettingChange& setting : graded)
        applySetting(target, *setting.row, setting.value);
    EXPECT_EQ(simulation->Mode(), CSimulation::ControlMode::OnOff);
    EXPECT_EQ(simulation->m_dKp, 9.0);
    EXPECT_EQ(simulation->m_dKi, 0.0);
    EXPECT_EQ(simulation->m_dynamicsSettings.deadTimeS, 3.0);
    EXPECT_EQ(simulation->m_dSetPoint, 500.0);
}

} // namespace

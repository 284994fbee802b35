#include "StudentAnswer.h"

#include "Simulation.h"

#include <memory>

std::vector<SettingChange> studentAnswer(const SettingSource& student) {
    std::vector<SettingChange> answer;
    for (const SettingRow& row : settingRows()) {
        if (row.studentAnswer)
            answer.push_back({&row, row.read(student)});
    }
    return answer;
}

std::vector<SettingChange> withStudentAnswer(const std::vector<SettingChange>& exercise,
                                             const std::vector<SettingChange>& student) {
    std::vector<SettingChange> graded;
    for (const SettingChange& change : exercise) {
        if (!change.row->studentAnswer)
            graded.push_back(change);
    }
    // The student's values as a window of their file holds them, defaults included.
    auto window = std::make_unique<CSimulation>();
    window->InitialUpdate();
    SettingTarget target{*window};
    for (const SettingChange& change : student)
        applySetting(target, *change.row, change.value);
    const std::vector<SettingChange> answer = studentAnswer(target);
    graded.insert(graded.end(), answer.begin(), answer.end());
    return graded;
}

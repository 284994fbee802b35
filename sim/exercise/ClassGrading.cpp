#include "ClassGrading.h"

#include "EventsJson.h"
#include "ExerciseJson.h"
#include "GradedRun.h"
#include "Simulation.h"
#include "StudentAnswer.h"
#include "StudentVariant.h"
#include "VrlFileText.h"

#include <algorithm>

namespace {

using json = nlohmann::json;

bool readDocumentFile(const std::string& path, VrlDocument& document, std::string& problem) {
    std::string text;
    return readVrlFileText(path, text, problem) && readVrlDocument(text, document, problem);
}

/// Puts `change` among `settings` in the table's order, the order a file's settings are applied, in
/// place of the row's own change when there is one.
void putSetting(std::vector<SettingChange>& settings, const SettingChange& change) {
    const auto at =
        std::lower_bound(settings.begin(), settings.end(), change.row,
                         [](const SettingChange& c, const SettingRow* row) { return c.row < row; });
    if (at != settings.end() && at->row == change.row)
        at->value = change.value;
    else
        settings.insert(at, change);
}

/// `master` as one student's copy holds it: each variant's value in every window.
VrlDocument withStudentVariant(const VrlDocument& master, const std::string& studentId) {
    VrlDocument copy = master;
    CStudentVariantDraw draw(master.exercise.variantSeed, studentId);
    for (const ExerciseVariant& variant : master.exercise.variants) {
        const double value = draw.Next(variant.min, variant.max, variant.step);
        for (VrlWindowSetup& window : copy.windows)
            putSetting(window.settings, {variant.row, {value, {}}});
    }
    return copy;
}

/// The text of each of a window's settings as the command line writes it, a missing one at a new
/// window's value.
std::string settingText(const VrlWindowSetup& window, const SettingRow& row) {
    for (const SettingChange& change : window.settings) {
        if (change.row == &row)
            return settingValueText(row, change.value);
    }
    static const CSimulation defaults;
    return settingValueText(row, row.read(defaults));
}

void addWindowChanges(const VrlWindowSetup& teacher, const VrlWindowSetup& student, std::size_t window,
                      std::vector<ChangedField>& changes) {
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey == nullptr || row.studentAnswer)
            continue;
        const std::string value = settingText(student, row);
        if (value != settingText(teacher, row))
            changes.push_back({window, row.fileKey, value});
    }
    const json events = eventsToJson(student.events);
    if (events != eventsToJson(teacher.events))
        changes.push_back({window, "events", events.dump()});
}

/// Each field of the exercise the student's file holds otherwise; `locked` is the copy's own.
void addExerciseChanges(const VrlDocument& teacher, const VrlDocument& student,
                        std::vector<ChangedField>& changes) {
    json mine = student.hasExercise ? exerciseToJson(student.exercise, json::object()) : json::object();
    json theirs = exerciseToJson(teacher.exercise, json::object());
    mine.erase("locked");
    theirs.erase("locked");
    for (auto field = theirs.begin(); field != theirs.end(); ++field) {
        const auto own = mine.find(field.key());
        if (own == mine.end() || *own != field.value())
            changes.push_back({0, "exercise." + field.key(), own == mine.end() ? "" : own->dump()});
    }
    for (auto field = mine.begin(); field != mine.end(); ++field) {
        if (!theirs.contains(field.key()))
            changes.push_back({0, "exercise." + field.key(), field.value().dump()});
    }
}

std::vector<ChangedField> changedFields(const VrlDocument& teacher, const VrlDocument& student) {
    std::vector<ChangedField> changes;
    if (student.windows.size() != teacher.windows.size())
        changes.push_back({0, "windows", std::to_string(student.windows.size())});
    const std::size_t windows = std::min(teacher.windows.size(), student.windows.size());
    for (std::size_t i = 0; i < windows; ++i)
        addWindowChanges(teacher.windows[i], student.windows[i], i + 1, changes);
    addExerciseChanges(teacher, student, changes);
    return changes;
}

/// `master` with the student's variant and the answer taken from `student`.
bool gradedDocument(const VrlDocument& variant, const VrlDocument& student, VrlDocument& graded,
                    std::string& problem) {
    if (student.windows.size() < variant.windows.size()) {
        problem = "the file has " + std::to_string(student.windows.size()) + " windows; the exercise has " +
                  std::to_string(variant.windows.size());
        return false;
    }
    graded = variant;
    for (std::size_t i = 0; i < graded.windows.size(); ++i)
        graded.windows[i].settings =
            withStudentAnswer(graded.windows[i].settings, student.windows[i].settings);
    return true;
}

} // namespace

bool readExerciseFile(const std::string& path, VrlDocument& master, std::string& problem) {
    if (!readDocumentFile(path, master, problem))
        return false;
    problem = !master.hasExercise ? "no exercise" : !master.exercise.hasRunS ? "exercise.runS: missing" : "";
    return problem.empty();
}

bool gradeExercise(const VrlDocument& document, std::vector<GradedCheck>& checks, std::string& problem) {
    const Exercise& exercise = document.exercise;
    for (std::size_t i = 0; i < document.windows.size(); ++i) {
        std::vector<CheckGrade> grades;
        problem = gradeWindow(document.windows[i], i + 1, exercise, grades);
        if (!problem.empty()) {
            problem = "window " + std::to_string(i + 1) + ": " + problem;
            return false;
        }
        for (const CheckGrade& grade : grades) {
            const ExerciseCheck& check = exercise.checks[grade.check];
            checks.push_back({i + 1, check.FigureName(), grade.value, check.min, check.max, grade.passes});
        }
    }
    return true;
}

StudentGrade gradeStudentFile(const VrlDocument& master, const std::string& path) {
    StudentGrade grade;
    grade.file = path;
    VrlDocument student;
    if (!readDocumentFile(path, student, grade.error))
        return grade;
    grade.studentId = student.student.id;
    grade.studentName = student.student.name;
    const VrlDocument variant = withStudentVariant(master, student.student.id);
    VrlDocument graded;
    if (!gradedDocument(variant, student, graded, grade.error) ||
        !gradeExercise(graded, grade.checks, grade.error)) {
        grade.checks.clear();
        return grade;
    }
    grade.changes = changedFields(variant, student);
    return grade;
}

bool handoutFileText(const VrlDocument& master, const std::string& id, const std::string& name,
                     std::string& text, std::string& problem) {
    VrlDocument copy = withStudentVariant(master, id);
    copy.hasStudent = true;
    copy.student = {name, id};
    copy.exercise.locked = true;
    return writeVrlDocument(copy, text, problem);
}

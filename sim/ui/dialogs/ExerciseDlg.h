#pragma once

#include "Exercise.h"

#include <QDialog>

#include <cstddef>
#include <optional>

class CChecksTable;
class CEventsTable;
class CRangedEdit;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// "Exercício": a teacher's editor of the exercise a document hands out: its title, its instructions,
/// whether the plant is hidden, how long a graded run lasts, the run's events and the checks. It closes
/// only on what the file's reader takes, so that whatever it gives opens again; otherwise it says what is
/// wrong and stays open.
class CExerciseDlg : public QDialog {
    Q_OBJECT

public:
    /// Edits `exercise` (nullptr: a new one) of a document of `windowCount` windows.
    CExerciseDlg(const Exercise* exercise, std::size_t windowCount, QWidget* parent = nullptr);

    /// Once accepted: the exercise edited, or none after "Remover exercício".
    const std::optional<Exercise>& Result() const { return m_result; }

    QLineEdit* TitleEdit() const { return m_title; }
    QCheckBox* HidePlantBox() const { return m_hidePlant; }
    CRangedEdit* RunSEdit() const { return m_runS; }
    CEventsTable* EventsTable() const { return m_events; }
    CChecksTable* ChecksTable() const { return m_checks; }
    QPushButton* RemoveExerciseButton() const { return m_removeExercise; }
    QLabel* ProblemLabel() const { return m_problem; }

    void accept() override;

private:
    void Show(const Exercise& exercise);
    bool ReadExercise(Exercise& exercise, QString& problem) const;
    void OnRemoveExercise();

    QLineEdit* m_title;
    QPlainTextEdit* m_instructions;
    QCheckBox* m_hidePlant;
    CRangedEdit* m_runS;
    CEventsTable* m_events;
    CChecksTable* m_checks;
    QPushButton* m_removeExercise;
    QLabel* m_problem;
    std::optional<Exercise> m_result;
};

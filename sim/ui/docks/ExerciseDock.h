#pragma once

#include "Exercise.h"
#include "StepResponseFigures.h"

#include <QDockWidget>

#include <cstddef>
#include <vector>

class QGridLayout;
class QLabel;

/// A small docked window with the active document's exercise: its title, its instructions and, one row
/// a check, the figure, its value in the active window's latest response, the limits and ✓ or ✗. The
/// labels of row i (from 1) are named "check<i>Value", "check<i>Limits" and "check<i>Result".
class CExerciseDock : public QDockWidget {
    Q_OBJECT

public:
    explicit CExerciseDock(QWidget* parent = nullptr);

    /// Shows `exercise`, or "Sem exercício" for nullptr, with the checks that apply to window `window`
    /// (from 1, in its document's order) held to `figures`.
    void ShowExercise(const Exercise* exercise, std::size_t window, const StepResponseFigures& figures);

private:
    struct CheckRow {
        QLabel* figure;
        QLabel* value;
        QLabel* limits;
        QLabel* result;
    };

    void ShowChecks(const std::vector<ExerciseCheck>& checks, const StepResponseFigures& figures);
    void KeepRows(std::size_t count);
    CheckRow NewRow(int number);

    QLabel* m_pTitle;
    QLabel* m_pInstructions;
    QGridLayout* m_pChecks;
    std::vector<CheckRow> m_rows;
};

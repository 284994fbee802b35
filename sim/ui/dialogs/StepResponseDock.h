#pragma once

#include "StepResponseFigures.h"

#include <QDockWidget>

#include <array>

class QLabel;

/// A small docked window with the figures of the active simulation window's response to its latest
/// set-point step, one row a figure: its name, its value with its unit ("–" while it is not defined)
/// and a tooltip that says what it measures. Each value label is named after the figure
/// ("rise_time_s"), as the command line names it.
class CStepResponseDock : public QDockWidget {
    Q_OBJECT

public:
    explicit CStepResponseDock(QWidget* parent = nullptr);

    /// Shows `figures`; every value reads "–" for a default (undefined) set.
    void ShowFigures(const StepResponseFigures& figures);

private:
    std::array<QLabel*, kStepResponseFigureFields.size()> m_values{};
};

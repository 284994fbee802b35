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

    /// Shows `figures`; every value reads "–" for a default (undefined) set. When the response
    /// `stillChanging` (it began right after another set-point change), a notice says so instead and
    /// every value reads "–": they would be a ramp's, read as a step's.
    void ShowFigures(const StepResponseFigures& figures, bool stillChanging = false);
    QLabel* RampNotice() const { return m_pRampNotice; }

private:
    void FixWidth(QWidget& content);

    std::array<QLabel*, kStepResponseFigureFields.size()> m_values{};
    QLabel* m_pRampNotice = nullptr;
};

#pragma once

#include "StepRateCounter.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class CStepResponseDock;
class CVorlintView;
class QLabel;
class QStatusBar;

/// The numbers of the active simulation window, refreshed ten times a second at most so that they
/// can be read: in the status bar the newest sample (set point, point, power), the simulated time of
/// the run and the steps really made per second, and while its formula fails why; in the
/// step-response dock its figures.
class CActiveWindowReadout : public QObject {
    Q_OBJECT

public:
    static constexpr int kRefreshIntervalMs = 100;

    /// Adds its pane to `statusBar`; `activeView` tells the window to read, or nullptr for none.
    CActiveWindowReadout(QStatusBar& statusBar, CStepResponseDock& dock,
                         std::function<CVorlintView*()> activeView);

    QLabel* Pane() const { return m_pPane; }
    /// Why the active window's formula fails, hidden while it gives numbers.
    QLabel* PlantFailurePane() const { return m_pPlantFailure; }
    /// Reads the active window now, as the timer does.
    void Refresh();

    /// The status bar's text for `view`, with `stepsPerSecond` (NaN while unknown).
    static QString ReadoutText(const CVorlintView& view, double stepsPerSecond);

private:
    void CountSteps(CVorlintView& view);
    void ShowPlantFailure(const QString& note);

    QLabel* m_pPane;
    QLabel* m_pPlantFailure;
    CStepResponseDock& m_dock;
    std::function<CVorlintView*()> m_activeView;
    QPointer<CVorlintView> m_pCountedView;
    CStepRateCounter m_rate;
    QTimer m_timer;
};

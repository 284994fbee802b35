#pragma once

#include "StepRateCounter.h"
#include "StepResponseFigures.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <functional>

class CElidedLabel;
class CExerciseDock;
class CMdiChild;
class CStepResponseDock;
class CVorlintView;
class QLabel;
class QStatusBar;

/// The numbers of the active simulation window, refreshed ten times a second at most so that they
/// can be read: in the status bar the newest sample (set point, point, power), the simulated time of
/// the run and the steps really made per second, and while its formula fails why; in the
/// step-response dock its figures, and in the exercise dock its document's exercise held to them.
class CActiveWindowReadout : public QObject {
    Q_OBJECT

public:
    static constexpr int kRefreshIntervalMs = 100;

    /// Adds its pane to `statusBar`; `activeChild` tells the window to read, or nullptr for none.
    CActiveWindowReadout(QStatusBar& statusBar, CStepResponseDock& dock, CExerciseDock& exerciseDock,
                         std::function<CMdiChild*()> activeChild);

    QLabel* Pane() const { return m_pPane; }
    /// Why the active window's formula fails, hidden while it gives numbers; cut to the room the readout
    /// leaves it, whole in its tooltip.
    CElidedLabel* PlantFailurePane() const { return m_pPlantFailure; }
    /// Reads the active window now, as the timer does.
    void Refresh();

    /// The status bar's text for `view`, with `stepsPerSecond` (NaN while unknown).
    static QString ReadoutText(const CVorlintView& view, double stepsPerSecond);

private:
    void CountSteps(CVorlintView& view);
    void ShowPlantFailure(const QString& note);
    void ShowExercise(const CMdiChild& child);

    QLabel* m_pPane;
    CElidedLabel* m_pPlantFailure;
    CStepResponseDock& m_dock;
    CExerciseDock& m_exerciseDock;
    std::function<CMdiChild*()> m_activeChild;
    QPointer<CVorlintView> m_pCountedView;
    CStepRateCounter m_rate;
    QTimer m_timer;
    /// What the exercise dock shows now: a stopped window's dock is not rebuilt ten times a second,
    /// however many checks the exercise has.
    struct ShownExercise {
        const void* document = nullptr;
        std::uint64_t revision = 0;
        std::size_t window = 0;
        StepResponseFigures figures;
        bool operator==(const ShownExercise& other) const;
    };
    ShownExercise m_shownExercise;
};

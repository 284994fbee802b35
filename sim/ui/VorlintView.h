#pragma once

#include "ChartPicture.h"
#include "ChartStyle.h"
#include "EventSchedule.h"
#include "PanelHook.h"
#include "PlantModels.h"
#include "Simulation.h"
#include "StepTimer.h"
#include "TuningLab.h"
#include "WindowState.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QPainter;
class QRect;
class QRectF;

/// One simulation window's client area: owns the simulation, its timer and the off-screen image of
/// its strip chart, and shows a cursor that reads the chart where the mouse hovers over it. The frame around
/// it (when there is one) installs its panel hook, through which the step, the paint and the initial update
/// exchange values with the panels.
class CVorlintView : public QWidget, public CSimulation, public CWindowState, public CChartPicture {
    Q_OBJECT

public:
    /// The "Real" periods that arm the timer: [kMinRealStepMs, kMaxRealStepMs).
    static constexpr std::uint32_t kMinRealStepMs = 1;
    static constexpr std::uint32_t kMaxRealStepMs = 5000;
    /// The repaint interval when the screen does not tell its refresh rate (60 Hz).
    static constexpr int kDefaultFrameIntervalMs = 16;

    explicit CVorlintView(QWidget* parent = nullptr);

    /// The panels' side of the exchange, or nullptr for a view without panels.
    void SetPanelHook(CPanelHook* hook) { m_pPanelHook = hook; }

    /// The window's scheduled events (its `.vrl` events), applied while it runs from its first step on:
    /// each before step round(atS / dt) + 1, through the panels as if typed. Set during a run, they apply
    /// from its next step on; those whose step has passed wait for the next run.
    void SetScheduledEvents(std::vector<ScheduledEvent> events);
    const std::vector<ScheduledEvent>& ScheduledEvents() const { return m_scheduledEvents; }

    /// Called once after the view is placed in its frame: prepares the frame's trackbars, puts the
    /// point at its minimum and the power at 0, and shows the values in the panels.
    void OnInitialUpdate();
    /// Start command: (re-)arms the timer with the "Real" period and marks the simulation running.
    /// A "Real" value that cannot be a period gives way to the period in effect, which the field
    /// then shows.
    void OnStart();
    /// Stop command: kills the timer and marks the simulation stopped.
    void OnStop();
    bool IsRunning() const { return m_bRunning; }
    /// One step, as on each timer tick. A step that runs out of memory stops the simulation and
    /// reports it through stepFailed.
    void OnTimer();
    /// Paints the chart of the client rectangle `rect` through the off-screen image into `painter`
    /// at (0, 0) in one copy, then updates the frames-per-second figure.
    void OnDraw(QPainter& painter, const QRect& rect);
    /// Paints the chart as this window shows it, laid out for its client size, scaled into `target`
    /// of any painter (the screen's pixmap, an image, SVG, PDF, a printer's page) and clipped to it.
    /// Every picture of the chart goes through here, so that all of them look alike.
    void PaintChartInto(QPainter& painter, const QRectF& target) const override;
    QSize ChartSize() const override { return size(); }

    /// While the plant formula fails, what the window says of it (its corner note, the status bar);
    /// empty while it gives numbers. A hidden plant's note says that the plant fails, not why: the reason
    /// would tell of the formula.
    QString PlantFailureNote() const;

    /// Whether the window hides its plant (an exercise's `hidePlant`): its dialogs, pages and notes show
    /// neither the formula nor the plant's dynamics, and its dialogs do not change them. The setup itself
    /// is untouched, so the file keeps it.
    void SetPlantHidden(bool hidden);
    bool PlantHidden() const { return m_bPlantHidden; }

    /// The palette and the scales the chart is drawn with, on screen and wherever it is painted.
    const ChartStyle& Style() const { return m_chartStyle; }
    void SetChartStyle(const ChartStyle& style);
    /// Whether the hover cursor shows: the mouse is over the chart.
    bool IsCursorShown() const { return m_bCursorShown; }

    /// The "Real" step time changed to `periodMs`: re-arms the running timer with it as period when
    /// it is one (IsRealStepPeriod). A stopped simulation keeps its timer off, so that Start and Stop
    /// stay truthful.
    void OnRealStepChanged(std::uint32_t periodMs);
    static bool IsRealStepPeriod(std::uint32_t periodMs) {
        return periodMs >= kMinRealStepMs && periodMs < kMaxRealStepMs;
    }
    bool IsTimerArmed() const { return m_pTimer->IsActive(); }
    /// The period in effect in milliseconds: the armed timer's, or the last one armed.
    int TimerPeriodMs() const { return m_pTimer->PeriodMs(); }
    /// Puts `timer` in the place of the platform's step timer (tests drive the steps with their own).
    void SetStepTimer(std::unique_ptr<CStepTimer> timer);

    /// Remembers what the tuning dialog last found for this window (a relay's cycle also as below), for
    /// the lab report.
    void RememberTuning(const TuningResult& result);
    const std::optional<TuningResult>& LastTuning() const { return m_lastTuning; }
    /// Remembers the ultimate cycle a relay experiment found on this window's plant as it is now.
    void RememberRelayCycle(const UltimateCycle& cycle);
    /// That cycle while the plant, set point included, is still the one it was found on; empty otherwise.
    std::optional<UltimateCycle> RelayCycle() const;

signals:
    /// Emitted when Start or Stop changes IsRunning().
    void runningChanged(bool running);
    /// A step failed and stopped the simulation; `message` tells the user why.
    void stepFailed(const QString& message);
    /// RememberRelayCycle was called.
    void relayCycleRemembered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void BeforeStep() override;
    /// Applies the scheduled events due before the step about to run.
    void ApplyDueEvents();
    void AfterStep() override;

private:
    void ExchangeWithPanels(bool bSave);
    void ArmTimer(int periodMs);
    void SetRunning(bool running);
    void InvalidateChart();
    int FrameIntervalMs() const;

    CPanelHook* m_pPanelHook = nullptr;
    std::vector<ScheduledEvent> m_scheduledEvents;
    /// Built at the run's first step, from the step time then in effect.
    std::unique_ptr<CEventSchedule> m_pSchedule;
    std::uint64_t m_nRunSteps = 0; ///< steps since the initial update
    std::unique_ptr<CStepTimer> m_pTimer;
    /// A 32-bit image rather than a pixmap: the chart's traces are drawn straight into its pixels.
    QImage m_bitmap;
    ChartStyle m_chartStyle;
    bool m_bCursorShown = false;
    bool m_bPlantHidden = false;
    QPoint m_cursorPos;
    /// Time since the last paint, and the pending repaint of a step that came too soon after it.
    QElapsedTimer m_sinceLastPaint;
    QTimer m_repaintTimer;
    std::optional<UltimateCycle> m_relayCycle;
    std::optional<TuningResult> m_lastTuning;
    std::string m_relayPlant; ///< the setup's settingsSnapshot when the cycle was found
};

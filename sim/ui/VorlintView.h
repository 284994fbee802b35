#pragma once

#include "PanelHook.h"
#include "Simulation.h"
#include "WindowState.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class QPainter;
class QRect;

/// One simulation window's client area: owns the simulation, its timer and the off-screen pixmap of
/// its strip chart. The frame around it (when there is one) installs its panel hook, through which
/// the step, the paint and the initial update exchange values with the panels.
class CVorlintView : public QWidget, public CSimulation, public CWindowState {
    Q_OBJECT

public:
    /// Start's period: the fastest rate the window timer allows, whatever the "Real" field says.
    static constexpr int kStartPeriodMs = 1;
    /// The repaint interval when the screen does not tell its refresh rate (60 Hz).
    static constexpr int kDefaultFrameIntervalMs = 16;

    explicit CVorlintView(QWidget* parent = nullptr);

    /// The panels' side of the exchange, or nullptr for a view without panels.
    void SetPanelHook(CPanelHook* hook) { m_pPanelHook = hook; }

    /// Called once after the view is placed in its frame: prepares the frame's trackbars, puts the
    /// point at its minimum and the power at 0, and shows the values in the panels.
    void OnInitialUpdate();
    /// Start command: (re-)arms the timer at kStartPeriodMs and marks the simulation running.
    void OnStart();
    /// Stop command: kills the timer and marks the simulation stopped.
    void OnStop();
    bool IsRunning() const { return m_bRunning; }
    /// One step, as on each timer tick. A step that runs out of memory stops the simulation and
    /// reports it through stepFailed.
    void OnTimer();
    /// Paints the chart of the client rectangle `rect` through the off-screen pixmap into `painter`
    /// at (0, 0) in one copy, then updates the frames-per-second figure. Printing passes a scaled painter.
    void OnDraw(QPainter& painter, const QRect& rect);

    /// The "Real" step time changed to `periodMs`: re-arms the running timer with it as period.
    /// A stopped simulation keeps its timer off, so that Start and Stop stay truthful.
    void OnRealStepChanged(std::uint32_t periodMs);
    bool IsTimerArmed() const { return m_timer.isActive(); }
    /// The armed timer's period in milliseconds (meaningful while IsTimerArmed()).
    int TimerPeriodMs() const { return m_timer.interval(); }

signals:
    /// Emitted when Start or Stop changes IsRunning().
    void runningChanged(bool running);
    /// A step failed and stopped the simulation; `message` tells the user why.
    void stepFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void BeforeStep() override;
    void AfterStep() override;

private:
    void ExchangeWithPanels(bool bSave);
    void ArmTimer(int periodMs);
    void SetRunning(bool running);
    void InvalidateChart();
    int FrameIntervalMs() const;

    CPanelHook* m_pPanelHook = nullptr;
    QTimer m_timer;
    QPixmap m_bitmap;
    /// Time since the last paint, and the pending repaint of a step that came too soon after it.
    QElapsedTimer m_sinceLastPaint;
    QTimer m_repaintTimer;
};

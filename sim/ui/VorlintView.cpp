#include "VorlintView.h"

#include "ChartPainter.h"
#include "StepClock.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <new>

CVorlintView::CVorlintView(QWidget* parent) : QWidget(parent), m_bitmap(1, 1) {
    // The chart covers the whole client area on every paint: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CVorlintView::OnTimer);
    m_repaintTimer.setSingleShot(true);
    connect(&m_repaintTimer, &QTimer::timeout, this, QOverload<>::of(&QWidget::update));
}

void CVorlintView::ExchangeWithPanels(bool bSave) {
    if (m_pPanelHook != nullptr)
        m_pPanelHook->ExchangePanels(bSave);
}

void CVorlintView::OnInitialUpdate() {
    if (m_pPanelHook != nullptr)
        m_pPanelHook->PrepareTrackbars();
    InitialUpdate();
    ExchangeWithPanels(false);
}

void CVorlintView::OnStart() {
    ArmTimer(kStartPeriodMs);
    SetRunning(true);
}

void CVorlintView::OnStop() {
    m_timer.stop();
    SetRunning(false);
}

void CVorlintView::OnTimer() {
    try {
        Step();
    } catch (const std::bad_alloc&) {
        // A step that found no memory would find none at the next tick either.
        OnStop();
        emit stepFailed(QStringLiteral("Memória insuficiente: a simulação desta janela foi parada."));
    }
}

void CVorlintView::OnRealStepChanged(std::uint32_t periodMs) {
    if (m_bRunning)
        ArmTimer(static_cast<int>(periodMs));
}

void CVorlintView::ArmTimer(int periodMs) {
    m_timer.start(periodMs);
}

void CVorlintView::SetRunning(bool running) {
    if (m_bRunning == running)
        return;
    m_bRunning = running;
    emit runningChanged(running);
}

void CVorlintView::BeforeStep() {
    ExchangeWithPanels(true);
}

void CVorlintView::AfterStep() {
    ExchangeWithPanels(false);
    InvalidateChart();
}

void CVorlintView::InvalidateChart() {
    // Steps come every millisecond but the screen shows a frame per refresh: the chart is repainted
    // at most once per refresh, always after the newest step, so that painting frames nobody sees
    // does not hold the steps back.
    if (m_repaintTimer.isActive())
        return;
    const int interval = FrameIntervalMs();
    const qint64 sinceLastPaint = m_sinceLastPaint.isValid() ? m_sinceLastPaint.elapsed() : interval;
    if (sinceLastPaint >= interval)
        update();
    else
        m_repaintTimer.start(static_cast<int>(interval - sinceLastPaint));
}

int CVorlintView::FrameIntervalMs() const {
    const QScreen* display = screen();
    const qreal refreshRate = display != nullptr ? display->refreshRate() : 0.0;
    return refreshRate >= 1.0 ? std::max(1, static_cast<int>(1000.0 / refreshRate)) : kDefaultFrameIntervalMs;
}

void CVorlintView::OnDraw(QPainter& painter, const QRect& rect) {
    CStepClock clock(Counter());
    clock.Start();
    {
        QPainter memory(&m_bitmap);
        PaintChart(memory, rect, m_history, *this);
    }
    painter.drawPixmap(0, 0, m_bitmap, 0, 0, rect.width(), rect.height());

    const double seconds = clock.Elapsed(CStepClock::kSeconds);
    if (seconds == 0.0)
        return;
    ExchangeWithPanels(true);
    m_dFps = 1.0 / seconds;
    ExchangeWithPanels(false);
}

void CVorlintView::paintEvent(QPaintEvent*) {
    m_sinceLastPaint.start();
    QPainter painter(this);
    OnDraw(painter, rect());
}

void CVorlintView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    // A minimised window keeps its pixmap; any real size gets a fresh one of exactly that size.
    if (!size.isEmpty())
        m_bitmap = QPixmap(size);
}

#include "VorlintView.h"

#include "ChartCursor.h"
#include "ChartNote.h"
#include "ChartPainter.h"
#include "FormulaFailureText.h"
#include "PlotPaintScope.h"
#include "SettingsTable.h"
#include "StepClock.h"
#include "StepTimerFactory.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <new>

CVorlintView::CVorlintView(QWidget* parent) : QWidget(parent), m_bitmap(1, 1, QImage::Format_RGB32) {
    // The chart covers the whole client area on every paint: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    m_recording.setCapacity(RunRecording::kCapacity);
    SetStepTimer(CreateStepTimer());
    m_repaintTimer.setSingleShot(true);
    connect(&m_repaintTimer, &QTimer::timeout, this, QOverload<>::of(&QWidget::update));
}

void CVorlintView::SetStepTimer(std::unique_ptr<CStepTimer> timer) {
    m_pTimer = std::move(timer);
    connect(m_pTimer.get(), &CStepTimer::tick, this, &CVorlintView::OnTimer);
}

namespace {

/// What a relay experiment depends on: the plant, the controller's options and the set point.
std::string PlantSnapshot(const CVorlintView& view) {
    return settingsSnapshot(SettingSource(view, &view), [](const SettingRow& row) { return row.isSetup(); });
}

} // namespace

void CVorlintView::RememberTuning(const TuningResult& result) {
    m_lastTuning = result;
    if (result.cycle)
        RememberRelayCycle(*result.cycle);
}

void CVorlintView::RememberRelayCycle(const UltimateCycle& cycle) {
    m_relayCycle = cycle;
    m_relayPlant = PlantSnapshot(*this);
    emit relayCycleRemembered();
}

std::optional<UltimateCycle> CVorlintView::RelayCycle() const {
    if (m_relayCycle && m_relayPlant == PlantSnapshot(*this))
        return m_relayCycle;
    return std::nullopt;
}

void CVorlintView::ExchangeWithPanels(bool bSave) {
    if (m_pPanelHook != nullptr)
        m_pPanelHook->ExchangePanels(bSave);
}

void CVorlintView::OnInitialUpdate() {
    if (m_pPanelHook != nullptr)
        m_pPanelHook->PrepareTrackbars();
    InitialUpdate();
    m_nRunSteps = 0;
    m_bShowMeasurement = MeasurementDiffersFromPoint();
    ExchangeWithPanels(false);
}

void CVorlintView::OnStart() {
    if (!IsRealStepPeriod(m_nRealStepMs)) {
        m_nRealStepMs = static_cast<std::uint32_t>(TimerPeriodMs());
        ExchangeWithPanels(false);
    }
    ArmTimer(static_cast<int>(m_nRealStepMs));
    SetRunning(true);
}

void CVorlintView::OnStop() {
    m_pTimer->Stop();
    SetRunning(false);
}

void CVorlintView::OnTimer() {
    try {
        Step();
    } catch (const std::bad_alloc&) {
        // A step that found no memory would find none at the next tick either.
        OnStop();
        emit stepFailed(tr("Memória insuficiente: a simulação desta janela foi parada."));
    }
}

void CVorlintView::OnRealStepChanged(std::uint32_t periodMs) {
    if (m_bRunning && IsRealStepPeriod(periodMs))
        ArmTimer(static_cast<int>(periodMs));
}

void CVorlintView::ArmTimer(int periodMs) {
    m_pTimer->Start(periodMs);
}

void CVorlintView::SetRunning(bool running) {
    if (m_bRunning == running)
        return;
    m_bRunning = running;
    emit runningChanged(running);
}

void CVorlintView::BeforeStep() {
    ExchangeWithPanels(true);
    ApplyDueEvents();
}

void CVorlintView::SetScheduledEvents(std::vector<ScheduledEvent> events) {
    m_scheduledEvents = std::move(events);
    if (m_nRunSteps > 0)
        m_pSchedule->Replace(m_scheduledEvents);
}

void CVorlintView::ApplyDueEvents() {
    if (++m_nRunSteps == 1)
        m_pSchedule = std::make_unique<CEventSchedule>(m_scheduledEvents, StepSeconds(m_nSimStepMs));
    const std::vector<SettingChange> due = m_pSchedule->TakeDue(m_nRunSteps);
    if (due.empty())
        return;
    if (m_pPanelHook != nullptr) {
        m_pPanelHook->ApplySettings(due);
        return;
    }
    SettingTarget target{*this, this};
    for (const SettingChange& change : due)
        applySetting(target, *change.row, change.value);
}

void CVorlintView::AfterStep() {
    if (m_stepResponse.BeganWithNewestStep())
        m_setups.Note(static_cast<std::uint64_t>(m_stepResponse.Figures().responseStartStep),
                      setupValues(SettingSource(*this, this)));
    m_bShowMeasurement = MeasurementDiffersFromPoint();
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
        PaintChartInto(memory, rect);
        if (m_bCursorShown)
            PaintChartCursor(memory, rect, m_history, *this, m_chartStyle, m_cursorPos);
        if (PlantStatus() != 0)
            PaintChartNote(memory, rect, PlantFailureNote());
    }
    painter.drawImage(0, 0, m_bitmap, 0, 0, rect.width(), rect.height());

    const double seconds = clock.Elapsed(CStepClock::kSeconds);
    if (seconds == 0.0)
        return;
    ExchangeWithPanels(true);
    m_dFps = 1.0 / seconds;
    ExchangeWithPanels(false);
}

QString CVorlintView::PlantFailureNote() const {
    if (PlantStatus() == 0)
        return QString();
    if (m_bPlantHidden)
        return tr("A planta oculta falhou: o point fica parado até ela dar um número de novo.");
    return tr("Erro na fórmula: %1 O point fica parado até a fórmula dar um número de novo.")
        .arg(FormulaFailureText(PlantStatus(), m_strFormula));
}

void CVorlintView::SetPlantHidden(bool hidden) {
    m_bPlantHidden = hidden;
    // The chart's note on a failing plant changes with it.
    update();
}

void CVorlintView::PaintChartInto(QPainter& painter, const QRectF& target) const {
    const QRect layout = rect();
    if (layout.isEmpty() || target.isEmpty())
        return;
    const PlotPaintScope scope(painter, target, PlotBackground::Own);
    painter.scale(target.width() / layout.width(), target.height() / layout.height());
    PaintChart(painter, layout, m_history, *this, m_chartStyle);
}

void CVorlintView::paintEvent(QPaintEvent*) {
    m_sinceLastPaint.start();
    QPainter painter(this);
    OnDraw(painter, rect());
}

void CVorlintView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    // A minimised window keeps its image; any real size gets a fresh one of exactly that size.
    if (!size.isEmpty())
        m_bitmap = QImage(size, QImage::Format_RGB32);
}

void CVorlintView::SetChartStyle(const ChartStyle& style) {
    m_chartStyle = style;
    update();
}

void CVorlintView::mouseMoveEvent(QMouseEvent* event) {
    m_bCursorShown = true;
    m_cursorPos = event->position().toPoint();
    update();
    QWidget::mouseMoveEvent(event);
}

void CVorlintView::leaveEvent(QEvent* event) {
    m_bCursorShown = false;
    update();
    QWidget::leaveEvent(event);
}

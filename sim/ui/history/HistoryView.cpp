#include "HistoryView.h"

#include "ChartSeries.h"
#include "HistoryChart.h"
#include "ReadingText.h"
#include "SampleCsv.h"
#include "StepResponseDock.h"
#include "VorlintView.h"

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

/// Simulated steps are whole milliseconds.
constexpr int kTimeDecimals = 3;

} // namespace

CHistoryView::CHistoryView(CVorlintView& view)
    : QMainWindow(&view, Qt::Window), m_view(view), m_pChart(new CHistoryChart(view.m_recording, view)),
      m_pScrollBar(new QScrollBar(Qt::Horizontal)), m_pInfo(new QLabel),
      m_pDock(new CStepResponseDock(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Histórico da execução"));
    m_pChart->Style().palette = view.Style().palette;
    m_pChart->Style().showScale = view.Style().showScale;

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pChart, 1);
    layout->addWidget(m_pScrollBar);
    layout->addWidget(m_pInfo);
    m_pInfo->setWordWrap(true);
    setCentralWidget(central);
    addDockWidget(Qt::RightDockWidgetArea, m_pDock);
    CreateToolBar();

    connect(m_pChart, &CHistoryChart::rangeChanged, this, &CHistoryView::ShowRange);
    connect(m_pChart, &CHistoryChart::stepClicked, this, &CHistoryView::PickResponseNear);
    connect(m_pChart, &CHistoryChart::stepHovered, this, &CHistoryView::ShowHovered);
    connect(m_pScrollBar, &QScrollBar::valueChanged, m_pChart, &CHistoryChart::ScrollTo);
    connect(&m_timer, &QTimer::timeout, this, &CHistoryView::Refresh);
    m_timer.start(kRefreshIntervalMs);
    resize(900, 480);
    m_pChart->FitAll();
}

void CHistoryView::CreateToolBar() {
    QToolBar* bar = addToolBar(tr("Histórico"));
    bar->setObjectName(QStringLiteral("historyToolbar"));
    bar->addAction(tr("Ajustar tudo"), m_pChart, &CHistoryChart::FitAll)
        ->setObjectName(QStringLiteral("fitAll"));
    bar->addSeparator();
    for (const ChartSeries& series : kChartSeries) {
        if (series.shown == nullptr)
            continue;
        QAction* action = bar->addAction(series.displayName());
        action->setCheckable(true);
        action->setChecked(series.isShownIn(m_pChart->Series()));
        // The table only reads the flags; this window owns its copy of them.
        connect(action, &QAction::toggled, this,
                [this, shown = const_cast<bool CWindowState::*>(series.shown)](bool on) {
                    m_pChart->Series().*shown = on;
                    m_pChart->update();
                });
    }
    QAction* scale = bar->addAction(tr("Escala"));
    scale->setCheckable(true);
    scale->setChecked(m_pChart->Style().showScale);
    connect(scale, &QAction::toggled, this, [this](bool on) {
        m_pChart->Style().showScale = on;
        m_pChart->update();
    });
    // The exports on a row of their own: on one row the Portuguese names run past the window's width and
    // the last ones hide behind the overflow button.
    addToolBarBreak();
    QToolBar* exports = addToolBar(tr("Exportar"));
    exports->setObjectName(QStringLiteral("historyExportToolbar"));
    AddExportButton(*exports, tr("Exportar gráfico"), &CHistoryView::exportChartRequested);
    AddExportButton(*exports, tr("Exportar dados"), &CHistoryView::exportDataRequested);
    AddExportButton(*exports, tr("Relatório do laboratório"), &CHistoryView::labReportRequested);
}

void CHistoryView::AddExportButton(QToolBar& bar, const QString& text, void (CHistoryView::*request)(bool)) {
    auto* button = new QToolButton;
    button->setText(text + QStringLiteral("..."));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    menu->addAction(tr("Toda a gravação..."), this, [this, request] { emit(this->*request)(true); });
    menu->addAction(tr("Trecho visível..."), this, [this, request] { emit(this->*request)(false); });
    button->setMenu(menu);
    bar.addWidget(button);
}

void CHistoryView::Refresh() {
    m_pChart->Follow();
}

void CHistoryView::ShowRange() {
    const HistoryRange& range = m_pChart->Range();
    const RunRecording& recording = m_view.m_recording;
    const std::uint64_t first = recording.empty() ? 1 : recording.stepNumber(0);
    const double visible = range.VisibleSteps();
    {
        const QSignalBlocker quiet(m_pScrollBar);
        const std::uint64_t last = recording.empty() ? first : recording.stepNumber(recording.size() - 1);
        const double latestFirst = std::max(static_cast<double>(first), static_cast<double>(last) - visible);
        m_pScrollBar->setRange(static_cast<int>(first), static_cast<int>(std::ceil(latestFirst)));
        m_pScrollBar->setPageStep(std::max(1, static_cast<int>(visible)));
        m_pScrollBar->setValue(static_cast<int>(std::lround(range.FirstStep())));
    }
    std::size_t shownFirst = 0;
    std::size_t shownLast = 0;
    m_pChart->VisibleIndices(shownFirst, shownLast);
    m_pInfo->setText(
        tr("Passos %1 a %2 de %3 gravados (a janela guarda os últimos %4). Clique perto de uma mudança do "
           "set point para medir aquela resposta.")
            .arg(recording.empty() ? 0 : recording.stepNumber(shownFirst))
            .arg(recording.empty() ? 0 : recording.stepNumber(shownLast))
            .arg(recording.empty() ? 0 : recording.stepNumber(recording.size() - 1))
            .arg(recording.capacity()));
}

void CHistoryView::ShowHovered(std::size_t index) {
    const RecordedStep& step = m_view.m_recording[index];
    m_pInfo->setText(tr("Passo %1, t = %2")
                         .arg(m_view.m_recording.stepNumber(index))
                         .arg(FormatReading(step.sample.timeS, kTimeDecimals, " s")));
}

bool CHistoryView::PickResponseNear(std::size_t index) {
    const double stepsPerColumn = m_pChart->Range().StepsPerColumn();
    const auto reach = static_cast<std::size_t>(std::ceil(kPickColumns * std::max(stepsPerColumn, 1.0)));
    const std::optional<std::size_t> start = NearestResponseStart(m_view.m_recording, index, reach);
    if (!start) {
        m_pInfo->setText(tr("Nenhuma mudança do set point perto do clique."));
        return false;
    }
    m_picked = MeasureRecordedResponse(m_view.m_recording, *start);
    m_pDock->ShowFigures(m_picked.figures, m_picked.stillChanging);
    // Wide enough for every figure shown, whatever the chart would take.
    m_pDock->setMinimumWidth(std::max(m_pDock->minimumWidth(), m_pDock->sizeHint().width()));
    m_pDock->show();
    return true;
}

std::unique_ptr<CChartPicture> CHistoryView::ChartPicture(bool wholeRun) const {
    if (!wholeRun)
        return m_pChart->PictureOf(m_pChart->Range());
    HistoryRange all = m_pChart->Range();
    all.FitAll();
    return m_pChart->PictureOf(all);
}

QByteArray CHistoryView::DataCsv(bool wholeRun) const {
    const RunRecording& recording = m_view.m_recording;
    std::size_t first = 0;
    std::size_t last = recording.empty() ? 0 : recording.size() - 1;
    if (!wholeRun)
        m_pChart->VisibleIndices(first, last);
    return QByteArray::fromStdString(
        recordingCsv(recording, first, last, m_view.MeasurementDiffersFromPoint()));
}

#include "HistoryChart.h"

#include "ChartCursor.h"
#include "ChartPainter.h"
#include "PlotPaintScope.h"
#include "RunRecording.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

/// A range's own chart, so that an export draws what was chosen whatever the screen shows later.
class CRangePicture : public CChartPicture {
public:
    CRangePicture(const CHistoryChart& chart, const HistoryRange& range) : m_chart(chart), m_range(range) {}
    QSize ChartSize() const override { return m_chart.ChartSize(); }
    void PaintChartInto(QPainter& painter, const QRectF& target) const override {
        m_chart.PaintRangeInto(painter, target, m_range);
    }

private:
    const CHistoryChart& m_chart;
    HistoryRange m_range;
};

} // namespace

CHistoryChart::CHistoryChart(const RunRecording& recording, const CWindowState& series, QWidget* parent)
    : QWidget(parent), m_recording(recording), m_series(series) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 120);
    // The history is always drawn with the set point each step had.
    m_style.setPointOverTime = true;
    UpdateBounds();
    m_range.FitAll();
}

int CHistoryChart::Columns() const {
    return std::clamp(width() + 1, 2, kMostColumns);
}

void CHistoryChart::UpdateBounds() {
    const std::uint64_t first = m_recording.empty() ? 1 : m_recording.stepNumber(0);
    const std::uint64_t last = m_recording.empty() ? 1 : m_recording.stepNumber(m_recording.size() - 1);
    m_range.SetBounds(first, last, Columns());
}

void CHistoryChart::Follow() {
    const bool newest = m_range.ShowsNewest();
    UpdateBounds();
    if (m_bFitting)
        m_range.FitAll();
    else if (newest)
        m_range.ShowNewest();
    emit rangeChanged();
    update();
}

void CHistoryChart::FitAll() {
    m_bFitting = true;
    UpdateBounds();
    m_range.FitAll();
    emit rangeChanged();
    update();
}

void CHistoryChart::ScrollTo(double step) {
    m_bFitting = false;
    m_range.ScrollTo(step);
    update();
}

bool CHistoryChart::IndexAt(int column, std::size_t& index) const {
    if (m_recording.empty())
        return false;
    index = IndexOfStep(m_range.StepAt(column));
    return true;
}

std::size_t CHistoryChart::IndexOfStep(std::uint64_t step) const {
    // Steps come between two refreshes of the range, and a full recording drops its oldest then.
    const std::uint64_t oldest = m_recording.stepNumber(0);
    return static_cast<std::size_t>(
        std::min<std::uint64_t>(std::max(step, oldest) - oldest, m_recording.size() - 1));
}

void CHistoryChart::VisibleIndices(std::size_t& first, std::size_t& last) const {
    first = 0;
    last = 0;
    if (IndexAt(0, first))
        IndexAt(Columns() - 1, last);
}

std::unique_ptr<CChartPicture> CHistoryChart::PictureOf(const HistoryRange& range) const {
    return std::make_unique<CRangePicture>(*this, range);
}

void CHistoryChart::FillColumns(const HistoryRange& range) const {
    m_columns = SampleHistory();
    if (m_recording.empty())
        return;
    for (int column = 0; column < Columns(); ++column)
        m_columns.push_back(m_recording[IndexOfStep(range.StepAt(column))].sample);
}

void CHistoryChart::PaintChartInto(QPainter& painter, const QRectF& target) const {
    PaintRangeInto(painter, target, m_range);
}

void CHistoryChart::PaintRangeInto(QPainter& painter, const QRectF& target, const HistoryRange& range) const {
    const QRect layout = rect();
    if (layout.isEmpty() || target.isEmpty())
        return;
    FillColumns(range);
    const PlotPaintScope scope(painter, target, PlotBackground::Own);
    painter.scale(target.width() / layout.width(), target.height() / layout.height());
    PaintChart(painter, layout, m_columns, m_series, m_style);
}

void CHistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChartInto(painter, rect());
    if (m_bCursorShown)
        PaintChartCursor(painter, rect(), m_columns, m_series, m_style, m_cursorPos);
}

void CHistoryChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Follow();
}

void CHistoryChart::wheelEvent(QWheelEvent* event) {
    const QPoint notches = event->angleDelta() / 120;
    m_bFitting = m_bFitting && notches.isNull();
    if (notches.y() != 0)
        m_range.Zoom(std::pow(kZoomPerNotch, notches.y()), ColumnAt(event->position().toPoint().x()));
    else if (notches.x() != 0)
        m_range.ScrollColumns(-notches.x() * width() / 10.0);
    emit rangeChanged();
    update();
    event->accept();
}

void CHistoryChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_bPressed = true;
    m_pressPos = event->position().toPoint();
    m_nLastDragX = m_pressPos.x();
}

void CHistoryChart::mouseMoveEvent(QMouseEvent* event) {
    m_bCursorShown = true;
    m_cursorPos = event->position().toPoint();
    if (m_bPressed) {
        // The steps follow the mouse: a drag to the right shows earlier steps.
        m_bFitting = false;
        m_range.ScrollColumns(m_nLastDragX - m_cursorPos.x());
        m_nLastDragX = m_cursorPos.x();
        emit rangeChanged();
    }
    std::size_t index = 0;
    if (IndexAt(ColumnAt(m_cursorPos.x()), index))
        emit stepHovered(index);
    update();
}

void CHistoryChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_bPressed)
        return QWidget::mouseReleaseEvent(event);
    m_bPressed = false;
    const QPoint at = event->position().toPoint();
    std::size_t index = 0;
    if ((at - m_pressPos).manhattanLength() <= kClickSlop && IndexAt(ColumnAt(at.x()), index))
        emit stepClicked(index);
}

void CHistoryChart::leaveEvent(QEvent* event) {
    m_bCursorShown = false;
    update();
    QWidget::leaveEvent(event);
}

#include "ChartTraces.h"

#include "ChartSeries.h"
#include "SampleHistory.h"
#include "TraceRaster.h"
#include "TraceRasterCheck.h"

#include <QLine>
#include <QPainter>

#include <cmath>
#include <limits>
#include <vector>

namespace {

/// The row of a sample whose coordinate is not a number: it draws no segment.
constexpr int kNoRow = std::numeric_limits<int>::min();

/// The rows of the samples a series draws, newest first: one per column from the right edge.
void computeRows(const ChartGeometry& geometry, const SampleHistory& history, const ChartSeries& series,
                 std::vector<int>& rows) {
    rows.clear();
    std::size_t sample = history.size();
    for (int x = geometry.right; sample > 0 && x >= geometry.left; --x) {
        const double y = geometry.scaledY(series.scale, history[--sample].*series.value);
        rows.push_back(std::isnan(y) ? kNoRow : ChartGeometry::toPixel(y));
    }
}

/// Each pair of neighbouring rows as one segment, the newer at x + 1 and the older at x, in the order
/// the painter has always had them. The raster draws what it can; the rest goes to the painter in
/// one call, so that the pen is set once a series.
void drawSegments(QPainter& painter, const ChartGeometry& geometry, const QPen& pen,
                  const std::vector<int>& rows, std::vector<QLine>& leftOver) {
    CTraceRaster raster(painter, pen);
    const bool direct = raster.IsReady() && TraceRasterMatchesEngine();
    leftOver.clear();
    int x = geometry.right - 1;
    for (std::size_t newer = 0; newer + 1 < rows.size() && x > geometry.left; ++newer, --x) {
        const int newY = rows[newer];
        const int oldY = rows[newer + 1];
        if (newY == kNoRow || oldY == kNoRow)
            continue;
        if (!direct || !raster.DrawSegment(x, newY, oldY))
            leftOver.emplace_back(x + 1, newY, x, oldY);
    }
    painter.setPen(pen);
    painter.drawLines(leftOver.data(), static_cast<int>(leftOver.size()));
}

/// Draws series after series, reusing the rows' and segments' memory.
class SeriesDrawer {
public:
    SeriesDrawer(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens,
                 const SampleHistory& history)
        : m_painter(painter), m_geometry(geometry), m_pens(pens), m_history(history) {
        m_rows.reserve(history.size());
        m_leftOver.reserve(history.size());
    }

    void draw(const ChartSeries& series) {
        computeRows(m_geometry, m_history, series, m_rows);
        drawSegments(m_painter, m_geometry, m_pens.*series.pen, m_rows, m_leftOver);
    }

private:
    QPainter& m_painter;
    const ChartGeometry& m_geometry;
    const ChartPens& m_pens;
    const SampleHistory& m_history;
    std::vector<int> m_rows;
    std::vector<QLine> m_leftOver;
};

} // namespace

void DrawTraces(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens,
                const SampleHistory& history, const CWindowState& window) {
    SeriesDrawer drawer(painter, geometry, pens, history);
    for (const ChartSeries* series : kTraceOrder) {
        if (series->isShownIn(window))
            drawer.draw(*series);
    }
}

void DrawSetPointTrace(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens,
                       const SampleHistory& history) {
    // The legend's first series is the set point.
    SeriesDrawer(painter, geometry, pens, history).draw(kChartSeries.front());
}

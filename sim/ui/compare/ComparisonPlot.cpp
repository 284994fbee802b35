#include "ComparisonPlot.h"

#include "BrokenLine.h"
#include "PanelText.h"
#include "PlotPaintScope.h"
#include "PlotTicks.h"
#include "PlotValueSpan.h"
#include "ReadingText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

/// Okabe and Ito's colours, which colour-blind readers tell apart, leaving out the yellow.
const QColor kColors[] = {{0, 114, 178},  {213, 94, 0},  {0, 158, 115}, {204, 121, 167},
                          {86, 180, 233}, {230, 159, 0}, {0, 0, 0}};
const QColor kAxisGrey(128, 128, 128);
constexpr double kPadding = 6.0;
/// The legend's sample line and the gap after it, before the name.
constexpr double kLegendLine = 20.0;
constexpr double kTickLength = 4.0;
/// At most this many steps between the ticks of an axis.
constexpr int kMostTicks = 6;

QColor colorOf(std::size_t index) {
    return kColors[index % std::size(kColors)];
}

/// The dashed line a response is compared with: its set point, or z = 1.
double referenceLine(const NamedResponse& named, bool normalized) {
    return normalized ? 1.0 : named.response.figures.setPoint;
}

/// The values and times the plot spans.
struct PlotRange {
    double timeS = 1.0;
    double low = 0.0;
    double high = 1.0;
};

/// The span of `responses`, whose shown values are `shown`, one vector per response.
PlotRange rangeOf(const std::vector<NamedResponse>& responses, const std::vector<std::vector<double>>& shown,
                  bool normalized) {
    PlotValueSpan span;
    double lastMs = 0.0;
    for (std::size_t i = 0; i < responses.size(); ++i) {
        const NamedResponse& named = responses[i];
        for (double value : shown[i])
            span.Include(value);
        span.Include(referenceLine(named, normalized));
        if (!named.response.timeMs.empty())
            lastMs = std::max(lastMs, static_cast<double>(named.response.timeMs.back()));
    }
    if (normalized)
        span.Include(0.0);
    return {lastMs > 0.0 ? lastMs / 1000.0 : 1.0, span.Low(), span.High()};
}

/// Maps simulated time and value into the plot's area.
struct PlotMapping {
    QRectF area;
    PlotRange range;

    QPointF at(double timeS, double value) const {
        return {area.left() + area.width() * timeS / range.timeS,
                area.bottom() - area.height() * (value - range.low) / (range.high - range.low)};
    }
};

/// Draws the legend from the top of `frame`, an entry after the other, on as many lines as the
/// names need so that none is cut; returns where the legend ends.
double drawLegend(QPainter& painter, const QRectF& frame, const std::vector<NamedResponse>& responses) {
    const QFontMetricsF metrics(painter.font());
    double x = frame.left() + kPadding;
    double y = frame.top() + kPadding + metrics.ascent();
    for (std::size_t i = 0; i < responses.size(); ++i) {
        const QString text = ComparisonLegendText(responses[i]);
        const double width = kLegendLine + metrics.horizontalAdvance(text);
        if (x > frame.left() + kPadding && x + width > frame.right() - kPadding) {
            x = frame.left() + kPadding;
            y += metrics.lineSpacing();
        }
        painter.setPen(QPen(colorOf(i), 2));
        painter.drawLine(QPointF(x, y - metrics.ascent() / 3), QPointF(x + 16, y - metrics.ascent() / 3));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 20, y), text);
        x += width + 10;
    }
    return y + metrics.descent() + kPadding;
}

/// The frame of the area, and on both axes ticks at round values with their labels.
void drawAxes(QPainter& painter, const PlotMapping& map) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(kAxisGrey, 0));
    painter.drawRect(map.area);
    for (double value : PlotTicks(map.range.low, map.range.high, kMostTicks)) {
        const QPointF at = map.at(0.0, value);
        painter.setPen(QPen(kAxisGrey, 0));
        painter.drawLine(at, at + QPointF(kTickLength, 0.0));
        painter.setPen(Qt::black);
        const QString label = FormatSignificant(value, 4, "");
        painter.drawText(
            QPointF(at.x() - kPadding - metrics.horizontalAdvance(label), at.y() + metrics.ascent() / 2 - 1),
            label);
    }
    for (double timeS : PlotTicks(0.0, map.range.timeS, kMostTicks)) {
        const QPointF at = map.at(timeS, map.range.low);
        painter.setPen(QPen(kAxisGrey, 0));
        painter.drawLine(at, at - QPointF(0.0, kTickLength));
        painter.setPen(Qt::black);
        const QString label = FormatSignificant(timeS, 4, " s");
        // Centred under its tick, but kept within the area's width at either end.
        const double width = metrics.horizontalAdvance(label);
        const double left = std::max(map.area.left(), std::min(at.x() - width / 2, map.area.right() - width));
        painter.drawText(QPointF(left, map.area.bottom() + metrics.height()), label);
    }
}

/// The samples that fall in one pixel column: the first, the lowest, the highest and the last.
class ColumnEnvelope {
public:
    bool takes(const QPointF& point) {
        if (m_count == 0 || std::floor(point.x()) != std::floor(m_first.x()))
            return false;
        m_low = point.y() > m_low.y() ? point : m_low;
        m_high = point.y() < m_high.y() ? point : m_high;
        m_last = point;
        ++m_count;
        return true;
    }
    void start(const QPointF& point) {
        m_first = m_low = m_high = m_last = point;
        m_count = 1;
    }
    /// Appends the column's points to `points` and empties it.
    void flush(std::vector<QPointF>& points) {
        if (m_count == 0)
            return;
        points.push_back(m_first);
        if (m_count > 1) {
            const bool lowFirst = m_low.x() <= m_high.x();
            points.push_back(lowFirst ? m_low : m_high);
            points.push_back(lowFirst ? m_high : m_low);
            points.push_back(m_last);
        }
        m_count = 0;
    }

private:
    QPointF m_first, m_low, m_high, m_last;
    std::size_t m_count = 0;
};

void drawResponse(QPainter& painter, const PlotMapping& map, const NamedResponse& named,
                  const std::vector<double>& values, QColor color, bool normalized) {
    const double reference = referenceLine(named, normalized);
    if (std::isfinite(reference)) {
        painter.setPen(QPen(color, 1, Qt::DashLine));
        painter.drawLine(map.at(0.0, reference), map.at(map.range.timeS, reference));
    }
    // A long response has many samples to a pixel column: each column's first, lowest, highest and last
    // draw the same picture at a cost bounded by the width.
    std::vector<QPointF> points;
    ColumnEnvelope column;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QPointF point = map.at(static_cast<double>(named.response.timeMs[i]) / 1000.0, values[i]);
        if (!std::isfinite(values[i])) {
            column.flush(points);
            points.push_back(point); // breaks the line
        } else if (!column.takes(point)) {
            column.flush(points);
            column.start(point);
        }
    }
    column.flush(points);
    painter.setPen(QPen(color, 1.5));
    painter.drawPath(BrokenLine(points));
}

} // namespace

QString ComparisonLegendText(const NamedResponse& named) {
    const PidGains& gains = named.response.gains;
    return QCoreApplication::translate("CComparisonPlot", "%1: Kp %2  Ki %3  Kd %4")
        .arg(named.name, formatPanelNumber(gains.kp, kGainFormat), formatPanelNumber(gains.ki, kGainFormat),
             formatPanelNumber(gains.kd, kGainFormat));
}

CComparisonPlot::CComparisonPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 200);
}

void CComparisonPlot::Show(std::vector<NamedResponse> responses, bool normalized) {
    m_responses = std::move(responses);
    m_bNormalized = normalized;
    update();
}

QSize CComparisonPlot::sizeHint() const {
    return QSize(560, 360);
}

void CComparisonPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintInto(painter, rect());
}

void CComparisonPlot::PaintInto(QPainter& painter, const QRectF& target) const {
    const PlotPaintScope scope(painter, target);
    const QRectF frame = scope.Frame();
    const QFontMetricsF metrics(painter.font());
    const double left = metrics.horizontalAdvance(QStringLiteral("-0,0000e+00")) + 2 * kPadding;
    const double legendBottom = drawLegend(painter, frame, m_responses);
    const QRectF area(QPointF(frame.left() + left, legendBottom + metrics.ascent() / 2),
                      QPointF(frame.right() - kPadding, frame.bottom() - (metrics.height() + kPadding)));
    // Each response's shown values once a paint: the range and the curve both read them.
    std::vector<std::vector<double>> shown;
    shown.reserve(m_responses.size());
    for (const NamedResponse& named : m_responses)
        shown.push_back(ShownValues(named.response, m_bNormalized));
    const PlotMapping map{area, rangeOf(m_responses, shown, m_bNormalized)};
    drawAxes(painter, map);
    if (m_bNormalized) {
        painter.setPen(QPen(kAxisGrey, 0, Qt::DotLine));
        painter.drawLine(map.at(0.0, 0.0), map.at(map.range.timeS, 0.0));
    }
    for (std::size_t i = 0; i < m_responses.size(); ++i)
        drawResponse(painter, map, m_responses[i], shown[i], colorOf(i), m_bNormalized);
}

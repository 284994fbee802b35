#include "ComparisonPlot.h"

#include "PanelText.h"
#include "ReadingText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

/// Okabe and Ito's colours, which colour-blind readers tell apart, leaving out the yellow.
const QColor kColors[] = {{0, 114, 178},  {213, 94, 0},  {0, 158, 115}, {204, 121, 167},
                          {86, 180, 233}, {230, 159, 0}, {0, 0, 0}};
const QColor kAxisGrey(128, 128, 128);
/// The room left above the highest and below the lowest value, as a part of their range.
constexpr double kMargin = 0.05;
constexpr double kPadding = 6.0;

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
    double low = HUGE_VAL;
    double high = -HUGE_VAL;

    void include(double value) {
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
};

/// The span of `responses`, whose shown values are `shown`, one vector per response.
PlotRange rangeOf(const std::vector<NamedResponse>& responses, const std::vector<std::vector<double>>& shown,
                  bool normalized) {
    PlotRange range;
    double lastMs = 0.0;
    for (std::size_t i = 0; i < responses.size(); ++i) {
        const NamedResponse& named = responses[i];
        for (double value : shown[i])
            range.include(value);
        range.include(referenceLine(named, normalized));
        if (!named.response.timeMs.empty())
            lastMs = std::max(lastMs, static_cast<double>(named.response.timeMs.back()));
    }
    if (normalized)
        range.include(0.0);
    if (range.low > range.high) {
        range.low = 0.0;
        range.high = 1.0;
    }
    const double room = range.high > range.low ? (range.high - range.low) * kMargin : 1.0;
    range.low -= room;
    range.high += room;
    range.timeS = lastMs > 0.0 ? lastMs / 1000.0 : 1.0;
    return range;
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

/// Lays the legend's entries out left to right from the top of `target`, starting a line where one
/// does not fit; draws them when `painter` is given. Returns the height they take.
double layLegend(QPainter* painter, const QFontMetricsF& metrics, const QRectF& target,
                 const std::vector<NamedResponse>& responses) {
    constexpr double kSwatch = 16.0;
    double x = target.left() + kPadding;
    double y = target.top() + kPadding + metrics.ascent();
    for (std::size_t i = 0; i < responses.size(); ++i) {
        const QString text = ComparisonLegendText(responses[i]);
        const double width = kSwatch + 4 + metrics.horizontalAdvance(text);
        if (x > target.left() + kPadding && x + width > target.right() - kPadding) {
            x = target.left() + kPadding;
            y += metrics.height();
        }
        if (painter != nullptr) {
            painter->setPen(QPen(colorOf(i), 2));
            painter->drawLine(QPointF(x, y - metrics.ascent() / 3),
                              QPointF(x + kSwatch, y - metrics.ascent() / 3));
            painter->setPen(Qt::black);
            painter->drawText(QPointF(x + kSwatch + 4, y), text);
        }
        x += width + 10;
    }
    return y - metrics.ascent() + metrics.height() - target.top();
}

void drawAxes(QPainter& painter, const PlotMapping& map) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(kAxisGrey, 0));
    painter.drawRect(map.area);
    painter.setPen(Qt::black);
    const QString high = FormatSignificant(map.range.high, 4, "");
    const QString low = FormatSignificant(map.range.low, 4, "");
    painter.drawText(QPointF(map.area.left() - kPadding - metrics.horizontalAdvance(high),
                             map.area.top() + metrics.ascent()),
                     high);
    painter.drawText(QPointF(map.area.left() - kPadding - metrics.horizontalAdvance(low), map.area.bottom()),
                     low);
    const QString end = FormatSignificant(map.range.timeS, 4, " s");
    painter.drawText(QPointF(map.area.left(), map.area.bottom() + metrics.height()), QStringLiteral("0"));
    painter.drawText(
        QPointF(map.area.right() - metrics.horizontalAdvance(end), map.area.bottom() + metrics.height()),
        end);
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
    /// Adds the column's points to `path`, joined to what it holds when `drawing`, and empties it.
    void flush(QPainterPath& path, bool& drawing) {
        if (m_count == 0)
            return;
        if (drawing)
            path.lineTo(m_first);
        else
            path.moveTo(m_first);
        if (m_count > 1) {
            const bool lowFirst = m_low.x() <= m_high.x();
            path.lineTo(lowFirst ? m_low : m_high);
            path.lineTo(lowFirst ? m_high : m_low);
            path.lineTo(m_last);
        }
        drawing = true;
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
    // A long response has many samples to a pixel column: the path takes each column's first, lowest,
    // highest and last, which draw the same picture at a cost bounded by the width.
    QPainterPath path;
    bool drawing = false;
    ColumnEnvelope column;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i])) {
            column.flush(path, drawing);
            drawing = false;
            continue;
        }
        const QPointF point = map.at(static_cast<double>(named.response.timeMs[i]) / 1000.0, values[i]);
        if (!column.takes(point)) {
            column.flush(path, drawing);
            column.start(point);
        }
    }
    column.flush(path, drawing);
    painter.setPen(QPen(color, 1.5));
    painter.drawPath(path);
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
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const double left = metrics.horizontalAdvance(QStringLiteral("-0,0000e+00")) + 2 * kPadding;
    const double legend = layLegend(nullptr, metrics, target, m_responses);
    const QRectF area = target.adjusted(left, legend + kPadding, -kPadding, -(metrics.height() + kPadding));
    // Each response's shown values once a paint: the range and the curve both read them.
    std::vector<std::vector<double>> shown;
    shown.reserve(m_responses.size());
    for (const NamedResponse& named : m_responses)
        shown.push_back(ShownValues(named.response, m_bNormalized));
    const PlotMapping map{area, rangeOf(m_responses, shown, m_bNormalized)};
    layLegend(&painter, metrics, target, m_responses);
    drawAxes(painter, map);
    if (m_bNormalized) {
        painter.setPen(QPen(kAxisGrey, 0, Qt::DotLine));
        painter.drawLine(map.at(0.0, 0.0), map.at(map.range.timeS, 0.0));
    }
    for (std::size_t i = 0; i < m_responses.size(); ++i)
        drawResponse(painter, map, m_responses[i], shown[i], colorOf(i), m_bNormalized);
    painter.restore();
}

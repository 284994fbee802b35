#include "ResponsePlot.h"

#include "ReadingText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

/// The room left above the highest and below the lowest value, as a part of their range.
constexpr double kMargin = 0.05;
const QColor kPointColor(0, 114, 178);
const QColor kSetPointColor(90, 90, 90);

} // namespace

ResponsePlotScale commonScale(const std::vector<const ResponseTrace*>& traces, double timeS) {
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    for (const ResponseTrace* trace : traces) {
        for (double value : trace->points) {
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
        low = std::min(low, trace->setPoint);
        high = std::max(high, trace->setPoint);
    }
    ResponsePlotScale scale;
    if (low > high)
        return scale;
    const double room = high > low ? (high - low) * kMargin : 1.0;
    scale.low = low - room;
    scale.high = high + room;
    scale.timeS = timeS > 0.0 ? timeS : 1.0;
    return scale;
}

CResponsePlot::CResponsePlot(const ResponseTrace& trace, const ResponsePlotScale& scale, QWidget* parent)
    : QWidget(parent), m_trace(trace), m_scale(scale) {
    setToolTip(tr("Resposta prevista em %1 simulados: point (linha cheia) e set point (tracejado), na mesma "
                  "escala em todas as linhas.")
                   .arg(FormatSignificant(scale.timeS, 3, " s")));
}

QSize CResponsePlot::sizeHint() const {
    return QSize(300, 44);
}

QPointF CResponsePlot::Position(double timeS, double value) const {
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    return {area.left() + area.width() * timeS / m_scale.timeS,
            area.bottom() - area.height() * (value - m_scale.low) / (m_scale.high - m_scale.low)};
}

void CResponsePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kSetPointColor, 1, Qt::DashLine));
    painter.drawLine(Position(0.0, m_trace.setPoint), Position(m_scale.timeS, m_trace.setPoint));
    QPainterPath path;
    for (std::size_t i = 0; i < m_trace.points.size(); ++i) {
        const QPointF at = Position(static_cast<double>(i) * m_trace.intervalS, m_trace.points[i]);
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    painter.setClipRect(rect());
    painter.setPen(QPen(kPointColor, 1.5));
    painter.drawPath(path);
}

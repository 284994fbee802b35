#include "ResponsePlot.h"

#include "BrokenLine.h"
#include "PlotPaintScope.h"
#include "PlotValueSpan.h"
#include "ReadingText.h"

#include <QPainter>

namespace {

const QColor kPointColor(0, 114, 178);
const QColor kSetPointColor(90, 90, 90);

} // namespace

ResponsePlotScale commonScale(const std::vector<const ResponseTrace*>& traces, double timeS) {
    PlotValueSpan span;
    for (const ResponseTrace* trace : traces) {
        for (double value : trace->points)
            span.Include(value);
        span.Include(trace->setPoint);
    }
    if (span.Empty())
        return ResponsePlotScale();
    return {timeS > 0.0 ? timeS : 1.0, span.Low(), span.High()};
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
    const PlotPaintScope scope(painter, rect());
    painter.setPen(QPen(kSetPointColor, 1, Qt::DashLine));
    painter.drawLine(Position(0.0, m_trace.setPoint), Position(m_scale.timeS, m_trace.setPoint));
    std::vector<QPointF> points;
    points.reserve(m_trace.points.size());
    for (std::size_t i = 0; i < m_trace.points.size(); ++i)
        points.push_back(Position(static_cast<double>(i) * m_trace.intervalS, m_trace.points[i]));
    painter.setPen(QPen(kPointColor, 1.5));
    painter.drawPath(BrokenLine(points));
}

#include "PlotPaintScope.h"

#include <QPainter>

PlotPaintScope::PlotPaintScope(QPainter& painter, const QRectF& target, PlotBackground background)
    : m_painter(painter), m_frame(QPointF(), target.size()) {
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    if (background == PlotBackground::White) {
        painter.fillRect(m_frame, Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
    }
}

PlotPaintScope::~PlotPaintScope() {
    m_painter.restore();
}

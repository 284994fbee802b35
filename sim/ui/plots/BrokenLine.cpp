#include "BrokenLine.h"

#include <cmath>

QPainterPath BrokenLine(const std::vector<QPointF>& points) {
    QPainterPath path;
    bool drawing = false;
    for (const QPointF& point : points) {
        if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
            drawing = false;
            continue;
        }
        if (drawing)
            path.lineTo(point);
        else
            path.moveTo(point);
        drawing = true;
    }
    return path;
}

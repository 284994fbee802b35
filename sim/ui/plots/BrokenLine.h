#pragma once

#include <QPainterPath>
#include <QPointF>

#include <vector>

/// A line through `points` in order, broken where a point is not finite (its value was not a number,
/// or a loop of gain 0 has no magnitude in dB): no segment joins across the gap.
QPainterPath BrokenLine(const std::vector<QPointF>& points);

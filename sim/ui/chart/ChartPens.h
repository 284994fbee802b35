#pragma once

#include "ChartStyle.h"

#include <QPen>

/// The pens of one paint of the chart: one per series, the set point's dashed one and the zero line's.
struct ChartPens {
    QPen setPoint, point, power, integral, derivative, proportional, error, zero, measurement;
};

/// The pens in the colours of `palette`. Their widths, caps and dashes are the same in every palette,
/// so that a trace covers the same pixels whatever its colour.
ChartPens CreateChartPens(ChartPalette palette);

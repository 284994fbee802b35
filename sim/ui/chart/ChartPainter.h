#pragma once

#include "ChartStyle.h"

class CWindowState;
class QFont;
class QPainter;
class QRect;
class SampleHistory;

/// Draws the strip chart of `history` into the client rectangle `client` of `painter`: white
/// background, legend, zero line, the set point (its newest value across the width, or each column's
/// when `style` asks for it) and the series the window shows, the newest
/// sample at the right edge and one pixel column per step going left; then, when `style` asks for
/// them, the scales over it. The painter's state is left as it was.
void PaintChart(QPainter& painter, const QRect& client, const SampleHistory& history,
                const CWindowState& window, const ChartStyle& style);

/// The chart's font: Arial, ten pixels high.
QFont ChartFont();

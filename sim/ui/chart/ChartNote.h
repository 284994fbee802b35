#pragma once

class QPainter;
class QRect;
class QString;

/// Paints `text` in a framed box in the top-right corner of the chart's client rectangle `client`,
/// below the legend: what a window says about itself while it lasts (a formula that fails).
void PaintChartNote(QPainter& painter, const QRect& client, const QString& text);

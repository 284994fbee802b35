#pragma once

#include "ChartStyle.h"

#include <QStringList>

class CWindowState;
class QPainter;
class QPoint;
class QRect;
class SampleHistory;

/// What the hover cursor reads at column `x` of the chart in `client`: first how long before the
/// newest sample the sample drawn there was taken ("há 1,500 s"), then the value of every series the
/// window shows ("Point: 1432,1"). Empty where no sample is drawn.
QStringList ChartCursorLines(const QRect& client, const SampleHistory& history, const CWindowState& window,
                             int x);

/// Draws the hover cursor over a painted chart: a thin vertical line at the mouse's column and, beside
/// it, the lines ChartCursorLines reads there, each after a sample of its series' pen.
void PaintChartCursor(QPainter& painter, const QRect& client, const SampleHistory& history,
                      const CWindowState& window, const ChartStyle& style, const QPoint& mouse);

#pragma once

class QPainter;
class SampleHistory;
class CWindowState;
struct ChartGeometry;
struct ChartPens;

/// Draws the traces of the series `window` shows, the newest sample at the right edge and one column
/// per step going left, series by series in drawing order. A segment with a coordinate that is not a
/// number is left out; column 0 is never drawn.
void DrawTraces(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens,
                const SampleHistory& history, const CWindowState& window);

/// Draws the set point as a trace like the others: the set point of each column's sample.
void DrawSetPointTrace(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens,
                       const SampleHistory& history);

#pragma once

class CSimulation;
class QPainter;
class QRect;

/// Draws the strip chart of `simulation` into the client rectangle `client` of `painter`: white
/// background, legend, zero line, the newest set point and the series, the newest sample at the
/// right edge and one pixel column per step going left. The painter's state is left as it was.
void PaintChart(QPainter& painter, const QRect& client, const CSimulation& simulation);

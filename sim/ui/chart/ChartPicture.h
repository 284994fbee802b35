#pragma once

#include <QSize>

class QPainter;
class QRectF;

/// Something that draws a chart wherever it is asked to: the screen, an image, SVG, PDF, a printer's
/// page. The exports take it, so that a simulation window and its run's history export alike.
class CChartPicture {
public:
    virtual ~CChartPicture() = default;
    /// The size the chart is laid out for, in pixels.
    virtual QSize ChartSize() const = 0;
    /// Paints the chart laid out for ChartSize(), scaled into `target` of `painter` and clipped to it.
    virtual void PaintChartInto(QPainter& painter, const QRectF& target) const = 0;
};

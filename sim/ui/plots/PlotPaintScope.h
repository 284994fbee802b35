#pragma once

#include <QRectF>

class QPainter;

/// What the plot paints itself and what the scope does for it.
enum class PlotBackground {
    White, ///< a white background and smooth lines: the Bode, comparison and response plots
    Own,   ///< nothing: the strip chart fills its own and draws whole pixels
};

/// The opening every plot's painting shares, on screen, in a picture or on a page: the painter's state
/// is saved, drawing stays inside `target` (a value far off the scale would otherwise draw over what
/// surrounds the plot) and `target`'s top left corner is the origin. The state comes back when the
/// scope ends.
class PlotPaintScope {
public:
    PlotPaintScope(QPainter& painter, const QRectF& target,
                   PlotBackground background = PlotBackground::White);
    ~PlotPaintScope();

    PlotPaintScope(const PlotPaintScope&) = delete;
    PlotPaintScope& operator=(const PlotPaintScope&) = delete;

    /// The target in the scope's coordinates: its size, from the origin.
    QRectF Frame() const { return m_frame; }

private:
    QPainter& m_painter;
    QRectF m_frame;
};

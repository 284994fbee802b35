#pragma once

#include "ClosedLoopRun.h"

#include <QWidget>

#include <vector>

/// The axes that every small plot of one tuning shares, so that the rules' responses compare by eye.
struct ResponsePlotScale {
    double timeS = 1.0; ///< simulated seconds across the plot
    double low = 0.0;   ///< the value at the bottom edge
    double high = 1.0;  ///< the value at the top edge
};

/// Spans `timeS` and every point and set point of `traces`, with a little room above and below.
ResponsePlotScale commonScale(const std::vector<const ResponseTrace*>& traces, double timeS);

/// A small plot of one predicted response: the point (solid) and the set point (dashed) over
/// simulated time, on a given scale.
class CResponsePlot : public QWidget {
    Q_OBJECT

public:
    CResponsePlot(const ResponseTrace& trace, const ResponsePlotScale& scale, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF Position(double timeS, double value) const;

    ResponseTrace m_trace;
    ResponsePlotScale m_scale;
};

#pragma once

#include "SimulationScales.h"

#include <QRect>

#include <algorithm>

/// Where the chart puts things in its client rectangle: the rows of its three scales and the column
/// of each sample. The newest sample stands at the right edge (one past the last pixel column) and
/// each older one a column further left.
struct ChartGeometry {
    /// The plot leaves this many rows for the legend above it (and one below).
    static constexpr int kLegendRows = 21;
    /// The row of the legend's sample lines.
    static constexpr int kLegendLineY = 12;

    /// Which scale a value is drawn on.
    enum class Scale {
        Absolute, ///< the point and the set point: 0 on the last row, 3000 twenty rows below the top
        Power,    ///< 0 to 100 over the same rows
        Term, ///< the error and the controller terms: ±3000 a quarter of the plot above and below the middle
    };

    explicit ChartGeometry(const QRect& client)
        : left(client.left()), top(client.top()), right(client.left() + client.width()),
          bottom(client.top() + client.height()), plotHeight(bottom - top - kLegendRows),
          middle((top + bottom) / 2), quarter(static_cast<int>(plotHeight * 0.25)) {}

    // The scales are applied as products with their inverses (1 ÷ 3000, 1 ÷ 100), which round
    // differently from quotients.
    double absoluteY(double value) const { return bottom - value * plotHeight * kInverseFullScale - 1; }
    double powerY(double value) const { return bottom - value * plotHeight * kInversePowerScale - 1; }
    double termY(double value) const { return middle - value * quarter * kInverseFullScale - 1; }

    double scaledY(Scale scale, double value) const {
        switch (scale) {
        case Scale::Power:
            return powerY(value);
        case Scale::Term:
            return termY(value);
        case Scale::Absolute:
            break;
        }
        return absoluteY(value);
    }

    /// How many samples back from the newest the one drawn at column `x` is.
    int samplesBack(int x) const { return right - x; }

    /// A computed coordinate as a pixel: clamped far outside the window, then truncated toward zero.
    static int toPixel(double coordinate) {
        return static_cast<int>(std::clamp(coordinate, -kCoordinateLimit, kCoordinateLimit));
    }

    int left, top, right, bottom; ///< right and bottom exclusive
    int plotHeight;
    int middle;
    int quarter;

private:
    static constexpr double kInverseFullScale = 1.0 / kPointScale.high;
    static constexpr double kInversePowerScale = 1.0 / kPowerScale.high;
    /// Far outside any window, and well inside the range of an int.
    static constexpr double kCoordinateLimit = 1000000.0;
};

#include "ChartScale.h"

#include "ChartGeometry.h"
#include "PanelText.h"
#include "SampleHistory.h"
#include "SimulationScales.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

const QColor kScaleGrey(128, 128, 128);
/// Labels stand at least this many pixels apart: rows on the value scales, columns on the time axis.
constexpr int kRowSpacing = 30;
constexpr int kColumnSpacing = 70;
constexpr int kTickLength = 4;
/// Between a tick and its label.
constexpr int kLabelGap = 2;

/// The smallest step of 1, 2 or 5 times a power of ten that is at least `least`.
double roundStep(double least) {
    const double decade = std::pow(10.0, std::floor(std::log10(least)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * decade >= least)
            return multiple * decade;
    }
    return 10.0 * decade;
}

/// Decimals enough to tell apart the multiples of `step`.
int decimalsFor(double step) {
    return step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

/// The labels of one value scale, on the left or the right edge.
struct ValueAxis {
    ValueScale scale;
    double (ChartGeometry::*y)(double) const;
    bool onRight;
};

void drawValueAxis(QPainter& painter, const ChartGeometry& geometry, const ValueAxis& axis) {
    const double span = axis.scale.high - axis.scale.low;
    if (geometry.plotHeight <= 0)
        return;
    const double step = roundStep(span * kRowSpacing / geometry.plotHeight);
    const QFontMetrics metrics = painter.fontMetrics();
    const int decimals = decimalsFor(step);
    for (double value = axis.scale.low; value <= axis.scale.high; value += step) {
        const int y = ChartGeometry::toPixel((geometry.*axis.y)(value));
        const QString text = formatPanelNumber(value, {decimals, ""});
        const int width = metrics.horizontalAdvance(text);
        // Centred on its row, but never below the last row.
        const int baseline = std::min(y + metrics.ascent() / 2, geometry.bottom - 1);
        if (axis.onRight) {
            painter.drawLine(geometry.right - kTickLength, y, geometry.right, y);
            painter.drawText(geometry.right - kTickLength - kLabelGap - width, baseline, text);
        } else {
            painter.drawLine(geometry.left, y, geometry.left + kTickLength, y);
            painter.drawText(geometry.left + kTickLength + kLabelGap, baseline, text);
        }
    }
}

/// The width the value scales' labels take at either edge, which the time labels keep clear of.
int valueLabelMargin(const QFontMetrics& metrics) {
    return kTickLength + kLabelGap + metrics.horizontalAdvance(QStringLiteral("3000")) + kLabelGap;
}

void drawTimeAxis(QPainter& painter, const ChartGeometry& geometry, const SampleHistory& history) {
    const int columns = std::min<int>(static_cast<int>(history.size()), geometry.right - geometry.left) - 1;
    if (columns < 1)
        return;
    const std::size_t newest = history.size() - 1;
    const double shownTime = history[newest].timeS - history[newest - columns].timeS;
    if (!(shownTime > 0.0) || !std::isfinite(shownTime))
        return;
    const double step = roundStep(shownTime / columns * kColumnSpacing);
    const int decimals = decimalsFor(step);
    const QFontMetrics metrics = painter.fontMetrics();
    const int margin = valueLabelMargin(metrics);
    const int baseline = geometry.bottom - kTickLength - kLabelGap - metrics.descent();
    for (int back = 0; back < columns; ++back) {
        const double newer = std::floor(history[newest - back].timeS / step);
        const double older = std::floor(history[newest - back - 1].timeS / step);
        if (!(newer > older))
            continue;
        const int x = geometry.right - back;
        const QString text = formatPanelNumber(newer * step, {decimals, " s"});
        const int textLeft = x - metrics.horizontalAdvance(text) / 2;
        if (textLeft < geometry.left + margin ||
            textLeft + metrics.horizontalAdvance(text) > geometry.right - margin)
            continue;
        painter.drawLine(x, geometry.bottom - kTickLength, x, geometry.bottom);
        painter.drawText(textLeft, baseline, text);
    }
}

} // namespace

void DrawChartScale(QPainter& painter, const ChartGeometry& geometry, const SampleHistory& history) {
    painter.save();
    // The labels leave the traces under them visible.
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(kScaleGrey, 0));
    drawValueAxis(painter, geometry, {kPointScale, &ChartGeometry::absoluteY, false});
    drawValueAxis(painter, geometry, {kPowerScale, &ChartGeometry::powerY, true});
    drawTimeAxis(painter, geometry, history);
    painter.restore();
}

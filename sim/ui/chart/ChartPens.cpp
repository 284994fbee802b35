#include "ChartPens.h"

namespace {

/// A one-pixel pen; like the platform's lines, it leaves out the end point of each line.
QPen thinPen(const QColor& color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, 0, style, Qt::FlatCap);
    if (style == Qt::DashLine)
        pen.setDashPattern({18, 6});
    return pen;
}

/// A two-pixel pen. Square caps close the joints between a trace's one-column segments as round
/// ones would, at a fraction of their drawing cost.
QPen widePen(const QColor& color) {
    return QPen(color, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

const QColor kZeroLineGrey(128, 128, 128);

ChartPens standardPens() {
    return {thinPen(QColor(0, 255, 0), Qt::DashLine),
            widePen(QColor(0, 255, 0)),
            widePen(QColor(255, 0, 0)),
            thinPen(QColor(0, 0, 255)),
            thinPen(QColor(0, 255, 255)),
            thinPen(QColor(0, 0, 0)),
            thinPen(QColor(255, 255, 0)),
            thinPen(kZeroLineGrey),
            thinPen(QColor(0, 128, 0))};
}

/// Okabe and Ito's colours for colour-blind readers, leaving out their yellow, which does not read
/// on white. The set point is black and dashed, so that it no longer shares the point's colour.
ChartPens highContrastPens() {
    return {thinPen(QColor(0, 0, 0), Qt::DashLine),
            widePen(QColor(0, 114, 178)),   // blue
            widePen(QColor(213, 94, 0)),    // vermilion
            thinPen(QColor(0, 158, 115)),   // bluish green
            thinPen(QColor(86, 180, 233)),  // sky blue
            thinPen(QColor(204, 121, 167)), // reddish purple
            thinPen(QColor(230, 159, 0)),   // orange
            thinPen(kZeroLineGrey),
            thinPen(QColor(0, 114, 178))}; // the point's blue, thin
}

} // namespace

ChartPens CreateChartPens(ChartPalette palette) {
    return palette == ChartPalette::HighContrast ? highContrastPens() : standardPens();
}

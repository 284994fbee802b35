#include "ChartPainter.h"

#include "SampleHistory.h"
#include "SimulationScales.h"
#include "WindowState.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

/// The point and the set point span the point scale from the bottom row up, the error and the terms
/// the same span on either side of the middle. The scales are applied as products with their
/// inverses (1 ÷ 3000, 1 ÷ 100), which round differently from quotients.
constexpr double kInverseFullScale = 1.0 / kPointScale.high;
constexpr double kInversePowerScale = 1.0 / kPowerScale.high;
/// The plot leaves this many rows for the legend above it (and one below).
constexpr int kLegendRows = 21;
constexpr int kLegendLineY = 12;
/// Coordinates are clamped here before they become integers, far outside any window.
constexpr double kCoordinateLimit = 1000000.0;

struct ChartPens {
    QPen setPoint, point, power, integral, derivative, proportional, error, zero;
};

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

ChartPens createPens() {
    return {thinPen(QColor(0, 255, 0), Qt::DashLine),
            widePen(QColor(0, 255, 0)),
            widePen(QColor(255, 0, 0)),
            thinPen(QColor(0, 0, 255)),
            thinPen(QColor(0, 255, 255)),
            thinPen(QColor(0, 0, 0)),
            thinPen(QColor(255, 255, 0)),
            thinPen(QColor(128, 128, 128))};
}

/// The client rectangle with exclusive right and bottom edges, and the scales of the plot.
struct ChartGeometry {
    explicit ChartGeometry(const QRect& client)
        : left(client.left()), top(client.top()), right(client.left() + client.width()),
          bottom(client.top() + client.height()), plotHeight(bottom - top - kLegendRows),
          middle((top + bottom) / 2), quarter(static_cast<int>(plotHeight * 0.25)) {}

    double absoluteY(double value) const { return bottom - value * plotHeight * kInverseFullScale - 1; }
    double powerY(double value) const { return bottom - value * plotHeight * kInversePowerScale - 1; }
    double termY(double value) const { return middle - value * quarter * kInverseFullScale - 1; }

    int left, top, right, bottom;
    int plotHeight;
    int middle;
    int quarter;
};

enum class Scale { Absolute, Power, Term };

/// One plotted series: the flag that shows it (none for the point, always drawn), the sample's
/// value, its scale and its pen.
struct Series {
    const bool CWindowState::*shown;
    double Sample::*value;
    Scale scale;
    const QPen ChartPens::*pen;
};

/// In drawing order: later series cover earlier ones where they cross.
const Series kSeries[] = {
    {&CWindowState::m_bShowPower, &Sample::power, Scale::Power, &ChartPens::power},
    {&CWindowState::m_bShowError, &Sample::error, Scale::Term, &ChartPens::error},
    {&CWindowState::m_bShowDerivative, &Sample::derivative, Scale::Term, &ChartPens::derivative},
    {&CWindowState::m_bShowProportional, &Sample::proportional, Scale::Term, &ChartPens::proportional},
    {&CWindowState::m_bShowIntegral, &Sample::integral, Scale::Term, &ChartPens::integral},
    {nullptr, &Sample::point, Scale::Absolute, &ChartPens::point},
};

struct LegendItem {
    const char* text;
    const QPen ChartPens::*pen;
};

const LegendItem kLegend[] = {
    {"SetPoint", &ChartPens::setPoint},
    {"Point", &ChartPens::point},
    {"Proporcional", &ChartPens::proportional},
    {"Integral", &ChartPens::integral},
    {"Diferencial", &ChartPens::derivative},
    {"Erro", &ChartPens::error},
    {"Potência", &ChartPens::power},
};

double scaledY(const ChartGeometry& geometry, Scale scale, double value) {
    switch (scale) {
    case Scale::Absolute:
        return geometry.absoluteY(value);
    case Scale::Power:
        return geometry.powerY(value);
    case Scale::Term:
        return geometry.termY(value);
    }
    return geometry.absoluteY(value);
}

/// A computed coordinate as a pixel: clamped far outside the window, then truncated toward zero.
int toPixel(double coordinate) {
    return static_cast<int>(std::clamp(coordinate, -kCoordinateLimit, kCoordinateLimit));
}

void drawLegend(QPainter& painter, const ChartPens& pens) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QPen textPen(Qt::black);
    int x = 0;
    for (const LegendItem& item : kLegend) {
        const QString text = QString::fromUtf8(item.text);
        const int width = metrics.horizontalAdvance(text);
        painter.setPen(textPen);
        painter.drawText(x, metrics.ascent(), text);
        painter.setPen(pens.*item.pen);
        painter.drawLine(x, kLegendLineY, x + width + 5, kLegendLineY);
        x += width + 10;
    }
}

/// Each pair of neighbouring samples, newest at the right edge, as one segment per shown series.
/// The segments go to the painter series by series, so that the pen changes six times a paint
/// rather than six times a column; a segment with a coordinate that is not a number is left out.
void drawSeries(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens,
                const SampleHistory& history, const CWindowState& window) {
    std::vector<QLine> segments;
    segments.reserve(std::min<std::size_t>(history.size(), std::max(geometry.right - geometry.left, 0)));
    for (const Series& series : kSeries) {
        if (series.shown != nullptr && !(window.*series.shown))
            continue;
        segments.clear();
        int x = geometry.right - 1;
        for (std::size_t newer = history.size() - 1; newer > 0 && x > geometry.left; --newer, --x) {
            const double newY = scaledY(geometry, series.scale, history[newer].*series.value);
            const double oldY = scaledY(geometry, series.scale, history[newer - 1].*series.value);
            if (!std::isnan(newY) && !std::isnan(oldY))
                segments.emplace_back(x + 1, toPixel(newY), x, toPixel(oldY));
        }
        painter.setPen(pens.*series.pen);
        painter.drawLines(segments.data(), static_cast<int>(segments.size()));
    }
}

QFont chartFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    return font;
}

} // namespace

void PaintChart(QPainter& painter, const QRect& client, const SampleHistory& history,
                const CWindowState& window) {
    painter.save();
    const ChartPens pens = createPens();
    const ChartGeometry geometry(client);

    // The texts and the gaps of the dashed pen are filled with the white of the background.
    painter.fillRect(client, Qt::white);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setFont(chartFont());

    drawLegend(painter, pens);
    painter.setPen(pens.zero);
    painter.drawLine(geometry.left, geometry.middle - 1, geometry.right, geometry.middle - 1);

    if (!history.empty()) {
        const double setPointY = geometry.absoluteY(history.newest().setPoint);
        if (!std::isnan(setPointY)) {
            painter.setPen(pens.setPoint);
            painter.drawLine(geometry.left, toPixel(setPointY), geometry.right, toPixel(setPointY));
        }
        drawSeries(painter, geometry, pens, history, window);
    }
    painter.restore();
}

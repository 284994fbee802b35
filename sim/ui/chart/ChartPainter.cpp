#include "ChartPainter.h"

#include "ChartGeometry.h"
#include "ChartPens.h"
#include "ChartScale.h"
#include "ChartSeries.h"
#include "ChartTraces.h"
#include "SampleHistory.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <cmath>

namespace {

void drawLegend(QPainter& painter, const ChartPens& pens, const CWindowState& window) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QPen textPen(Qt::black);
    int x = 0;
    for (const ChartSeries& series : kChartSeries) {
        if (!series.isInLegendOf(window))
            continue;
        const QString text = series.displayName();
        const int width = metrics.horizontalAdvance(text);
        painter.setPen(textPen);
        painter.drawText(x, metrics.ascent(), text);
        painter.setPen(pens.*series.pen);
        painter.drawLine(x, ChartGeometry::kLegendLineY, x + width + 5, ChartGeometry::kLegendLineY);
        x += width + 10;
    }
}

void drawSetPoint(QPainter& painter, const ChartGeometry& geometry, const ChartPens& pens, double setPoint) {
    const double y = geometry.absoluteY(setPoint);
    if (std::isnan(y))
        return;
    painter.setPen(pens.setPoint);
    painter.drawLine(geometry.left, ChartGeometry::toPixel(y), geometry.right, ChartGeometry::toPixel(y));
}

} // namespace

QFont ChartFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    return font;
}

void PaintChart(QPainter& painter, const QRect& client, const SampleHistory& history,
                const CWindowState& window, const ChartStyle& style) {
    painter.save();
    const ChartPens pens = CreateChartPens(style.palette);
    const ChartGeometry geometry(client);

    // The texts and the gaps of the dashed pen are filled with the white of the background.
    painter.fillRect(client, Qt::white);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setFont(ChartFont());

    drawLegend(painter, pens, window);
    painter.setPen(pens.zero);
    painter.drawLine(geometry.left, geometry.middle - 1, geometry.right, geometry.middle - 1);

    if (!history.empty()) {
        if (style.setPointOverTime)
            DrawSetPointTrace(painter, geometry, pens, history);
        else
            drawSetPoint(painter, geometry, pens, history.newest().setPoint);
        DrawTraces(painter, geometry, pens, history, window);
    }
    if (style.showScale)
        DrawChartScale(painter, geometry, history);
    painter.restore();
}

#include "TraceRasterCheck.h"

#include "ChartPens.h"
#include "TraceRaster.h"

#include <QImage>
#include <QLine>
#include <QPainter>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 400;

/// A trace across the whole test image, newest at the right edge: runs of small, mid-sized and steep
/// rises in both directions, with the ends leaving the image now and then.
std::vector<QLine> testTrace() {
    std::uint32_t state = 12345;
    const auto next = [&state](int range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(range));
    };
    std::vector<QLine> lines;
    int y = kHeight / 2;
    for (int x = kWidth; x > 0; --x) {
        const int spread = x % 90 < 30 ? 2 : x % 90 < 60 ? 12 : 150;
        int older = y + next(2 * spread + 1) - spread;
        if (older < -20 || older > kHeight + 20)
            older = next(kHeight);
        lines.emplace_back(x, y, x - 1, older);
        y = older;
    }
    return lines;
}

bool drawsAlike(const QPen& pen, const std::vector<QLine>& trace, Qt::BGMode backgroundMode) {
    QImage engine(kWidth, kHeight, QImage::Format_RGB32);
    engine.fill(Qt::white);
    QImage raster = engine.copy();
    std::vector<QLine> leftOver;
    CTraceRaster direct(raster, pen, backgroundMode);
    for (const QLine& line : trace) {
        if (!direct.DrawSegment(line.x2(), line.y1(), line.y2()))
            leftOver.push_back(line);
    }
    {
        QPainter painter(&raster);
        painter.setBackgroundMode(backgroundMode);
        painter.setPen(pen);
        painter.drawLines(leftOver.data(), static_cast<int>(leftOver.size()));
    }
    {
        QPainter painter(&engine);
        painter.setBackgroundMode(backgroundMode);
        painter.setPen(pen);
        painter.drawLines(trace.data(), static_cast<int>(trace.size()));
    }
    return direct.IsReady() && engine == raster;
}

} // namespace

bool TraceRasterMatchesEngine() {
    static const bool matches = [] {
        const ChartPens pens = CreateChartPens(ChartPalette::Standard);
        const std::vector<QLine> trace = testTrace();
        for (const Qt::BGMode mode : {Qt::OpaqueMode, Qt::TransparentMode}) {
            if (!drawsAlike(pens.integral, trace, mode) || !drawsAlike(pens.point, trace, mode))
                return false;
        }
        return true;
    }();
    return matches;
}

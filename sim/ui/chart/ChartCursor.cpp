#include "ChartCursor.h"

#include "ChartGeometry.h"
#include "ChartPainter.h"
#include "ChartSeries.h"
#include "ReadingText.h"
#include "SampleHistory.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

constexpr int kValueDecimals = 1;
/// Simulated steps are whole milliseconds.
constexpr int kAgeDecimals = 3;
const QColor kCursorColor(64, 64, 64);
const QColor kBoxBorder(128, 128, 128);
constexpr int kPadding = 4;
constexpr int kSampleLineLength = 14;
/// Between the cursor line and its box.
constexpr int kBoxOffset = 8;

/// One line of the cursor's box, and the series whose pen marks it (none for the age).
struct CursorLine {
    QString text;
    const ChartSeries* series;
};

std::vector<CursorLine> cursorLines(const QRect& client, const SampleHistory& history,
                                    const CWindowState& window, int x) {
    const ChartGeometry geometry(client);
    const int back = geometry.samplesBack(x);
    if (x <= geometry.left || x >= geometry.right || back >= static_cast<int>(history.size()))
        return {};
    const Sample& sample = history[history.size() - 1 - static_cast<std::size_t>(back)];
    const double age = history.newest().timeS - sample.timeS;
    std::vector<CursorLine> lines{
        {QCoreApplication::translate("ChartCursor", "há %1").arg(FormatReading(age, kAgeDecimals, " s")),
         nullptr}};
    for (const ChartSeries& series : kChartSeries) {
        if (!series.isShownIn(window))
            continue;
        const char* unit = series.scale == ChartGeometry::Scale::Power ? " %" : "";
        lines.push_back({series.displayName() + QStringLiteral(": ") +
                             FormatReading(sample.*series.value, kValueDecimals, unit),
                         &series});
    }
    return lines;
}

/// The box beside the cursor at column `x`, on its right unless it would leave the chart there, and
/// level with the mouse as far as the plot allows.
QRect boxBeside(const QRect& client, int x, int mouseY, QSize size) {
    const int left =
        x + kBoxOffset + size.width() <= client.right() ? x + kBoxOffset : x - kBoxOffset - size.width();
    const int highest = client.top() + ChartGeometry::kLegendRows;
    const int top = std::max(highest, std::min(mouseY - size.height() / 2, client.bottom() - size.height()));
    return QRect(QPoint(left, top), size);
}

void drawBox(QPainter& painter, const QRect& box, const std::vector<CursorLine>& lines,
             const ChartPens& pens) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(QPen(kBoxBorder, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    int baseline = box.top() + kPadding + metrics.ascent();
    const int textLeft = box.left() + kPadding + kSampleLineLength + kPadding;
    for (const CursorLine& line : lines) {
        if (line.series != nullptr) {
            const int y = baseline - metrics.ascent() / 2;
            painter.setPen(pens.*line.series->pen);
            painter.drawLine(box.left() + kPadding, y, box.left() + kPadding + kSampleLineLength, y);
        }
        painter.setPen(Qt::black);
        painter.drawText(textLeft, baseline, line.text);
        baseline += metrics.height();
    }
}

} // namespace

QStringList ChartCursorLines(const QRect& client, const SampleHistory& history, const CWindowState& window,
                             int x) {
    QStringList texts;
    for (const CursorLine& line : cursorLines(client, history, window, x))
        texts.append(line.text);
    return texts;
}

void PaintChartCursor(QPainter& painter, const QRect& client, const SampleHistory& history,
                      const CWindowState& window, const ChartStyle& style, const QPoint& mouse) {
    if (!client.contains(mouse))
        return;
    painter.save();
    painter.setFont(ChartFont());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(kCursorColor, 0));
    painter.drawLine(mouse.x(), client.top() + ChartGeometry::kLegendRows, mouse.x(), client.bottom());

    const std::vector<CursorLine> lines = cursorLines(client, history, window, mouse.x());
    if (!lines.empty()) {
        const QFontMetrics metrics = painter.fontMetrics();
        int textWidth = 0;
        for (const CursorLine& line : lines)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(line.text));
        const QSize size(3 * kPadding + kSampleLineLength + textWidth,
                         2 * kPadding + static_cast<int>(lines.size()) * metrics.height());
        drawBox(painter, boxBeside(client, mouse.x(), mouse.y(), size), lines,
                CreateChartPens(style.palette));
    }
    painter.restore();
}

#include "ChartNote.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <algorithm>

namespace {

/// Below the legend, clear of the right edge.
constexpr int kTop = 22;
constexpr int kMargin = 8;
constexpr int kPadding = 5;
/// The note leaves most of the chart visible.
constexpr double kMostOfTheWidth = 0.6;

} // namespace

void PaintChartNote(QPainter& painter, const QRect& client, const QString& text) {
    const int width = std::max(40, static_cast<int>(client.width() * kMostOfTheWidth));
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRect bounds = painter.fontMetrics().boundingRect(QRect(0, 0, width, client.height()), flags, text);
    QRect box(0, 0, bounds.width() + 2 * kPadding, bounds.height() + 2 * kPadding);
    box.moveTopRight(QPoint(client.right() - kMargin, client.top() + kTop));
    painter.save();
    painter.setPen(QPen(QColor(0xb0, 0x00, 0x00), 1));
    painter.setBrush(QColor(0xff, 0xf4, 0xd6));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(kPadding, kPadding, -kPadding, -kPadding), flags, text);
    painter.restore();
}

#include "WideSegmentStamp.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

/// Room around the recorded segment, so that nothing of its caps falls off the scratch image.
constexpr int kMargin = 4;

/// The first and last column of a scratch row that the segment set, or nothing when the set pixels
/// are not one run.
std::optional<WideSegmentStamp::Row> runOf(const QImage& scratch, int y, int x) {
    const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    int first = -1;
    int last = -1;
    for (int column = 0; column < scratch.width(); ++column) {
        if (qRed(line[column]) != 0)
            continue;
        if (first < 0)
            first = column;
        else if (last != column - 1)
            return std::nullopt;
        last = column;
    }
    if (first < 0)
        return WideSegmentStamp::Row{1, 0};
    return WideSegmentStamp::Row{static_cast<std::int8_t>(first - x), static_cast<std::int8_t>(last - x)};
}

bool isEmpty(const WideSegmentStamp::Row& row) {
    return row.first > row.last;
}

/// Draws the segment with the raster engine and reads its pixels back: one run per row, the rows
/// without a gap between them.
std::unique_ptr<WideSegmentStamp> recordStamp(int rise) {
    const int height = std::abs(rise) + 2 * kMargin + 1;
    QImage scratch(2 * kMargin + 2, height, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    const int x = kMargin;
    const int yNewer = rise >= 0 ? kMargin : height - kMargin - 1;
    {
        QPainter painter(&scratch);
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawLine(x + 1, yNewer, x, yNewer + rise);
    }
    std::vector<WideSegmentStamp::Row> rows;
    for (int y = 0; y < height; ++y) {
        const std::optional<WideSegmentStamp::Row> row = runOf(scratch, y, x);
        if (!row)
            return nullptr;
        rows.push_back(*row);
    }
    const auto top = std::find_if_not(rows.begin(), rows.end(), isEmpty);
    const auto bottom = std::find_if_not(rows.rbegin(), rows.rend(), isEmpty).base();
    if (top == rows.end() || std::any_of(top, bottom, isEmpty))
        return nullptr;
    auto stamp = std::make_unique<WideSegmentStamp>();
    stamp->topOffset = static_cast<int>(top - rows.begin()) - yNewer;
    stamp->rows.assign(top, bottom);
    stamp->leftmost = std::min_element(top, bottom, [](auto a, auto b) { return a.first < b.first; })->first;
    stamp->rightmost = std::max_element(top, bottom, [](auto a, auto b) { return a.last < b.last; })->last;
    return stamp;
}

/// One recorded stamp per rise, or none where the pixels were not one run per row.
struct StampSlot {
    bool recorded = false;
    std::unique_ptr<WideSegmentStamp> stamp;
};

} // namespace

const WideSegmentStamp* wideSegmentStamp(int rise) {
    // Painting happens on the GUI thread; a thread of its own would record its own stamps.
    thread_local std::vector<StampSlot> stampsByRise(2 * kLargestStampedRise + 1);
    if (std::abs(rise) > kLargestStampedRise)
        return nullptr;
    StampSlot& slot = stampsByRise[static_cast<std::size_t>(rise + kLargestStampedRise)];
    if (!slot.recorded) {
        slot.stamp = recordStamp(rise);
        slot.recorded = true;
    }
    return slot.stamp.get();
}

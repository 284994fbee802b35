#pragma once

#include <cstdint>
#include <vector>

/// The pixels the raster engine sets for one of the chart's two-pixel trace segments that rises or
/// falls steeply, from (x + 1, yNewer) to (x, yNewer + rise): per row from the top of its pixels
/// down, the first and last column set, relative to x. The engine's own drawing of that segment
/// is recorded once per rise (segments with integer ends differ only by where they are), which is
/// what lets a full chart of steep traces be drawn without stroking thousands of wide lines.
struct WideSegmentStamp {
    struct Row {
        std::int8_t first;
        std::int8_t last;
    };
    int topOffset = 0; ///< the first row's offset from yNewer
    int leftmost = 0;  ///< the smallest first column of any row
    int rightmost = 0; ///< the largest last column of any row
    std::vector<Row> rows;
};

/// The rises whose stamps are kept; steeper segments are left to the painter.
inline constexpr int kLargestStampedRise = 1024;

/// The stamp of a segment of `rise` rows (|rise| <= kLargestStampedRise), recorded on first use in
/// this thread; nullptr when the engine's pixels for it are not one run per row.
const WideSegmentStamp* wideSegmentStamp(int rise);

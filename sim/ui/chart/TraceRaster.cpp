#include "TraceRaster.h"

#include "WideSegmentStamp.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

/// Half a pixel in 26.6 fixed point.
constexpr int kHalfPixel = 32;
/// With an opaque background the engine strokes the lines of a drawLines call in groups of this many.
constexpr int kOpaqueLinesPerStroke = 16;
/// The largest image side whose coordinates fit the engine's fixed-point arithmetic in an int.
constexpr int kLargestSide = 16384;

/// Cuts a line to [low, high] along its coordinate a, moving its other coordinate b along; true when
/// nothing of it is left.
bool clipAlong(double& a1, double& b1, double& a2, double& b2, double low, double high) {
    if (a1 < low) {
        if (a2 <= low)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (low - a1);
        a1 = low;
    } else if (a1 > high) {
        if (a2 >= high)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (high - a1);
        a1 = high;
    }
    if (a2 < low) {
        b2 += (b2 - b1) / (a2 - a1) * (low - a2);
        a2 = low;
    } else if (a2 > high) {
        b2 += (b2 - b1) / (a2 - a1) * (high - a2);
        a2 = high;
    }
    return false;
}

/// True when nothing of `image` is clipped away: no clip, or one that covers the whole image.
bool clipsNothing(const QPainter& painter, const QImage& image) {
    return !painter.hasClipping() || QRegion(image.rect()).subtracted(painter.clipRegion()).isEmpty();
}

/// The image `painter` draws on unchanged, or nullptr.
QImage* plainImageOf(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image || painter.paintEngine() == nullptr ||
        painter.paintEngine()->type() != QPaintEngine::Raster || !painter.deviceTransform().isIdentity() ||
        painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.testRenderHint(QPainter::Antialiasing))
        return nullptr;
    // The painter detached the image when it began; a copy taken since would make the pixels it
    // paints on another's.
    auto* image = static_cast<QImage*>(device);
    return image->isDetached() && clipsNothing(painter, *image) ? image : nullptr;
}

bool isThinTracePen(const QPen& pen) {
    return pen.widthF() == 0.0 && pen.capStyle() == Qt::FlatCap;
}

bool isWideTracePen(const QPen& pen) {
    return pen.widthF() == 2.0 && pen.capStyle() == Qt::SquareCap && !pen.isCosmetic();
}

/// A 26.6 fixed-point coordinate, truncated.
int toFixed26Dot6(double coordinate) {
    return static_cast<int>(coordinate * 64.0);
}

/// x ÷ y in 16.16 fixed point, truncated toward zero.
int fixed16Dot16Quotient(int x, int y) {
    return static_cast<int>(static_cast<long long>(x) * 65536 / y);
}

/// A fixed-point value shifted right with the sign kept, as arithmetic shifts do.
int shiftDown(int value, int bits) {
    return value >= 0 ? value >> bits : -((-value - 1) >> bits) - 1;
}

} // namespace

CTraceRaster::CTraceRaster(QPainter& painter, const QPen& pen) {
    if (QImage* image = plainImageOf(painter))
        Prepare(*image, pen, painter.backgroundMode());
}

CTraceRaster::CTraceRaster(QImage& image, const QPen& pen, Qt::BGMode backgroundMode) {
    Prepare(image, pen, backgroundMode);
}

void CTraceRaster::Prepare(QImage& image, const QPen& pen, Qt::BGMode backgroundMode) {
    const bool thin = isThinTracePen(pen);
    const QImage::Format format = image.format();
    const bool is32Bit = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                         format == QImage::Format_ARGB32_Premultiplied;
    if ((!thin && !isWideTracePen(pen)) || pen.style() != Qt::SolidLine ||
        pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255 || !is32Bit ||
        image.width() > kLargestSide || image.height() > kLargestSide)
        return;
    m_pBits = image.bits();
    m_nBytesPerLine = image.bytesPerLine();
    m_nWidth = image.width();
    m_nHeight = image.height();
    m_color = pen.color().rgba();
    m_kind = thin ? PenKind::Thin : PenKind::Wide;
    m_nLinesPerStroke = backgroundMode == Qt::OpaqueMode ? kOpaqueLinesPerStroke : 0;
}

bool CTraceRaster::DrawSegment(int x, int yNewer, int yOlder) {
    if (m_kind == PenKind::Wide)
        return DrawWide(x, yNewer, yOlder);
    if (m_nLinesInStroke == m_nLinesPerStroke) {
        m_nLastDirection = 0; // a new stroke
        m_nLinesInStroke = 0;
    }
    ++m_nLinesInStroke;
    DrawThin(x + 1, yNewer, x, yOlder);
    return true;
}

// The engine cuts a line to a pixel around the image before it goes to fixed point.
void CTraceRaster::DrawThin(double x1, double y1, double x2, double y2) {
    if (clipAlong(x1, y1, x2, y2, -1.0, m_nWidth + 1.0) || clipAlong(y1, x1, y2, x2, -1.0, m_nHeight + 1.0))
        return;
    const int fx1 = toFixed26Dot6(x1);
    const int fy1 = toFixed26Dot6(y1);
    const int fx2 = toFixed26Dot6(x2);
    const int fy2 = toFixed26Dot6(y2);
    if (std::abs(fx2 - fx1) < std::abs(fy2 - fy1))
        DrawThinAlong(kAlongY, fy1, fx1, fy2, fx2);
    else if (fx1 != fx2)
        DrawThinAlong(kAlongX, fx1, fy1, fx2, fy2);
}

// One pixel a step along the longer axis, from its lower end on, leaving out the last step; a line
// that starts against the direction of the previous one gets half a pixel more at that end.
void CTraceRaster::DrawThinAlong(const Axis& axis, int along1, int across1, int along2, int across2) {
    int direction = axis.forward;
    const bool swapped = along1 > along2;
    if (swapped) {
        std::swap(along1, along2);
        std::swap(across1, across2);
        direction = axis.backward;
    }
    const int step = fixed16Dot16Quotient(across2 - across1, along2 - along1);
    int across = across1 * 1024;
    if ((m_nLastDirection ^ (axis.forward | axis.backward)) == direction) {
        if (swapped) {
            along2 += kHalfPixel;
        } else {
            along1 -= kHalfPixel;
            across -= shiftDown(step, 1);
        }
    }
    int along = shiftDown(along1 + kHalfPixel, 6);
    const int end = shiftDown(along2 + kHalfPixel, 6);
    if (along == end)
        return;
    across += shiftDown((along * 64 + (step > 0 ? kHalfPixel : 0) - along1) * step, 6);
    m_nLastDirection = direction;
    for (; along < end; ++along, across += step) {
        const int pixel = shiftDown(across, 16);
        if (axis.isY)
            Plot(pixel, along);
        else
            Plot(along, pixel);
    }
}

// A two-pixel line with square caps covers the rows from one above its upper end to its lower end,
// two pixels wide: the half of the rows nearer the right-hand end in columns x and x + 1, the other
// half in columns x - 1 and x, and with an odd rise the row between them in all three. A level line
// covers three columns in both of its rows.
bool CTraceRaster::DrawWide(int x, int yNewer, int yOlder) {
    const int rise = yOlder - yNewer;
    const int top = std::min(yNewer, yOlder) - 1;
    const int bottom = std::max(yNewer, yOlder);
    if (std::abs(rise) > kWideSlopeLimit)
        return DrawWideStamp(x, yNewer, rise);
    if (!Contains(x - 1, x + 1, top, bottom))
        return false;
    if (rise == 0) {
        FillRow(top, x - 1, x + 1);
        FillRow(bottom, x - 1, x + 1);
        return true;
    }
    const int half = (std::abs(rise) + 2) / 2;
    const int upperLeft = rise > 0 ? x : x - 1;
    const int lowerLeft = rise > 0 ? x - 1 : x;
    for (int row = 0; row < half; ++row) {
        FillRow(top + row, upperLeft, upperLeft + 1);
        FillRow(bottom - row, lowerLeft, lowerLeft + 1);
    }
    if (std::abs(rise) % 2 == 1)
        FillRow(top + half, x - 1, x + 1);
    return true;
}

bool CTraceRaster::DrawWideStamp(int x, int yNewer, int rise) {
    const WideSegmentStamp* stamp = wideSegmentStamp(rise);
    if (stamp == nullptr)
        return false;
    const int top = yNewer + stamp->topOffset;
    if (!Contains(x + stamp->leftmost, x + stamp->rightmost, top,
                  top + static_cast<int>(stamp->rows.size()) - 1))
        return false;
    int y = top;
    for (const WideSegmentStamp::Row& row : stamp->rows)
        FillRow(y++, x + row.first, x + row.last);
    return true;
}

bool CTraceRaster::Contains(int xFirst, int xLast, int yFirst, int yLast) const {
    return xFirst >= 0 && xLast < m_nWidth && yFirst >= 0 && yLast < m_nHeight;
}

void CTraceRaster::Plot(int x, int y) {
    if (Contains(x, x, y, y))
        reinterpret_cast<QRgb*>(m_pBits + y * m_nBytesPerLine)[x] = m_color;
}

void CTraceRaster::FillRow(int y, int xFirst, int xLast) {
    QRgb* line = reinterpret_cast<QRgb*>(m_pBits + y * m_nBytesPerLine);
    std::fill(line + xFirst, line + xLast + 1, m_color);
}

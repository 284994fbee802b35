#pragma once

#include <QRgb>
#include <Qt>
#include <QtGlobal>

class QImage;
class QPainter;
class QPen;

/// Draws the chart's one-column trace segments straight into the pixels of a 32-bit image, pixel for
/// pixel as the raster engine draws them with the chart's trace pens, without a call into the engine
/// for each of the thousands of segments of a full chart.
///
/// A one-pixel trace follows the engine's cosmetic line: 26.6 fixed-point ends, a 16.16 step along the
/// longer axis, the last pixel left out, and half a pixel more where a line turns back against the
/// direction of the previous line the engine drew in the same stroke, which is why the segments must
/// come in the order the painter would get them. (With an opaque background the engine strokes a
/// drawLines call sixteen lines at a time.) A two-pixel trace is drawn where its pixels are known.
class CTraceRaster {
public:
    /// Prepares to draw in `pen` on the image `painter` paints on. IsReady() is false when the
    /// painter does not paint straight onto a 32-bit image (a printer, a vector format, a pixmap, a
    /// transformed painter or one clipped within the image) or the pen is not one of the chart's solid
    /// trace pens.
    CTraceRaster(QPainter& painter, const QPen& pen);
    /// Draws on `image`, which no painter paints on, as a painter with `backgroundMode` would.
    CTraceRaster(QImage& image, const QPen& pen, Qt::BGMode backgroundMode);

    bool IsReady() const { return m_pBits != nullptr; }
    /// Draws the segment from (x + 1, yNewer) to (x, yOlder), as the next line of one drawLines call,
    /// and returns true; or, for a two-pixel segment whose pixels are not known (or that would leave
    /// the image), draws nothing and returns false, leaving it to the painter.
    bool DrawSegment(int x, int yNewer, int yOlder);

    /// The steepest two-pixel segment (rows per column) whose pixels follow from a rule: beyond it the
    /// engine's rounding moves the step between the trace's two columns by a row or more, so steeper
    /// segments are drawn from the engine's own pixels, recorded once per rise.
    static constexpr int kWideSlopeLimit = 8;

private:
    enum class PenKind { Thin, Wide };
    /// An axis a one-pixel line steps along, with the engine's bits for its two directions.
    struct Axis {
        bool isY;
        int forward;  ///< down or rightward
        int backward; ///< up or leftward
    };
    static constexpr Axis kAlongX{false, 0x4, 0x8};
    static constexpr Axis kAlongY{true, 0x1, 0x2};

    void Prepare(QImage& image, const QPen& pen, Qt::BGMode backgroundMode);
    void DrawThin(double x1, double y1, double x2, double y2);
    void DrawThinAlong(const Axis& axis, int along1, int across1, int along2, int across2);
    bool DrawWide(int x, int yNewer, int yOlder);
    /// A steep two-pixel segment as the engine drew it once, or false when it must go to the painter.
    bool DrawWideStamp(int x, int yNewer, int rise);
    bool Contains(int xFirst, int xLast, int yFirst, int yLast) const;
    void Plot(int x, int y);
    void FillRow(int y, int xFirst, int xLast);

    uchar* m_pBits = nullptr;
    qsizetype m_nBytesPerLine = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    QRgb m_color = 0;
    PenKind m_kind = PenKind::Thin;
    /// The direction of the last one-pixel line of the stroke that drew anything, 0 for none.
    int m_nLastDirection = 0;
    /// Lines the engine strokes at a time (0: all of a call), and the lines of the current stroke.
    int m_nLinesPerStroke = 0;
    int m_nLinesInStroke = 0;
};

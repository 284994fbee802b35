#pragma once

#include <QSize>
#include <QString>

#include <functional>

class CVorlintView;
class QByteArray;
class QImage;
class QPainter;
class QRectF;

/// The picture formats the chart is exported in.
enum class ChartFormat { Png, Svg, Pdf };

/// The format a file name's suffix names ("png", "svg", "pdf", in any case); false for any other.
bool ChartFormatOfFile(const QString& path, ChartFormat& format);

/// Something drawn as a picture: its size in pixels, and how it paints itself scaled into a target
/// rectangle of any painter.
struct PictureSource {
    QSize size;
    std::function<void(QPainter&, const QRectF&)> paint;
};

/// The window's chart as a picture, at the window's size.
PictureSource ChartSource(const CVorlintView& view);

/// The picture as an image of its size, as the screen shows it.
QImage PictureImage(const PictureSource& source);
/// The window's chart as an image of the window's size, as the screen shows it.
QImage ChartImage(const CVorlintView& view);

/// The picture as the bytes of a file: PNG at its size, SVG as vectors, PDF as vectors on one page of
/// its size. `title` names the picture inside SVG and PDF. Empty when it cannot be drawn (no size).
QByteArray PictureBytes(const PictureSource& source, ChartFormat format, const QString& title);

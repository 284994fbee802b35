#pragma once

#include <QSize>
#include <QString>

#include <functional>

class CVorlintView;
class QImage;
class QByteArray;
class QPainter;
class QRectF;

/// The picture formats the chart is exported in.
enum class ChartFormat { Png, Svg, Pdf };

/// The format a file name's suffix names ("png", "svg", "pdf", in any case); false for any other.
bool ChartFormatOfFile(const QString& path, ChartFormat& format);

/// Something drawn the same on the screen and in every file: the size it is laid out for, in pixels, and
/// how it paints itself into a target rectangle of any painter.
struct Picture {
    QSize size;
    std::function<void(QPainter& painter, const QRectF& target)> paint;
};

/// The window's chart, as the screen shows it.
Picture ChartPicture(const CVorlintView& view);

/// `picture` as an image of its size.
QImage PictureImage(const Picture& picture);

/// `picture` as the bytes of a file: PNG at its size, SVG as vectors, PDF as vectors on one page of its
/// size. `title` names the picture inside SVG and PDF. Empty when it cannot be drawn (of no size).
QByteArray PictureBytes(const Picture& picture, ChartFormat format, const QString& title);

#pragma once

#include <QString>

class CVorlintView;
class QImage;
class QByteArray;

/// The picture formats the chart is exported in.
enum class ChartFormat { Png, Svg, Pdf };

/// The format a file name's suffix names ("png", "svg", "pdf", in any case); false for any other.
bool ChartFormatOfFile(const QString& path, ChartFormat& format);

/// The window's chart as an image of the window's size, as the screen shows it.
QImage ChartImage(const CVorlintView& view);

/// The window's chart as the bytes of a file: PNG at the window's size, SVG as vectors, PDF as vectors
/// on one page of the chart's size. `title` names the picture inside SVG and PDF. Empty when the chart
/// cannot be drawn (a window of no size).
QByteArray ChartPictureBytes(const CVorlintView& view, ChartFormat format, const QString& title);

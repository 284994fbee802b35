#pragma once

#include <QString>

class CChartPicture;
class QImage;
class QByteArray;

/// The picture formats the chart is exported in.
enum class ChartFormat { Png, Svg, Pdf };

/// The format a file name's suffix names ("png", "svg", "pdf", in any case); false for any other.
bool ChartFormatOfFile(const QString& path, ChartFormat& format);

/// The chart as an image of its size, as the screen shows it.
QImage ChartImage(const CChartPicture& chart);

/// The chart as the bytes of a file: PNG at its size, SVG as vectors, PDF as vectors
/// on one page of the chart's size. `title` names the picture inside SVG and PDF. Empty when the chart
/// cannot be drawn (a window of no size).
QByteArray ChartPictureBytes(const CChartPicture& chart, ChartFormat format, const QString& title);

#include "ChartPictures.h"

#include "ChartPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

/// One PDF unit a point, so that the page holds the chart at its size in pixels.
constexpr int kPdfResolution = 72;

bool WritePng(const CChartPicture& chart, QIODevice& device) {
    return ChartImage(chart).save(&device, "PNG");
}

bool WriteSvg(const CChartPicture& chart, const QString& title, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(chart.ChartSize());
    svg.setViewBox(QRect(QPoint(), chart.ChartSize()));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    chart.PaintChartInto(painter, QRect(QPoint(), chart.ChartSize()));
    return painter.end();
}

bool WritePdf(const CChartPicture& chart, const QString& title, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Vorlint"));
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(chart.ChartSize(), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    chart.PaintChartInto(painter, painter.viewport());
    return painter.end();
}

} // namespace

bool ChartFormatOfFile(const QString& path, ChartFormat& format) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const std::pair<const char*, ChartFormat> formats[] = {
        {"png", ChartFormat::Png}, {"svg", ChartFormat::Svg}, {"pdf", ChartFormat::Pdf}};
    for (const auto& [name, each] : formats) {
        if (suffix == QLatin1String(name)) {
            format = each;
            return true;
        }
    }
    return false;
}

QImage ChartImage(const CChartPicture& chart) {
    QImage image(chart.ChartSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    chart.PaintChartInto(painter, image.rect());
    return image;
}

QByteArray ChartPictureBytes(const CChartPicture& chart, ChartFormat format, const QString& title) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const bool drawn = format == ChartFormat::Png   ? WritePng(chart, bytes)
                       : format == ChartFormat::Svg ? WriteSvg(chart, title, bytes)
                                                    : WritePdf(chart, title, bytes);
    return drawn ? bytes.data() : QByteArray();
}

#include "ChartPictures.h"

#include "VorlintView.h"

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

bool WritePng(const CVorlintView& view, QIODevice& device) {
    return ChartImage(view).save(&device, "PNG");
}

bool WriteSvg(const CVorlintView& view, const QString& title, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(view.size());
    svg.setViewBox(view.rect());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    view.PaintChartInto(painter, view.rect());
    return painter.end();
}

bool WritePdf(const CVorlintView& view, const QString& title, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Vorlint"));
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(view.size(), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    view.PaintChartInto(painter, painter.viewport());
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

QImage ChartImage(const CVorlintView& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    view.PaintChartInto(painter, image.rect());
    return image;
}

QByteArray ChartPictureBytes(const CVorlintView& view, ChartFormat format, const QString& title) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const bool drawn = format == ChartFormat::Png   ? WritePng(view, bytes)
                       : format == ChartFormat::Svg ? WriteSvg(view, title, bytes)
                                                    : WritePdf(view, title, bytes);
    return drawn ? bytes.data() : QByteArray();
}

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

bool WritePng(const Picture& picture, QIODevice& device) {
    return PictureImage(picture).save(&device, "PNG");
}

bool WriteSvg(const Picture& picture, const QString& title, QIODevice& device) {
    const QRect rect(QPoint(), picture.size);
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(picture.size);
    svg.setViewBox(rect);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    picture.paint(painter, rect);
    return painter.end();
}

bool WritePdf(const Picture& picture, const QString& title, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Vorlint"));
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(picture.size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    picture.paint(painter, painter.viewport());
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

Picture ChartPicture(const CVorlintView& view) {
    return {view.size(),
            [&view](QPainter& painter, const QRectF& target) { view.PaintChartInto(painter, target); }};
}

QImage PictureImage(const Picture& picture) {
    QImage image(picture.size, QImage::Format_RGB32);
    QPainter painter(&image);
    picture.paint(painter, image.rect());
    return image;
}

QByteArray PictureBytes(const Picture& picture, ChartFormat format, const QString& title) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const bool drawn = format == ChartFormat::Png   ? WritePng(picture, bytes)
                       : format == ChartFormat::Svg ? WriteSvg(picture, title, bytes)
                                                    : WritePdf(picture, title, bytes);
    return drawn ? bytes.data() : QByteArray();
}

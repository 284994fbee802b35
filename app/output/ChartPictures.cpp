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

/// One PDF unit a point, so that the page holds the picture at its size in pixels.
constexpr int kPdfResolution = 72;

bool WritePng(const PictureSource& source, QIODevice& device) {
    return PictureImage(source).save(&device, "PNG");
}

bool WriteSvg(const PictureSource& source, const QString& title, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(source.size);
    svg.setViewBox(QRect(QPoint(0, 0), source.size));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    source.paint(painter, QRectF(QPointF(0, 0), source.size));
    return painter.end();
}

bool WritePdf(const PictureSource& source, const QString& title, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Vorlint"));
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(source.size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    source.paint(painter, painter.viewport());
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

PictureSource ChartSource(const CVorlintView& view) {
    return {view.size(),
            [&view](QPainter& painter, const QRectF& target) { view.PaintChartInto(painter, target); }};
}

QImage PictureImage(const PictureSource& source) {
    QImage image(source.size, QImage::Format_RGB32);
    QPainter painter(&image);
    source.paint(painter, image.rect());
    return image;
}

QImage ChartImage(const CVorlintView& view) {
    return PictureImage(ChartSource(view));
}

QByteArray PictureBytes(const PictureSource& source, ChartFormat format, const QString& title) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const bool drawn = format == ChartFormat::Png   ? WritePng(source, bytes)
                       : format == ChartFormat::Svg ? WriteSvg(source, title, bytes)
                                                    : WritePdf(source, title, bytes);
    return drawn ? bytes.data() : QByteArray();
}

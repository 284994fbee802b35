#include "ViewPrinter.h"

#include "PrintHeader.h"
#include "VorlintView.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <algorithm>

namespace {

constexpr int kTitlePointSize = 12;
constexpr int kHeaderPointSize = 10;

/// Writes the header's lines from the top of `page`, the first larger and bold, a line too long for
/// the page wrapped (WrapHeaderLine); returns where the chart may begin, half a line below the last.
double DrawHeader(QPainter& painter, const QRectF& page, const QStringList& lines) {
    QFont font(QStringLiteral("Arial"));
    double y = page.top();
    for (int i = 0; i < lines.size(); ++i) {
        font.setPointSize(i == 0 ? kTitlePointSize : kHeaderPointSize);
        font.setBold(i == 0);
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        for (const QString& piece : WrapHeaderLine(lines[i], font, page.width(), painter.device())) {
            painter.drawText(QPointF(page.left(), y + metrics.ascent()), piece);
            y += metrics.lineSpacing();
        }
    }
    return y + QFontMetricsF(font, painter.device()).lineSpacing() / 2;
}

} // namespace

CViewPrinter::CViewPrinter() : m_printer(QPrinter::HighResolution) {}

void CViewPrinter::OnFilePrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&m_printer, parent);
    dialog.exec();
}

void CViewPrinter::OnFilePrint(const CVorlintView& view, const QString& documentName, QWidget* parent) {
    m_printer.setDocName(documentName);
    QPrintDialog dialog(&m_printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        PrintView(view, documentName, m_printer);
}

void CViewPrinter::OnFilePrintPreview(const CVorlintView& view, const QString& documentName,
                                      QWidget* parent) {
    m_printer.setDocName(documentName);
    QPrintPreviewDialog dialog(&m_printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* printer) { PrintView(view, documentName, *printer); });
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    if (preview != nullptr && m_nNumPreviewPages == 2)
        preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
    dialog.exec();
    if (preview != nullptr)
        m_nNumPreviewPages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

bool CViewPrinter::PrintView(const CVorlintView& view, const QString& documentName, QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    const QRectF page = painter.viewport();
    const double headerBottom =
        DrawHeader(painter, page, PrintHeaderLines(view, documentName, QDateTime::currentDateTime()));
    const QSizeF chart = view.size();
    if (chart.isEmpty())
        return true;
    const double scale =
        std::min(page.width() / chart.width(), (page.bottom() - headerBottom) / chart.height());
    view.PaintChartInto(painter, QRectF(QPointF(page.left(), headerBottom), chart * std::max(scale, 0.0)));
    return true;
}

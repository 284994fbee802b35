#include "ViewPrinter.h"

#include "VorlintView.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <algorithm>

CViewPrinter::CViewPrinter() : m_printer(QPrinter::HighResolution) {}

void CViewPrinter::OnFilePrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&m_printer, parent);
    dialog.exec();
}

void CViewPrinter::OnFilePrint(CVorlintView& view, const QString& documentName, QWidget* parent) {
    m_printer.setDocName(documentName);
    QPrintDialog dialog(&m_printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        PrintView(view, m_printer);
}

void CViewPrinter::OnFilePrintPreview(CVorlintView& view, const QString& documentName, QWidget* parent) {
    m_printer.setDocName(documentName);
    QPrintPreviewDialog dialog(&m_printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&view](QPrinter* printer) { PrintView(view, *printer); });
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    if (preview != nullptr && m_nNumPreviewPages == 2)
        preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
    dialog.exec();
    if (preview != nullptr)
        m_nNumPreviewPages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

bool CViewPrinter::PrintView(CVorlintView& view, QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    const QRect client = view.rect();
    if (client.isEmpty())
        return true;
    const QRect page = painter.viewport();
    const double scale = std::min(static_cast<double>(page.width()) / client.width(),
                                  static_cast<double>(page.height()) / client.height());
    painter.scale(scale, scale);
    view.OnDraw(painter, client);
    return true;
}

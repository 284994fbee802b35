#pragma once

#include <QPrinter>

class CVorlintView;
class QWidget;

/// Printing of a simulation window's chart, shared by Print, Print Preview and Print Setup so that
/// all three use the same printer settings.
class CViewPrinter {
public:
    CViewPrinter();

    /// Pages shown side by side in the preview (1 or 2; 0 until chosen), kept in the settings.
    int m_nNumPreviewPages = 0;

    void OnFilePrintSetup(QWidget* parent);
    void OnFilePrint(const CVorlintView& view, const QString& documentName, QWidget* parent);
    void OnFilePrintPreview(const CVorlintView& view, const QString& documentName, QWidget* parent);

    /// Draws one page: a header (PrintHeader.h) and under it the view's chart, painted as vectors
    /// straight onto the page and scaled to the page's width (less when the page is too short for
    /// it). False when the printer cannot be painted on.
    static bool PrintView(const CVorlintView& view, const QString& documentName, QPrinter& printer);

private:
    QPrinter m_printer;
};

#pragma once

#include <QPrinter>

class CVorlintView;
class QWidget;

/// Printing of a simulation window's chart through the view's own OnDraw, shared by Print, Print
/// Preview and Print Setup so that all three use the same printer settings.
class CViewPrinter {
public:
    CViewPrinter();

    /// Pages shown side by side in the preview (1 or 2; 0 until chosen), kept in the settings.
    int m_nNumPreviewPages = 0;

    void OnFilePrintSetup(QWidget* parent);
    void OnFilePrint(CVorlintView& view, const QString& documentName, QWidget* parent);
    void OnFilePrintPreview(CVorlintView& view, const QString& documentName, QWidget* parent);

    /// Draws the view's chart on one page, scaled to fit the printable area with its proportions kept.
    /// False when the printer cannot be painted on.
    static bool PrintView(CVorlintView& view, QPrinter& printer);

private:
    QPrinter m_printer;
};

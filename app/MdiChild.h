#pragma once

#include <QMdiSubWindow>

class CChildFrame;
class CDocument;
class CVorlintView;

/// The MDI window around one simulation window (CChildFrame and its view) of a document. Closing the
/// last window of a document asks to save it and ends the document.
class CMdiChild : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CMdiChild(CDocument& document);

    CChildFrame* Frame() const { return m_pFrame; }
    CVorlintView* View() const;
    /// The document shown, or nullptr once the window has been detached from it.
    CDocument* GetDocument() const { return m_pDocument; }
    /// Leaves the document: the window then closes without asking anything.
    void DetachDocument() { m_pDocument = nullptr; }
    /// "Title", or "Title:number" when the document has several windows (number > 0).
    void SetFrameTitle(const QString& title, int number);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDocument* m_pDocument;
    CChildFrame* m_pFrame;
};

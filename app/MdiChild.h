#pragma once

#include "KeptJson.h"

#include <QMdiSubWindow>

#include <functional>

class CChildFrame;
class CDocument;
class CVorlintView;

/// The MDI window around one simulation window (CChildFrame and its view) of a document. Whether it
/// may close, and what closing it means for its document, is the template's to decide.
class CMdiChild : public QMdiSubWindow {
    Q_OBJECT

public:
    /// Asked when the window is about to close; false keeps it open.
    using CloseHandler = std::function<bool(CMdiChild& window)>;

    explicit CMdiChild(CDocument& document);

    CChildFrame* Frame() const { return m_pFrame; }
    CVorlintView* View() const;
    /// The document shown, or nullptr once the window has been detached from it.
    CDocument* GetDocument() const { return m_pDocument; }
    /// Leaves the document: the window then closes without asking anything.
    void DetachDocument() { m_pDocument = nullptr; }
    void SetCloseHandler(CloseHandler mayClose) { m_mayClose = std::move(mayClose); }
    /// "Title", or "Title:number" when the document has several windows (number > 0).
    void SetFrameTitle(const QString& title, int number);
    /// Keys of this window's entry in its document's file that this version does not know, written
    /// back as they came when the document is saved.
    const KeptJson& UnknownSettings() const { return m_unknownSettings; }
    void SetUnknownSettings(KeptJson keys) { m_unknownSettings = std::move(keys); }

signals:
    /// The document's modified flag changed.
    void documentModifiedChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDocument* m_pDocument;
    CChildFrame* m_pFrame;
    CloseHandler m_mayClose;
    KeptJson m_unknownSettings;
};

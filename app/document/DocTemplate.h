#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CDocument;
class CMdiChild;
class QMdiArea;

/// Joins a document class to its frame and view and makes new and opened documents, each with its
/// first window, inside the main frame's MDI area. Its strings come as one text of seven fields
/// separated by line breaks: window title, document name, file-new name, filter name, filter
/// extension, file type identifier and file type name.
class CMultiDocTemplate {
    Q_DECLARE_TR_FUNCTIONS(CMultiDocTemplate)

public:
    static constexpr int kDocStringCount = 7;
    /// The fields the program reads, by their place in the text. The text keeps the other three whole
    /// as the program's resource; the installed desktop entry and MIME type register the file type.
    enum DocStringIndex {
        docName = 1,
        filterName = 3,
        filterExt = 4,
    };

    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;

    CMultiDocTemplate(const QString& docStrings, DocumentFactory createDocument);
    ~CMultiDocTemplate();

    QString GetDocString(DocStringIndex index) const;
    void SetMdiArea(QMdiArea* mdiArea) { m_pMdiArea = mdiArea; }
    void SetRecentFileHook(std::function<void(const QString&)> addToRecentFiles);
    void SetFrameCreatedHook(std::function<void(CMdiChild*)> frameCreated);

    /// A new document (empty path, named "<docName><running number>") shown in a new window with a
    /// fresh simulation, or the document of a file shown in the windows it keeps, none running; an
    /// already open file only gets its window activated. nullptr, with nothing opened, when the file
    /// cannot be opened.
    CDocument* OpenDocumentFile(const QString& pathName);
    /// A new, not yet shown window on the document, whose panel edits mark the document modified;
    /// "New Window" follows it with InitialUpdateFrame.
    CMdiChild* CreateNewFrame(CDocument& document);
    /// Starts the window's own simulation in its initial state, lets the document give it its state,
    /// shows the window and activates it.
    void InitialUpdateFrame(CMdiChild& frame);

    const std::vector<std::unique_ptr<CDocument>>& Documents() const { return m_documents; }
    CDocument* FindDocument(const QString& pathName) const;

    /// Asks to save every modified document; false as soon as the user cancels.
    bool SaveAllModified();
    /// Closes the document's windows and ends it, without asking.
    void CloseDocument(CDocument& document);
    void CloseAllDocuments();

    /// Lets the user pick a file in the open or the save dialog; fileName holds the proposal on entry.
    bool DoPromptFileName(QString& fileName, bool open) const;
    void AddToRecentFileList(const QString& pathName) const;

private:
    CDocument& CreateNewDocument();
    /// A window is about to close: closing the last window of a modified document asks to save it
    /// (false when the user cancels), and the document ends with its last window.
    bool OnFrameClosing(CMdiChild& frame);
    void RemoveDocument(CDocument& document);
    QString FileDialogFilter() const;

    QStringList m_strDocStrings;
    DocumentFactory m_createDocument;
    QMdiArea* m_pMdiArea = nullptr;
    std::function<void(const QString&)> m_addToRecentFiles;
    std::function<void(CMdiChild*)> m_frameCreated;
    int m_nUntitledCount = 0;
    std::vector<std::unique_ptr<CDocument>> m_documents;
};

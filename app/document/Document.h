#pragma once

#include "DocumentFingerprint.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

class CMdiChild;
class QIODevice;

/// What a document asks of the program around it; the template that makes a document sets them.
struct DocumentHooks {
    /// Lets the user pick the file to save under (`fileName` holds the proposal); false on cancel.
    std::function<bool(QString& fileName)> promptSaveName;
    /// Remembers a file the document was opened from or saved to.
    std::function<void(const QString& pathName)> addToRecentFiles;
};

/// The document half of the document/view pattern: a title, a file path, a modified flag and the
/// frames that show it. Derived documents decide what a file holds through Serialize.
class CDocument {
    Q_DECLARE_TR_FUNCTIONS(CDocument)

public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    void SetHooks(DocumentHooks hooks) { m_hooks = std::move(hooks); }
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strPathName; }
    /// Remembers the file, names the document after it and, when asked, adds it to the recent files.
    void SetPathName(const QString& pathName, bool addToRecentFiles = true);
    bool IsModified() const { return m_bModified; }
    /// Marks the document changed or saved; its windows tell whoever shows the mark.
    void SetModifiedFlag(bool modified = true);

    virtual bool OnNewDocument();
    /// Opens the file for reading and lets Serialize load it; false (after a message naming the file
    /// and what is wrong) if it cannot, if it is not a regular file, if Serialize refuses it or if
    /// memory runs out.
    virtual bool OnOpenDocument(const QString& pathName);
    /// Lets Serialize store into a temporary file that replaces the file once all of it is written;
    /// false (after a message) if it cannot or if memory runs out, leaving the old file whole.
    /// Opening and saving remember the file's identity.
    virtual bool OnSaveDocument(const QString& pathName);

    /// Whether the document may show one more window; false with the reason in `why`.
    virtual bool CanAddFrame(QString& /*why*/) const { return true; }
    /// How many windows the document shows when it opens (a file may keep several); at least 1.
    virtual std::size_t InitialWindowCount() const { return 1; }
    /// A new window of the document has had its initial update: the document may give it its state.
    virtual void OnInitialUpdateFrame(CMdiChild& /*frame*/) {}

    /// Asks "Save changes to ...?" when modified; false when the user cancels or the save fails.
    bool SaveModified();
    /// The "Save" command: the current file, or Save As when there is none yet.
    bool DoFileSave();
    /// Saves under pathName, or under a name the user picks when pathName is empty. Saving over the
    /// document's file after another program changed it first asks whether to overwrite it, save
    /// under another name or cancel.
    bool DoSave(const QString& pathName, bool replace = true);

    const std::vector<CMdiChild*>& Frames() const { return m_frames; }
    void AddFrame(CMdiChild* frame);
    void RemoveFrame(CMdiChild* frame);
    /// Renames the frames: "Title" alone, or "Title:1", "Title:2"... when several show the document.
    void UpdateFrameCounts();

protected:
    /// Reads the document from the open file (loading) or writes it (storing); false with what is
    /// wrong in `problem` when the file cannot be read or the document not written.
    virtual bool Serialize(QIODevice& file, bool storing, QString& problem) = 0;

private:
    DocumentHooks m_hooks;
    QString m_strTitle;
    QString m_strPathName;
    CDocumentFingerprint m_fingerprint;
    bool m_bModified = false;
    std::vector<CMdiChild*> m_frames;
};

#include "Document.h"

#include "ChangedFileQuestion.h"
#include "FileErrorBox.h"
#include "FileNameEncoding.h"
#include "MdiChild.h"
#include "RegularFile.h"
#include "SafeFileWrite.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <new>

namespace {

const char* const kOpenFailed = QT_TRANSLATE_NOOP("FileErrorBox", "Failed to open document.");
const char* const kSaveFailed = QT_TRANSLATE_NOOP("FileErrorBox", "Failed to save document.");

} // namespace

void CDocument::SetTitle(const QString& title) {
    m_strTitle = title;
    UpdateFrameCounts();
}

void CDocument::SetModifiedFlag(bool modified) {
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    for (CMdiChild* frame : m_frames)
        emit frame->documentModifiedChanged();
}

void CDocument::SetPathName(const QString& pathName, bool addToRecentFiles) {
    const QFileInfo file(AbsoluteFileName(pathName));
    m_strPathName = file.absoluteFilePath();
    SetTitle(file.fileName());
    if (addToRecentFiles && m_hooks.addToRecentFiles)
        m_hooks.addToRecentFiles(m_strPathName);
}

bool CDocument::OnNewDocument() {
    m_strPathName.clear();
    m_fingerprint.Forget();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& pathName) {
    try {
        QFile file(pathName);
        QString problem;
        if (!OpenRegularFileForReading(file, problem) || !Serialize(file, false, problem)) {
            ReportFileError(kOpenFailed, pathName, problem);
            return false;
        }
        m_fingerprint.Remember(pathName, file);
    } catch (const std::bad_alloc&) {
        ReportFileError(kOpenFailed, pathName, OutOfMemoryText());
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const QString& pathName) {
    try {
        QBuffer content;
        content.open(QIODevice::WriteOnly);
        QString problem;
        if (!Serialize(content, true, problem) || !WriteFileSafely(pathName, content.data(), problem)) {
            ReportFileError(kSaveFailed, pathName, problem);
            return false;
        }
        content.close();
        content.open(QIODevice::ReadOnly);
        m_fingerprint.Remember(pathName, content);
    } catch (const std::bad_alloc&) {
        ReportFileError(kSaveFailed, pathName, OutOfMemoryText());
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified() {
    if (!IsModified())
        return true;
    const QString name = m_strPathName.isEmpty() ? m_strTitle : m_strPathName;
    const auto answer = QMessageBox::question(
        QApplication::activeWindow(), QApplication::applicationName(), tr("Save changes to %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || DoFileSave();
}

bool CDocument::DoFileSave() {
    const QFileInfo file(m_strPathName);
    // A name Qt cannot reach would be saved as another file: ask for a name instead.
    const bool canWriteInPlace =
        !m_strPathName.isEmpty() && QtReachesFileName(m_strPathName) && (!file.exists() || file.isWritable());
    return DoSave(canWriteInPlace ? m_strPathName : QString());
}

bool CDocument::DoSave(const QString& pathName, bool replace) {
    QString newName = pathName;
    if (newName.isEmpty()) {
        newName = m_strPathName.isEmpty() ? m_strTitle : m_strPathName;
        if (!m_hooks.promptSaveName || !m_hooks.promptSaveName(newName))
            return false;
    }
    if (m_fingerprint.ChangedOnDisk(newName)) {
        switch (AskAboutChangedFile(newName)) {
        case ChangedFileAnswer::Overwrite:
            break;
        case ChangedFileAnswer::SaveAs:
            return DoSave(QString(), replace);
        case ChangedFileAnswer::Cancel:
            return false;
        }
    }
    if (!OnSaveDocument(newName))
        return false;
    if (replace)
        SetPathName(newName);
    return true;
}

void CDocument::AddFrame(CMdiChild* frame) {
    m_frames.push_back(frame);
    UpdateFrameCounts();
}

void CDocument::RemoveFrame(CMdiChild* frame) {
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), frame), m_frames.end());
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts() {
    const bool numbered = m_frames.size() > 1;
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i]->SetFrameTitle(m_strTitle, numbered ? static_cast<int>(i + 1) : 0);
}

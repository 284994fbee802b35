#include "DocTemplate.h"

#include "Document.h"
#include "FileDialogFolder.h"
#include "FileNameEncoding.h"
#include "MdiChild.h"
#include "SettingEditWatch.h"
#include "VorlintView.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

CMultiDocTemplate::CMultiDocTemplate(const QString& docStrings, DocumentFactory createDocument)
    : m_strDocStrings(docStrings.split('\n')), m_createDocument(std::move(createDocument)) {
    while (m_strDocStrings.size() < kDocStringCount)
        m_strDocStrings.append(QString());
}

CMultiDocTemplate::~CMultiDocTemplate() = default;

QString CMultiDocTemplate::GetDocString(DocStringIndex index) const {
    return m_strDocStrings[index];
}

void CMultiDocTemplate::SetRecentFileHook(std::function<void(const QString&)> addToRecentFiles) {
    m_addToRecentFiles = std::move(addToRecentFiles);
}

void CMultiDocTemplate::SetFrameCreatedHook(std::function<void(CMdiChild*)> frameCreated) {
    m_frameCreated = std::move(frameCreated);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const QString& pathName) {
    if (!pathName.isEmpty()) {
        if (CDocument* open = FindDocument(pathName)) {
            if (!open->Frames().empty())
                m_pMdiArea->setActiveSubWindow(open->Frames().front());
            return open;
        }
    }
    CDocument& document = CreateNewDocument();
    if (pathName.isEmpty()) {
        document.SetTitle(GetDocString(docName) + QString::number(++m_nUntitledCount));
        if (!document.OnNewDocument()) {
            CloseDocument(document);
            return nullptr;
        }
    } else {
        // The file is read whole before any window shows, so that a refused file opens nothing.
        if (!document.OnOpenDocument(pathName)) {
            CloseDocument(document);
            return nullptr;
        }
        document.SetPathName(pathName);
    }
    const std::size_t windows = document.InitialWindowCount();
    for (std::size_t i = 0; i < windows; ++i)
        InitialUpdateFrame(*CreateNewFrame(document));
    return &document;
}

CMdiChild* CMultiDocTemplate::CreateNewFrame(CDocument& document) {
    auto* frame = new CMdiChild(document);
    frame->SetCloseHandler([this](CMdiChild& closing) { return OnFrameClosing(closing); });
    WatchSettingEdits(*frame->Frame(), [frame] {
        if (CDocument* shown = frame->GetDocument())
            shown->SetModifiedFlag();
    });
    m_pMdiArea->addSubWindow(frame);
    document.AddFrame(frame);
    if (m_frameCreated)
        m_frameCreated(frame);
    return frame;
}

void CMultiDocTemplate::InitialUpdateFrame(CMdiChild& frame) {
    frame.View()->OnInitialUpdate();
    if (CDocument* document = frame.GetDocument())
        document->OnInitialUpdateFrame(frame);
    frame.show();
    m_pMdiArea->setActiveSubWindow(&frame);
}

CDocument* CMultiDocTemplate::FindDocument(const QString& pathName) const {
    const QString wanted = AbsoluteFileName(pathName);
    for (const auto& document : m_documents) {
        if (!document->GetPathName().isEmpty() && document->GetPathName() == wanted)
            return document.get();
    }
    return nullptr;
}

CDocument& CMultiDocTemplate::CreateNewDocument() {
    m_documents.push_back(m_createDocument());
    CDocument& document = *m_documents.back();
    document.SetHooks({[this](QString& fileName) { return DoPromptFileName(fileName, false); },
                       [this](const QString& pathName) { AddToRecentFileList(pathName); }});
    return document;
}

bool CMultiDocTemplate::SaveAllModified() {
    for (const auto& document : m_documents) {
        if (!document->SaveModified())
            return false;
    }
    return true;
}

void CMultiDocTemplate::CloseDocument(CDocument& document) {
    const std::vector<CMdiChild*> frames = document.Frames();
    for (CMdiChild* frame : frames) {
        frame->DetachDocument();
        frame->close();
    }
    RemoveDocument(document);
}

void CMultiDocTemplate::CloseAllDocuments() {
    while (!m_documents.empty())
        CloseDocument(*m_documents.back());
}

bool CMultiDocTemplate::OnFrameClosing(CMdiChild& frame) {
    CDocument* document = frame.GetDocument();
    if (document == nullptr)
        return true;
    if (document->Frames().size() == 1 && !document->SaveModified())
        return false;
    frame.DetachDocument();
    document->RemoveFrame(&frame);
    if (document->Frames().empty())
        RemoveDocument(*document);
    return true;
}

void CMultiDocTemplate::RemoveDocument(CDocument& document) {
    m_documents.erase(std::remove_if(m_documents.begin(), m_documents.end(),
                                     [&](const auto& each) { return each.get() == &document; }),
                      m_documents.end());
}

QString CMultiDocTemplate::FileDialogFilter() const {
    return GetDocString(filterName) + QStringLiteral(";;") + tr("All Files (*)");
}

bool CMultiDocTemplate::DoPromptFileName(QString& fileName, bool open) const {
    QFileDialog dialog(m_pMdiArea != nullptr ? m_pMdiArea->window() : nullptr,
                       open ? tr("Open") : tr("Save As"), FileDialogFolder(), FileDialogFilter());
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(GetDocString(filterExt).mid(1));
    if (!open && !fileName.isEmpty())
        dialog.selectFile(QFileInfo(fileName).suffix().isEmpty() ? fileName + GetDocString(filterExt)
                                                                 : fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().front();
    RememberFileDialogFolder(fileName);
    return true;
}

void CMultiDocTemplate::AddToRecentFileList(const QString& pathName) const {
    if (m_addToRecentFiles)
        m_addToRecentFiles(pathName);
}

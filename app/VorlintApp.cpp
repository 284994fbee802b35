#include "VorlintApp.h"

#include "AboutDlg.h"
#include "ChartStyleSettings.h"
#include "CommandIds.h"
#include "CommandLineInfo.h"
#include "CommandRouter.h"
#include "DocTemplate.h"
#include "MainFrame.h"
#include "SettingsFileCheck.h"
#include "VorlintDoc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QSettings>

namespace {

// String resource 129: window title, document name, file-new name, filter name, filter extension,
// file type identifier and file type name.
//: Seven fields, one a line: a translation changes only the filter name, the fourth.
const char* const kDocStrings = QT_TRANSLATE_NOOP(
    "CVorlintApp", "\nVorlint\nVorlint\nVorlint Files (*.vrl)\n.vrl\nVorlint.Document\nVorlint.Document");
const char* const kAppTitle = "Vorlint";
const char* const kRegistryKey = "Local AppWizard-Generated Applications";
constexpr int kRecentFileCount = 16;
constexpr int kRecentFileDisplayLength = 30;

} // namespace

CVorlintApp::CVorlintApp(const QString& language)
    : m_recentFileList(QStringLiteral("Recent File List"), QStringLiteral("File%1"), kRecentFileCount,
                       kRecentFileDisplayLength),
      m_language(language) {}

CVorlintApp::~CVorlintApp() {
    if (m_pDocTemplate)
        m_pDocTemplate->CloseAllDocuments();
}

bool CVorlintApp::InitInstance(const QStringList& arguments) {
    // The common controls and the framework come with the QApplication the caller has created.
    // Nothing corresponds to OLE initialisation and the control container on this platform.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kRegistryKey));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    IgnoreUnfitSettingsFiles();
    LoadStdProfileSettings();
    AddDocTemplate();
    CreateMainFrame();
    // The shell learns the ".vrl" type from the installed desktop entry and MIME type.
    CCommandLineInfo commandLine;
    commandLine.ParseCommandLine(arguments);
    if (!ProcessShellCommand(commandLine))
        return false;
    m_pMainFrame->show();
    return true;
}

void CVorlintApp::LoadStdProfileSettings() {
    m_recentFileList.ReadList();
    m_viewPrinter.m_nNumPreviewPages = QSettings().value(QStringLiteral("Settings/PreviewPages"), 0).toInt();
}

void CVorlintApp::SaveStdProfileSettings() const {
    m_recentFileList.WriteList();
    if (m_viewPrinter.m_nNumPreviewPages != 0)
        QSettings().setValue(QStringLiteral("Settings/PreviewPages"), m_viewPrinter.m_nNumPreviewPages);
}

void CVorlintApp::AddDocTemplate() {
    m_pDocTemplate =
        std::make_unique<CMultiDocTemplate>(tr(kDocStrings), [] { return std::make_unique<CVorlintDoc>(); });
    m_pDocTemplate->SetRecentFileHook([this](const QString& pathName) { AddToRecentFileList(pathName); });
}

void CVorlintApp::CreateMainFrame() {
    // Unlike the window handles of other toolkits, creating Qt widgets cannot fail.
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->OnCreate();
    m_pMainFrame->SetChartStyle(ReadChartStyle());
    m_pRouter = new CCommandRouter(*m_pMainFrame, *m_pDocTemplate, m_viewPrinter, m_language);
    ConnectMainFrame();
    m_pDocTemplate->SetMdiArea(m_pMainFrame->MdiArea());
    m_pDocTemplate->SetFrameCreatedHook([this](CMdiChild* frame) { m_pMainFrame->OnFrameCreated(frame); });
    m_pMainFrame->UpdateRecentFileMenus(m_recentFileList);
}

void CVorlintApp::ConnectMainFrame() {
    m_pRouter->ConnectCommand(CommandId::FileNew, [this] { OnFileNew(); });
    m_pRouter->ConnectCommand(CommandId::FileOpen, [this] { OnFileOpen(); });
    m_pRouter->ConnectCommand(CommandId::FilePrintSetup, [this] { OnFilePrintSetup(); });
    m_pRouter->ConnectCommand(CommandId::AppAbout, [this] { OnAppAbout(); });
    CMainFrame* frame = m_pMainFrame.get();
    connect(frame, &CMainFrame::closeRequested, this, [this](QCloseEvent* event) {
        if (!OnMainFrameClosing())
            event->ignore();
    });
    connect(frame, &CMainFrame::filesDropped, this, [this](const QStringList& files) {
        for (const QString& file : files)
            OpenDocumentFile(file);
    });
    connect(frame, &CMainFrame::recentFileChosen, this, &CVorlintApp::OnOpenRecentFile);
}

bool CVorlintApp::ProcessShellCommand(const CCommandLineInfo& commandLine) {
    if (commandLine.m_nShellCommand == CCommandLineInfo::FileOpen)
        return OpenDocumentFile(commandLine.m_strFileName) != nullptr;
    return m_pDocTemplate->OpenDocumentFile(QString()) != nullptr;
}

void CVorlintApp::OnFileNew() {
    m_pDocTemplate->OpenDocumentFile(QString());
}

void CVorlintApp::OnFileOpen() {
    QString fileName;
    if (m_pDocTemplate->DoPromptFileName(fileName, true))
        OpenDocumentFile(fileName);
}

void CVorlintApp::OnFilePrintSetup() {
    m_viewPrinter.OnFilePrintSetup(m_pMainFrame.get());
}

void CVorlintApp::OnAppAbout() {
    CAboutDlg about(m_pMainFrame.get());
    about.exec();
}

CDocument* CVorlintApp::OpenDocumentFile(const QString& pathName) {
    return m_pDocTemplate->OpenDocumentFile(pathName);
}

void CVorlintApp::OnOpenRecentFile(int index) {
    if (index < 0 || index >= m_recentFileList.GetCount())
        return;
    if (OpenDocumentFile(m_recentFileList[index]) == nullptr) {
        m_recentFileList.Remove(index);
        m_recentFileList.WriteList();
        m_pMainFrame->UpdateRecentFileMenus(m_recentFileList);
    }
}

void CVorlintApp::AddToRecentFileList(const QString& pathName) {
    m_recentFileList.Add(pathName);
    m_recentFileList.WriteList();
    if (m_pMainFrame)
        m_pMainFrame->UpdateRecentFileMenus(m_recentFileList);
}

bool CVorlintApp::OnMainFrameClosing() {
    if (!m_pDocTemplate->SaveAllModified())
        return false;
    m_pDocTemplate->CloseAllDocuments();
    SaveStdProfileSettings();
    return true;
}

#pragma once

#include "RecentFileList.h"
#include "ViewPrinter.h"

#include <QObject>
#include <QStringList>

#include <memory>

class CCommandRouter;
class CDocument;
class CMainFrame;
class CMultiDocTemplate;
struct CCommandLineInfo;

/// The application: starts the program, owns the main frame, the document template, the recent-file
/// list and the printer settings, and handles the commands that need no document.
class CVorlintApp : public QObject {
    Q_OBJECT

public:
    /// `language`: the interface's translation, as InstallInterfaceTranslations gives it.
    explicit CVorlintApp(const QString& language = QString());
    ~CVorlintApp() override;

    /// Start-up; `arguments` are those after the program name. False when the program must end.
    bool InitInstance(const QStringList& arguments);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CMultiDocTemplate& DocTemplate() const { return *m_pDocTemplate; }
    CRecentFileList& RecentFileList() { return m_recentFileList; }
    CViewPrinter& ViewPrinter() { return m_viewPrinter; }
    const QString& InterfaceLanguage() const { return m_language; }

    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    /// Opens a file as a document (or activates it when already open); nullptr on failure.
    CDocument* OpenDocumentFile(const QString& pathName);
    /// Opens entry `index` of the recent-file list; an entry that fails to open leaves the list.
    void OnOpenRecentFile(int index);
    void AddToRecentFileList(const QString& pathName);

    /// The main frame is closing: asks to save modified documents, then closes them all and writes
    /// the settings. False when the user cancels.
    bool OnMainFrameClosing();

private:
    void LoadStdProfileSettings();
    void SaveStdProfileSettings() const;
    void AddDocTemplate();
    void CreateMainFrame();
    void ConnectMainFrame();
    bool ProcessShellCommand(const CCommandLineInfo& commandLine);

    std::unique_ptr<CMultiDocTemplate> m_pDocTemplate;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CCommandRouter* m_pRouter = nullptr; ///< owned by the main frame
    CRecentFileList m_recentFileList;
    CViewPrinter m_viewPrinter;
    QString m_language;
};

#pragma once

#include <QObject>

class CCommandTable;
class CDocument;
class CMainFrame;
class CMdiChild;
class CVorlintApp;
class CVorlintView;

/// Sends each command to the object that handles it (the active view, its document, the main frame
/// or the application) and keeps every action's enabled state and check mark up to date: a command
/// whose handler has no target is disabled, and the Edit commands have no handler at all.
class CCommandRouter : public QObject {
    Q_OBJECT

public:
    CCommandRouter(CVorlintApp& app, CMainFrame& frame, const CCommandTable& commands);

    /// Refreshes the enabled states and the check marks (Start, Stop, Toolbar, Status Bar).
    void UpdateCommandUI();

private:
    void Connect(int id, void (CCommandRouter::*handler)());
    CVorlintView* ActiveView() const;
    CDocument* ActiveDocument() const;

    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnAppExit();
    void OnAppAbout();
    void OnViewToolbar();
    void OnViewStatusBar();
    void OnWindowNew();
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    void OnSimStart();
    void OnSimStop();
    void OnSimFormula();

    CVorlintApp& m_app;
    CMainFrame& m_frame;
    const CCommandTable& m_commands;
};

#pragma once

#include "CommandTable.h"

#include <QList>
#include <QMainWindow>

class CCommandRouter;
class CKeyIndicators;
class CMdiChild;
class CVorlintApp;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

/// The main window: the MDI area holding the simulation windows, the menu of the current state
/// (128 without a simulation window, 129 with one), the toolbar and the status bar.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CVorlintApp& app);
    ~CMainFrame() override;

    /// Builds the toolbar, the status bar, the menus and the command routing.
    void OnCreate();

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    /// The simulation window the commands act on: the active one, kept while a dialog has the focus.
    CMdiChild* ActiveChild() const;
    QAction* Action(int id) const { return m_commands.Action(id); }
    /// 128 or 129: the menu resource now in the menu bar.
    int CurrentMenuResource() const { return m_nMenuResource; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    CKeyIndicators* KeyIndicators() const { return m_pKeyIndicators; }
    QLabel* MessagePane() const { return m_pMessagePane; }

    /// Rewrites the recent-file entries of both File menus from the application's list.
    void UpdateRecentFileMenus();
    /// Ties a new simulation window to the title, the menus and the Start/Stop check marks.
    void OnFrameCreated(CMdiChild* frame);
    /// Shows the menu of the current state, the check marks and the title of the active document.
    void OnActiveChildChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    void LoadMenus();
    void ShowMenuResource(int resourceId);
    void OnUpdateFrameTitle();

    CVorlintApp& m_app;
    CCommandTable m_commands;
    QMdiArea* m_pMdiArea;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    CKeyIndicators* m_pKeyIndicators = nullptr;
    CCommandRouter* m_pRouter = nullptr;
    QList<QMenu*> m_noDocumentMenus;
    QList<QMenu*> m_documentMenus;
    QList<QAction*> m_recentFileActions;
    int m_nMenuResource = 0;
};

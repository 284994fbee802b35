#pragma once

#include "ChartStyle.h"
#include "CommandTable.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

class CActiveWindowReadout;
class CKeyIndicators;
class CMdiChild;
class CRecentFileList;
class CSpeedSelector;
class CExerciseDock;
class CStepResponseDock;
class QCloseEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

/// The main window: the MDI area holding the simulation windows, the menu of the current state
/// (128 without a simulation window, 129 with one), the toolbar, the status bar with the active
/// window's readout, and the step-response dock. It keeps the chart style every window draws with.
/// What the user asks of the window itself (closing it, dropping files on it, a recent file) it
/// passes on as signals.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    /// Builds the toolbar, the status bar and the menus.
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
    CActiveWindowReadout* Readout() const { return m_pReadout; }
    CStepResponseDock* StepResponseDock() const { return m_pStepResponseDock; }
    CExerciseDock* ExerciseDock() const { return m_pExerciseDock; }
    CSpeedSelector* SpeedSelector() const { return m_pSpeedSelector; }

    /// The palette and scales of every simulation window's chart.
    const ChartStyle& Style() const { return m_chartStyle; }
    /// Gives every simulation window, and those opened later, `style`.
    void SetChartStyle(const ChartStyle& style);

    /// Rewrites the recent-file entries of both File menus from `list`.
    void UpdateRecentFileMenus(const CRecentFileList& list);
    /// Ties a new simulation window to the title, the menus and the Start/Stop check marks.
    void OnFrameCreated(CMdiChild* frame);
    /// Shows the menu of the current state, the check marks and the title of the active document.
    void OnActiveChildChanged();

signals:
    /// The window is asked to close; a receiver that ignores `event` keeps it open.
    void closeRequested(QCloseEvent* event);
    /// Local files were dropped on the window, to be opened in this order.
    void filesDropped(const QStringList& files);
    /// Entry `index` of the recent-file list was chosen in a File menu.
    void recentFileChosen(int index);
    /// The active window or its running state changed: enabled states and check marks may be stale.
    void commandStateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    void CreateStepResponseDock();
    void CreateExerciseDock();
    void LoadMenus();
    void ShowMenuResource(int resourceId);
    void OnUpdateFrameTitle();
    void OnStepFailed(const QString& message);

    CCommandTable m_commands;
    QMdiArea* m_pMdiArea;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    CKeyIndicators* m_pKeyIndicators = nullptr;
    CStepResponseDock* m_pStepResponseDock = nullptr;
    CExerciseDock* m_pExerciseDock = nullptr;
    CActiveWindowReadout* m_pReadout = nullptr;
    CSpeedSelector* m_pSpeedSelector = nullptr;
    ChartStyle m_chartStyle;
    QList<QMenu*> m_noDocumentMenus;
    QList<QMenu*> m_documentMenus;
    QList<QAction*> m_recentFileActions;
    int m_nMenuResource = 0;
};

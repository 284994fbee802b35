#include "MainFrame.h"

#include "ActiveWindowReadout.h"
#include "AppIcon.h"
#include "CommandIds.h"
#include "Document.h"
#include "ExerciseDock.h"
#include "KeyIndicators.h"
#include "MdiChild.h"
#include "MenuResources.h"
#include "RecentFileList.h"
#include "SpeedSelector.h"
#include "StepResponseDock.h"
#include "VorlintView.h"
#include "WindowCycleKeys.h"
#include "WindowListMenu.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

namespace {

const int kToolbarButtons[] = {
    CommandId::FileNew,
    CommandId::FileOpen,
    CommandId::FileSave,
    0,
    CommandId::EditCut,
    CommandId::EditCopy,
    CommandId::EditPaste,
    0,
    CommandId::FilePrint,
    CommandId::AppAbout,
    0,
    CommandId::SimStart,
    CommandId::SimStop,
};

/// "&1 name" up to the ninth entry, "1&0 name" for the tenth, then the number without a mnemonic.
QString RecentFileMenuText(int index, QString displayName) {
    displayName.replace('&', QStringLiteral("&&"));
    const int number = index + 1;
    if (number < 10)
        return QStringLiteral("&%1 %2").arg(number).arg(displayName);
    if (number == 10)
        return QStringLiteral("1&0 %1").arg(displayName);
    return QStringLiteral("%1 %2").arg(number).arg(displayName);
}

QStringList LocalFiles(const QMimeData* mimeData) {
    QStringList files;
    for (const QUrl& url : mimeData->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

CMainFrame::CMainFrame() : m_commands(this), m_pMdiArea(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Vorlint"));
    setWindowIcon(VorlintIcon());
    setCentralWidget(m_pMdiArea);
    // A window that reaches past an edge of the area, as when the toolbar or the status bar comes back
    // and the area shrinks, stays within reach.
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAcceptDrops(true);
    addActions(m_commands.AllActions());
    AddWindowCycleKeys(*this, *m_pMdiArea);
    resize(1024, 720);
}

CMainFrame::~CMainFrame() {
    // The dock hides as the window's children go, after this class's part of it has gone.
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(m_pStepResponseDock), static_cast<QDockWidget*>(m_pExerciseDock)}) {
        if (dock != nullptr)
            disconnect(dock, nullptr, this, nullptr);
    }
}

void CMainFrame::OnCreate() {
    CreateToolBar();
    CreateStepResponseDock();
    CreateExerciseDock();
    CreateStatusBar();
    LoadMenus();
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActiveChildChanged);
    OnActiveChildChanged();
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(tr("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar128"));
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : kToolbarButtons) {
        if (id == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(m_commands.Action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    // Beside the buttons, in a bar of its own: a list is no button of the toolbar's resource.
    auto* speedBar = new QToolBar(tr("Velocidade"), this);
    speedBar->setObjectName(QStringLiteral("speedToolbar"));
    m_pSpeedSelector = new CSpeedSelector(*speedBar, [this]() -> CChildFrame* {
        const CMdiChild* child = ActiveChild();
        return child != nullptr ? child->Frame() : nullptr;
    });
    connect(this, &CMainFrame::commandStateChanged, m_pSpeedSelector, &CSpeedSelector::Refresh);
    addToolBar(Qt::TopToolBarArea, speedBar);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // The message pane: prompts of the menu items and buttons under the mouse, "Ready" otherwise.
    m_pMessagePane = new QLabel(tr("Ready"), bar);
    bar->addWidget(m_pMessagePane, 1);
    m_pReadout = new CActiveWindowReadout(*bar, *m_pStepResponseDock, *m_pExerciseDock,
                                          [this]() -> CMdiChild* { return ActiveChild(); });
    m_pKeyIndicators = new CKeyIndicators(*bar);
}

void CMainFrame::CreateStepResponseDock() {
    // Hidden until View > "Resposta ao degrau" shows it.
    m_pStepResponseDock = new CStepResponseDock(this);
    addDockWidget(Qt::RightDockWidgetArea, m_pStepResponseDock);
    m_pStepResponseDock->hide();
    connect(m_pStepResponseDock, &QDockWidget::visibilityChanged, this, &CMainFrame::commandStateChanged);
}

void CMainFrame::CreateExerciseDock() {
    // Hidden until View > "Exercício" shows it.
    m_pExerciseDock = new CExerciseDock(this);
    addDockWidget(Qt::RightDockWidgetArea, m_pExerciseDock);
    m_pExerciseDock->hide();
    connect(m_pExerciseDock, &QDockWidget::visibilityChanged, this, &CMainFrame::commandStateChanged);
}

void CMainFrame::SetChartStyle(const ChartStyle& style) {
    m_chartStyle = style;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
        if (const auto* child = qobject_cast<CMdiChild*>(window))
            child->View()->SetChartStyle(style);
    }
}

void CMainFrame::LoadMenus() {
    m_noDocumentMenus = BuildMenuResource(MenuResource::kNoDocument, m_commands, this);
    m_documentMenus = BuildMenuResource(MenuResource::kDocument, m_commands, this);
    for (QMenu* menu : m_documentMenus) {
        if (menu->actions().contains(m_commands.Action(CommandId::WindowNew)))
            new CWindowListMenu(*menu, *m_pMdiArea);
    }
}

void CMainFrame::ShowMenuResource(int resourceId) {
    if (resourceId == m_nMenuResource)
        return;
    m_nMenuResource = resourceId;
    menuBar()->clear();
    for (QMenu* menu : resourceId == MenuResource::kDocument ? m_documentMenus : m_noDocumentMenus)
        menuBar()->addMenu(menu);
}

CMdiChild* CMainFrame::ActiveChild() const {
    return qobject_cast<CMdiChild*>(m_pMdiArea->currentSubWindow());
}

void CMainFrame::OnFrameCreated(CMdiChild* frame) {
    frame->setWindowIcon(VorlintIcon());
    frame->View()->SetChartStyle(m_chartStyle);
    PlaceNewWindow(*m_pMdiArea, *frame);
    connect(frame, &QWidget::windowTitleChanged, this, &CMainFrame::OnUpdateFrameTitle);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::OnUpdateFrameTitle);
    connect(frame, &CMdiChild::documentModifiedChanged, this, &CMainFrame::OnUpdateFrameTitle);
    connect(frame->View(), &CVorlintView::runningChanged, this, &CMainFrame::commandStateChanged);
    // Shown once the failed step has returned, not inside it.
    connect(frame->View(), &CVorlintView::stepFailed, this, &CMainFrame::OnStepFailed, Qt::QueuedConnection);
    connect(frame, &QObject::destroyed, this, &CMainFrame::OnActiveChildChanged, Qt::QueuedConnection);
}

void CMainFrame::OnStepFailed(const QString& message) {
    QMessageBox::warning(this, QApplication::applicationName(), message);
}

void CMainFrame::OnActiveChildChanged() {
    ShowMenuResource(ActiveChild() != nullptr ? MenuResource::kDocument : MenuResource::kNoDocument);
    OnUpdateFrameTitle();
    emit commandStateChanged();
}

void CMainFrame::OnUpdateFrameTitle() {
    const CMdiChild* child = ActiveChild();
    const CDocument* document = child != nullptr ? child->GetDocument() : nullptr;
    // "[*]" shows as "*" while the active window's document has changes to save.
    if (document == nullptr)
        setWindowTitle(QStringLiteral("Vorlint"));
    else if (child->isMaximized())
        setWindowTitle(QStringLiteral("Vorlint - [%1][*]").arg(child->windowTitle()));
    else
        setWindowTitle(QStringLiteral("Vorlint - %1[*]").arg(document->GetTitle()));
    setWindowModified(document != nullptr && document->IsModified());
}

void CMainFrame::UpdateRecentFileMenus(const CRecentFileList& list) {
    qDeleteAll(m_recentFileActions);
    m_recentFileActions.clear();
    QAction* placeholder = m_commands.Action(CommandId::FileMruFirst);
    const QString currentDir = QDir::currentPath();
    for (int i = 0; i < list.GetCount(); ++i) {
        auto* action = new QAction(RecentFileMenuText(i, list.GetDisplayName(i, currentDir)), this);
        action->setStatusTip(placeholder->statusTip());
        connect(action, &QAction::triggered, this, [this, i] { emit recentFileChosen(i); });
        m_recentFileActions.append(action);
    }
    for (QMenu* menus : {m_noDocumentMenus.front(), m_documentMenus.front()})
        menus->insertActions(placeholder, m_recentFileActions);
    placeholder->setVisible(m_recentFileActions.isEmpty());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    activateWindow();
    emit filesDropped(LocalFiles(event->mimeData()));
    event->acceptProposedAction();
}

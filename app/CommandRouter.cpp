#include "CommandRouter.h"

#include "ArrangeIcons.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "DocTemplate.h"
#include "Document.h"
#include "ExpressaoDlg.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "VorlintApp.h"
#include "VorlintView.h"

#include <QAction>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

namespace {

/// Commands that need an active simulation window.
const int kWindowCommands[] = {
    CommandId::FileClose,        CommandId::FileSave,  CommandId::FileSaveAs,    CommandId::FilePrint,
    CommandId::FilePrintPreview, CommandId::WindowNew, CommandId::WindowCascade, CommandId::WindowTile,
    CommandId::WindowArrange,    CommandId::SimStart,  CommandId::SimStop,       CommandId::SimFormula,
};

/// Commands that nothing in the program handles: the Edit commands, and the pane keys (a simulation
/// window is not split into panes).
const int kUnhandledCommands[] = {
    CommandId::EditUndo,  CommandId::EditCut,  CommandId::EditCopy,
    CommandId::EditPaste, CommandId::NextPane, CommandId::PrevPane,
};

} // namespace

CCommandRouter::CCommandRouter(CVorlintApp& app, CMainFrame& frame, const CCommandTable& commands)
    : QObject(&frame), m_app(app), m_frame(frame), m_commands(commands) {
    using R = CCommandRouter;
    Connect(CommandId::FileNew, &R::OnFileNew);
    Connect(CommandId::FileOpen, &R::OnFileOpen);
    Connect(CommandId::FileClose, &R::OnFileClose);
    Connect(CommandId::FileSave, &R::OnFileSave);
    Connect(CommandId::FileSaveAs, &R::OnFileSaveAs);
    Connect(CommandId::FilePrint, &R::OnFilePrint);
    Connect(CommandId::FilePrintPreview, &R::OnFilePrintPreview);
    Connect(CommandId::FilePrintSetup, &R::OnFilePrintSetup);
    Connect(CommandId::AppExit, &R::OnAppExit);
    Connect(CommandId::AppAbout, &R::OnAppAbout);
    Connect(CommandId::ViewToolbar, &R::OnViewToolbar);
    Connect(CommandId::ViewStatusBar, &R::OnViewStatusBar);
    Connect(CommandId::WindowNew, &R::OnWindowNew);
    Connect(CommandId::WindowCascade, &R::OnWindowCascade);
    Connect(CommandId::WindowTile, &R::OnWindowTile);
    Connect(CommandId::WindowArrange, &R::OnWindowArrange);
    Connect(CommandId::SimStart, &R::OnSimStart);
    Connect(CommandId::SimStop, &R::OnSimStop);
    Connect(CommandId::SimFormula, &R::OnSimFormula);
    for (int id : {CommandId::SimStart, CommandId::SimStop, CommandId::ViewToolbar, CommandId::ViewStatusBar})
        m_commands.Action(id)->setCheckable(true);
    UpdateCommandUI();
}

void CCommandRouter::Connect(int id, void (CCommandRouter::*handler)()) {
    connect(m_commands.Action(id), &QAction::triggered, this, [this, handler] {
        (this->*handler)();
        UpdateCommandUI();
    });
}

CVorlintView* CCommandRouter::ActiveView() const {
    const CMdiChild* child = m_frame.ActiveChild();
    return child != nullptr ? child->View() : nullptr;
}

CDocument* CCommandRouter::ActiveDocument() const {
    const CMdiChild* child = m_frame.ActiveChild();
    return child != nullptr ? child->GetDocument() : nullptr;
}

void CCommandRouter::UpdateCommandUI() {
    const CVorlintView* view = ActiveView();
    for (int id : kWindowCommands)
        m_commands.Action(id)->setEnabled(view != nullptr);
    for (int id : kUnhandledCommands)
        m_commands.Action(id)->setEnabled(false);
    m_commands.Action(CommandId::FileMruFirst)->setEnabled(false);
    m_commands.Action(CommandId::SimStart)->setChecked(view != nullptr && view->IsRunning());
    m_commands.Action(CommandId::SimStop)->setChecked(view != nullptr && !view->IsRunning());
    m_commands.Action(CommandId::ViewToolbar)->setChecked(!m_frame.ToolBar()->isHidden());
    m_commands.Action(CommandId::ViewStatusBar)->setChecked(!m_frame.statusBar()->isHidden());
}

void CCommandRouter::OnFileNew() {
    m_app.OnFileNew();
}

void CCommandRouter::OnFileOpen() {
    m_app.OnFileOpen();
}

void CCommandRouter::OnFileClose() {
    CDocument* document = ActiveDocument();
    if (document != nullptr && document->SaveModified())
        document->GetDocTemplate().CloseDocument(*document);
}

void CCommandRouter::OnFileSave() {
    if (CDocument* document = ActiveDocument())
        document->DoFileSave();
}

void CCommandRouter::OnFileSaveAs() {
    if (CDocument* document = ActiveDocument())
        document->DoSave(QString());
}

void CCommandRouter::OnFilePrint() {
    if (CVorlintView* view = ActiveView())
        m_app.ViewPrinter().OnFilePrint(*view, m_frame.ActiveChild()->windowTitle(), &m_frame);
}

void CCommandRouter::OnFilePrintPreview() {
    if (CVorlintView* view = ActiveView())
        m_app.ViewPrinter().OnFilePrintPreview(*view, m_frame.ActiveChild()->windowTitle(), &m_frame);
}

void CCommandRouter::OnFilePrintSetup() {
    m_app.OnFilePrintSetup();
}

void CCommandRouter::OnAppExit() {
    m_frame.close();
}

void CCommandRouter::OnAppAbout() {
    m_app.OnAppAbout();
}

void CCommandRouter::OnViewToolbar() {
    m_frame.ToolBar()->setVisible(m_frame.ToolBar()->isHidden());
}

void CCommandRouter::OnViewStatusBar() {
    m_frame.statusBar()->setVisible(m_frame.statusBar()->isHidden());
}

void CCommandRouter::OnWindowNew() {
    CDocument* document = ActiveDocument();
    if (document == nullptr)
        return;
    CMultiDocTemplate& docTemplate = document->GetDocTemplate();
    docTemplate.InitialUpdateFrame(*docTemplate.CreateNewFrame(*document));
}

void CCommandRouter::OnWindowCascade() {
    m_frame.MdiArea()->cascadeSubWindows();
}

void CCommandRouter::OnWindowTile() {
    m_frame.MdiArea()->tileSubWindows();
}

void CCommandRouter::OnWindowArrange() {
    ArrangeIconicWindows(*m_frame.MdiArea());
}

void CCommandRouter::OnSimStart() {
    if (CVorlintView* view = ActiveView())
        view->OnStart();
}

void CCommandRouter::OnSimStop() {
    if (CVorlintView* view = ActiveView())
        view->OnStop();
}

void CCommandRouter::OnSimFormula() {
    if (CVorlintView* view = ActiveView())
        CExpressaoDlg::EditFormula(view->m_strFormula);
}

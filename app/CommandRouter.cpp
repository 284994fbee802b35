#include "CommandRouter.h"

#include "ActiveWindowReadout.h"
#include "ArrangeIcons.h"
#include "BodePlot.h"
#include "ChartPictures.h"
#include "ChartStyleSettings.h"
#include "ChildFrame.h"
#include "CommandIds.h"
#include "DocTemplate.h"
#include "Document.h"
#include "EventsDlg.h"
#include "ExerciseDlg.h"
#include "ExerciseDock.h"
#include "ExportCommands.h"
#include "ExpressaoDlg.h"
#include "FrequencyDlg.h"
#include "LabReport.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "PlantControllerDlg.h"
#include "ResponseComparison.h"
#include "RunHistoryWindow.h"
#include "SetPointStepDlg.h"
#include "SettingsTable.h"
#include "StepResponseDock.h"
#include "TuningDlg.h"
#include "ViewPrinter.h"
#include "VorlintDoc.h"
#include "VorlintView.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace {

/// Commands that need an active simulation window.
const int kWindowCommands[] = {
    CommandId::FileClose,       CommandId::FileSave,           CommandId::FileSaveAs,
    CommandId::FileExportChart, CommandId::FileExportData,     CommandId::FileLabReport,
    CommandId::FilePrint,       CommandId::FilePrintPreview,   CommandId::EditCopy,
    CommandId::WindowNew,       CommandId::WindowCascade,      CommandId::WindowTile,
    CommandId::WindowArrange,   CommandId::SimStart,           CommandId::SimStop,
    CommandId::SimFormula,      CommandId::SimPlantController, CommandId::SimTuning,
    CommandId::SimSetPointStep, CommandId::ViewRunHistory,     CommandId::SimFrequency,
    CommandId::WindowCompare,   CommandId::SimEvents,          CommandId::SimExercise,
};

/// Commands that nothing in the program handles: Undo, Cut and Paste (a window has nothing to take
/// them), and the pane keys (a simulation window is not split into panes).
const int kUnhandledCommands[] = {
    CommandId::EditUndo, CommandId::EditCut, CommandId::EditPaste, CommandId::NextPane, CommandId::PrevPane,
};

} // namespace

CCommandRouter::CCommandRouter(CMainFrame& frame, CMultiDocTemplate& docTemplate, CViewPrinter& printer,
                               const QString& language)
    : QObject(&frame), m_frame(frame), m_docTemplate(docTemplate), m_printer(printer), m_language(language) {
    using R = CCommandRouter;
    Connect(CommandId::FileClose, &R::OnFileClose);
    Connect(CommandId::FileSave, &R::OnFileSave);
    Connect(CommandId::FileSaveAs, &R::OnFileSaveAs);
    Connect(CommandId::FileExportChart, &R::OnFileExportChart);
    Connect(CommandId::FileExportData, &R::OnFileExportData);
    Connect(CommandId::FileLabReport, &R::OnFileLabReport);
    Connect(CommandId::FilePrint, &R::OnFilePrint);
    Connect(CommandId::FilePrintPreview, &R::OnFilePrintPreview);
    Connect(CommandId::EditCopy, &R::OnEditCopy);
    Connect(CommandId::AppExit, &R::OnAppExit);
    Connect(CommandId::ViewToolbar, &R::OnViewToolbar);
    Connect(CommandId::ViewStatusBar, &R::OnViewStatusBar);
    Connect(CommandId::ViewHighContrast, &R::OnViewHighContrast);
    Connect(CommandId::ViewScale, &R::OnViewScale);
    Connect(CommandId::ViewSetPointOverTime, &R::OnViewSetPointOverTime);
    Connect(CommandId::ViewStepResponse, &R::OnViewStepResponse);
    Connect(CommandId::ViewExercise, &R::OnViewExercise);
    Connect(CommandId::ViewRunHistory, &R::OnViewRunHistory);
    Connect(CommandId::WindowNew, &R::OnWindowNew);
    Connect(CommandId::WindowCascade, &R::OnWindowCascade);
    Connect(CommandId::WindowTile, &R::OnWindowTile);
    Connect(CommandId::WindowArrange, &R::OnWindowArrange);
    Connect(CommandId::WindowCompare, &R::OnWindowCompare);
    Connect(CommandId::SimStart, &R::OnSimStart);
    Connect(CommandId::SimStop, &R::OnSimStop);
    Connect(CommandId::SimFormula, &R::OnSimFormula);
    Connect(CommandId::SimPlantController, &R::OnSimPlantController);
    Connect(CommandId::SimTuning, &R::OnSimTuning);
    Connect(CommandId::SimFrequency, &R::OnSimFrequency);
    Connect(CommandId::SimSetPointStep, &R::OnSimSetPointStep);
    Connect(CommandId::SimEvents, &R::OnSimEvents);
    Connect(CommandId::SimExercise, &R::OnSimExercise);
    for (int id : {CommandId::SimStart, CommandId::SimStop, CommandId::ViewToolbar, CommandId::ViewStatusBar,
                   CommandId::ViewHighContrast, CommandId::ViewScale, CommandId::ViewSetPointOverTime,
                   CommandId::ViewStepResponse, CommandId::ViewExercise})
        m_frame.Action(id)->setCheckable(true);
    connect(&m_frame, &CMainFrame::commandStateChanged, this, &CCommandRouter::UpdateCommandUI);
    UpdateCommandUI();
}

void CCommandRouter::ConnectCommand(int id, std::function<void()> handler) {
    connect(m_frame.Action(id), &QAction::triggered, this, [this, handler = std::move(handler)] {
        handler();
        UpdateCommandUI();
    });
}

void CCommandRouter::Connect(int id, void (CCommandRouter::*handler)()) {
    ConnectCommand(id, [this, handler] { (this->*handler)(); });
}

CVorlintView* CCommandRouter::ActiveView() const {
    const CMdiChild* child = m_frame.ActiveChild();
    return child != nullptr ? child->View() : nullptr;
}

CDocument* CCommandRouter::ActiveDocument() const {
    const CMdiChild* child = m_frame.ActiveChild();
    return child != nullptr ? child->GetDocument() : nullptr;
}

QString CCommandRouter::ActiveTitle() const {
    const CMdiChild* child = m_frame.ActiveChild();
    return child != nullptr ? child->windowTitle() : QString();
}

void CCommandRouter::UpdateCommandUI() {
    const CVorlintView* view = ActiveView();
    for (int id : kWindowCommands)
        m_frame.Action(id)->setEnabled(view != nullptr);
    for (int id : kUnhandledCommands)
        m_frame.Action(id)->setEnabled(false);
    m_frame.Action(CommandId::FileMruFirst)->setEnabled(false);
    m_frame.Action(CommandId::SimStart)->setChecked(view != nullptr && view->IsRunning());
    m_frame.Action(CommandId::SimStop)->setChecked(view != nullptr && !view->IsRunning());
    m_frame.Action(CommandId::ViewToolbar)->setChecked(!m_frame.ToolBar()->isHidden());
    m_frame.Action(CommandId::ViewStatusBar)->setChecked(!m_frame.statusBar()->isHidden());
    m_frame.Action(CommandId::ViewHighContrast)
        ->setChecked(m_frame.Style().palette == ChartPalette::HighContrast);
    m_frame.Action(CommandId::ViewScale)->setChecked(m_frame.Style().showScale);
    m_frame.Action(CommandId::ViewSetPointOverTime)->setChecked(m_frame.Style().setPointOverTime);
    m_frame.Action(CommandId::ViewStepResponse)->setChecked(!m_frame.StepResponseDock()->isHidden());
    m_frame.Action(CommandId::ViewExercise)->setChecked(!m_frame.ExerciseDock()->isHidden());
}

void CCommandRouter::OnFileClose() {
    CDocument* document = ActiveDocument();
    if (document != nullptr && document->SaveModified())
        m_docTemplate.CloseDocument(*document);
}

void CCommandRouter::OnFileSave() {
    if (CDocument* document = ActiveDocument())
        document->DoFileSave();
}

void CCommandRouter::OnFileSaveAs() {
    if (CDocument* document = ActiveDocument())
        document->DoSave(QString());
}

void CCommandRouter::OnFileExportChart() {
    if (const CVorlintView* view = ActiveView())
        ExportChartAs(*view, ActiveTitle(), &m_frame);
}

void CCommandRouter::OnFileExportData() {
    if (const CVorlintView* view = ActiveView())
        ExportDataAs(*view, ActiveTitle(), &m_frame);
}

void CCommandRouter::OnFileLabReport() {
    if (const CVorlintView* view = ActiveView())
        ExportLabReportAs(CLabReport(*view, ActiveTitle(), QDateTime::currentDateTime()), ActiveTitle(),
                          &m_frame);
}

void CCommandRouter::OnFilePrint() {
    if (const CVorlintView* view = ActiveView())
        m_printer.OnFilePrint(*view, ActiveTitle(), &m_frame);
}

void CCommandRouter::OnFilePrintPreview() {
    if (const CVorlintView* view = ActiveView())
        m_printer.OnFilePrintPreview(*view, ActiveTitle(), &m_frame);
}

void CCommandRouter::OnEditCopy() {
    if (const CVorlintView* view = ActiveView())
        CopyChartAndData(*view);
}

void CCommandRouter::OnAppExit() {
    m_frame.close();
}

void CCommandRouter::OnViewToolbar() {
    m_frame.ToolBar()->setVisible(m_frame.ToolBar()->isHidden());
}

void CCommandRouter::OnViewStatusBar() {
    m_frame.statusBar()->setVisible(m_frame.statusBar()->isHidden());
}

void CCommandRouter::ChangeChartStyle(void (*change)(ChartStyle& style)) {
    ChartStyle style = m_frame.Style();
    change(style);
    m_frame.SetChartStyle(style);
    WriteChartStyle(style);
}

void CCommandRouter::OnViewHighContrast() {
    ChangeChartStyle([](ChartStyle& style) {
        style.palette =
            style.palette == ChartPalette::HighContrast ? ChartPalette::Standard : ChartPalette::HighContrast;
    });
}

void CCommandRouter::OnViewScale() {
    ChangeChartStyle([](ChartStyle& style) { style.showScale = !style.showScale; });
}

void CCommandRouter::OnViewSetPointOverTime() {
    ChangeChartStyle([](ChartStyle& style) { style.setPointOverTime = !style.setPointOverTime; });
}

void CCommandRouter::OnViewStepResponse() {
    m_frame.StepResponseDock()->setVisible(m_frame.StepResponseDock()->isHidden());
}

void CCommandRouter::OnViewExercise() {
    m_frame.ExerciseDock()->setVisible(m_frame.ExerciseDock()->isHidden());
}

void CCommandRouter::OnViewRunHistory() {
    if (CVorlintView* view = ActiveView())
        ShowRunHistory(*view, ActiveTitle());
}

void CCommandRouter::OnWindowNew() {
    CDocument* document = ActiveDocument();
    if (document == nullptr)
        return;
    QString why;
    if (!document->CanAddFrame(why)) {
        QMessageBox::information(&m_frame, QApplication::applicationName(), why);
        return;
    }
    m_docTemplate.InitialUpdateFrame(*m_docTemplate.CreateNewFrame(*document));
}

void CCommandRouter::OnWindowCascade() {
    CascadeWindows(*m_frame.MdiArea());
}

void CCommandRouter::OnWindowTile() {
    m_frame.MdiArea()->tileSubWindows();
}

void CCommandRouter::OnWindowArrange() {
    ArrangeIconicWindows(*m_frame.MdiArea());
}

void CCommandRouter::OnWindowCompare() {
    ShowResponseComparison(m_frame);
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
    CVorlintView* view = ActiveView();
    if (view == nullptr)
        return;
    CDocument* document = ActiveDocument();
    std::string formula = view->m_strFormula;
    CExpressaoDlg::EditFormula(formula, m_language, view->PlantHidden());
    SettingTarget target{*view, view};
    if (applyChanges(target, {formulaChange(formula)}) && document != nullptr)
        document->SetModifiedFlag();
}

void CCommandRouter::OnSimPlantController() {
    CVorlintView* view = ActiveView();
    if (view == nullptr)
        return;
    CDocument* document = ActiveDocument();
    CPlantControllerDlg dialog(
        SettingSource(*view, view),
        [view, document](const std::vector<SettingChange>& values) {
            SettingTarget target{*view, view};
            if (applyChanges(target, values) && document != nullptr)
                document->SetModifiedFlag();
        },
        &m_frame, view->PlantHidden());
    dialog.exec();
}

void CCommandRouter::OnSimSetPointStep() {
    CMdiChild* child = m_frame.ActiveChild();
    if (child == nullptr)
        return;
    CChildFrame* frame = child->Frame();
    CSetPointStepDlg dialog(frame->View()->m_dSetPoint, &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    frame->ApplySettings({setPointChange(dialog.SetPoint())});
    if (CDocument* document = child->GetDocument())
        document->SetModifiedFlag();
}

void CCommandRouter::OnSimEvents() {
    CMdiChild* child = m_frame.ActiveChild();
    if (child == nullptr)
        return;
    CVorlintView* view = child->View();
    CEventsDlg dialog(view->ScheduledEvents(), &m_frame, view->PlantHidden());
    if (dialog.exec() != QDialog::Accepted)
        return;
    view->SetScheduledEvents(dialog.Events());
    if (CDocument* document = child->GetDocument())
        document->SetModifiedFlag();
}

void CCommandRouter::OnSimExercise() {
    CMdiChild* child = m_frame.ActiveChild();
    auto* document = child != nullptr ? dynamic_cast<CVorlintDoc*>(child->GetDocument()) : nullptr;
    if (document == nullptr)
        return;
    CExerciseDlg dialog(document->GetExercise(), document->Frames().size(), &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    document->SetExercise(dialog.Result());
    // The dock shows the edited exercise now rather than at its next refresh.
    m_frame.Readout()->Refresh();
}

void CCommandRouter::OnSimTuning() {
    CMdiChild* child = m_frame.ActiveChild();
    if (child == nullptr)
        return;
    CChildFrame* frame = child->Frame();
    CDocument* document = child->GetDocument();
    CTuningDlg dialog(
        *frame->View(),
        [frame, document](const PidGains& gains) {
            frame->ApplySettings(pidGainChanges(gains));
            if (document != nullptr)
                document->SetModifiedFlag();
        },
        &m_frame);
    connect(&dialog, &CTuningDlg::resultFound, frame->View(), &CVorlintView::RememberTuning);
    dialog.exec();
}

void CCommandRouter::OnSimFrequency() {
    CVorlintView* view = ActiveView();
    if (view == nullptr)
        return;
    // Not modal: the window goes on running, and its settings changed, under the student's eyes.
    auto* dialog = new CFrequencyDlg(*view, &m_frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QString title = ActiveTitle();
    dialog->setWindowTitle(dialog->windowTitle() + QStringLiteral(" – ") + title);
    const QString exportTitle = title + QStringLiteral("-bode");
    CBodePlot* plot = dialog->Plot();
    connect(dialog->ExportPictureButton(), &QPushButton::clicked, dialog,
            [dialog, plot, exportTitle] { ExportChartAs(*plot, exportTitle, dialog); });
    connect(dialog->ExportDataButton(), &QPushButton::clicked, dialog, [dialog, exportTitle] {
        ExportCsvAs([dialog] { return dialog->CurvesCsv(); }, exportTitle, dialog);
    });
    dialog->show();
}

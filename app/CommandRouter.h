#pragma once

#include <QObject>

#include <functional>

struct ChartStyle;
class CDocument;
class CMainFrame;
class CMultiDocTemplate;
class CViewPrinter;
class CVorlintView;

/// Sends each command to the object that handles it (the active view, its document, the main frame)
/// and keeps every action's enabled state and check mark up to date: a command whose handler has no
/// target is disabled, and Undo, Cut and Paste have no handler at all. The application connects the
/// commands it handles itself through ConnectCommand.
class CCommandRouter : public QObject {
    Q_OBJECT

public:
    CCommandRouter(CMainFrame& frame, CMultiDocTemplate& docTemplate, CViewPrinter& printer,
                   const QString& language);

    /// Runs `handler` when the command is chosen, then refreshes the commands' states.
    void ConnectCommand(int id, std::function<void()> handler);
    /// Refreshes the enabled states and the check marks (Start, Stop and the View menu's).
    void UpdateCommandUI();

private:
    void Connect(int id, void (CCommandRouter::*handler)());
    CVorlintView* ActiveView() const;
    CDocument* ActiveDocument() const;
    /// The active window's title, which names the document in prints and exports.
    QString ActiveTitle() const;

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExportChart();
    void OnFileExportData();
    void OnFileLabReport();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnEditCopy();
    void OnAppExit();
    void OnViewToolbar();
    void OnViewStatusBar();
    /// Applies `change` to every window's chart style and remembers it.
    void ChangeChartStyle(void (*change)(ChartStyle& style));
    void OnViewHighContrast();
    void OnViewScale();
    void OnViewSetPointOverTime();
    void OnViewStepResponse();
    void OnViewExercise();
    void OnViewRunHistory();
    void OnWindowNew();
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    /// Janela > "Comparar respostas...": shows the comparison of the windows' responses.
    void OnWindowCompare();
    void OnSimStart();
    void OnSimStop();
    void OnSimFormula();
    void OnSimPlantController();
    void OnSimTuning();
    /// Simulação > "Resposta em frequência...": the frequency dialog of the active window, not modal.
    void OnSimFrequency();
    /// Simulação > "Degrau de set point...": one change of the set point, applied at the next step.
    void OnSimSetPointStep();
    /// Simulação > "Eventos...": the active window's scheduled setting changes.
    void OnSimEvents();
    /// Simulação > "Exercício...": the teacher's editor of the active document's exercise.
    void OnSimExercise();

    CMainFrame& m_frame;
    CMultiDocTemplate& m_docTemplate;
    CViewPrinter& m_printer;
    QString m_language; ///< the interface's, for the formula guide
};

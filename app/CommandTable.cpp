#include "CommandTable.h"

#include "CommandIds.h"
#include "ToolbarIcons.h"

#include <QAction>
#include <QKeySequence>

namespace {

/// A command's menu text and its prompt: the status-bar text, then after a line break the tooltip.
struct CommandText {
    int id;
    const char* text;
    const char* prompt;
};

using namespace CommandId;

const CommandText kCommands[] = {
    {FileNew, "&New\tCtrl+N", "Create a new document\nNew"},
    {FileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen"},
    {FileClose, "&Close", "Close the active document\nClose"},
    {FileSave, "&Save\tCtrl+S", "Save the active document\nSave"},
    {FileSaveAs, "Save &As...", "Save the active document with a new name\nSave As"},
    {FilePrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup"},
    {FileExportChart, "Exportar gráfico...",
     "Salva o gráfico da janela ativa como imagem PNG, desenho SVG ou documento PDF\nExportar gráfico"},
    {FileExportData, "Exportar dados...",
     "Salva o histórico da janela ativa como tabela CSV (ponto decimal)\nExportar dados"},
    {FilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint"},
    {FilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview"},
    {FileMruFirst, "Recent File", "Open this document"},
    {AppExit, "E&xit", "Quit the application; prompts to save documents\nExit"},
    {EditUndo, "&Undo\tCtrl+Z", "Undo the last action\nUndo"},
    {EditCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard\nCut"},
    {EditCopy, "&Copy\tCtrl+C", "Copy the chart and its data (CSV) to the Clipboard\nCopy"},
    {EditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste"},
    {SimStart, "&Iniciar", "\nIniciar"},
    {SimStop, "&Parar", "\nParar"},
    {SimFormula, "&Expressão...", "\nExpressão"},
    {SimPlantController, "Planta e &controlador...",
     "Edita a perturbação, o tempo morto e os atrasos da planta e as opções do PID da janela ativa\n"
     "Planta e controlador"},
    {SimTuning, "&Sintonia...",
     "Identifica a planta da janela ativa com um relé ou um degrau e compara as regras de "
     "sintonia\nSintonia"},
    {ViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar"},
    {ViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar"},
    {ViewHighContrast, "Cores de alto contraste",
     "Desenha os gráficos em cores que se distinguem mesmo com daltonismo e se leem sobre o branco\n"
     "Cores de alto contraste"},
    {ViewScale, "Escala", "Mostra o tempo simulado e as escalas de valores nos gráficos\nEscala"},
    {ViewStepResponse, "Resposta ao degrau",
     "Mostra as medidas da resposta ao último degrau do set point na janela ativa\nResposta ao degrau"},
    {WindowNew, "&New Window", "Open another window for the active document\nNew Window"},
    {WindowCascade, "&Cascade", "Arrange windows so they overlap\nCascade Windows"},
    {WindowTile, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows"},
    {WindowArrange, "&Arrange Icons", "Arrange icons at the bottom of the window\nArrange Icons"},
    {AppAbout, "&About Vorlint...", "Display program information, version number and copyright\nAbout"},
    {NextPane, "Next Pane", "Switch to the next window pane\nNext Pane"},
    {PrevPane, "Previous Pane", "Switch back to the previous window pane\nPrevious Pane"},
};

/// Accelerator table 128, in its order: a command may have several keys, the first is its main one.
struct Accelerator {
    int id;
    QKeySequence key;
};

const Accelerator kAccelerators[] = {
    {FileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
    {FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
    {FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
    {FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
    {EditUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {EditCut, QKeySequence(Qt::CTRL | Qt::Key_X)},
    {EditCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
    {EditPaste, QKeySequence(Qt::CTRL | Qt::Key_V)},
    {EditUndo, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
    {EditCut, QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
    {EditCopy, QKeySequence(Qt::CTRL | Qt::Key_Insert)},
    {EditPaste, QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
    {NextPane, QKeySequence(Qt::Key_F6)},
    {PrevPane, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
};

} // namespace

CCommandTable::CCommandTable(QObject* owner) {
    for (const CommandText& command : kCommands)
        AddCommand(owner, command.id, command.text, command.prompt);
    ApplyAccelerators();
}

void CCommandTable::AddCommand(QObject* owner, int id, const char* text, const char* prompt) {
    auto* action = new QAction(QString::fromUtf8(text), owner);
    const QStringList promptParts = QString::fromUtf8(prompt).split('\n');
    action->setStatusTip(promptParts.front());
    if (promptParts.size() > 1)
        action->setToolTip(promptParts.back());
    action->setData(id);
    const QIcon icon = ToolbarIcon(id);
    if (!icon.isNull())
        action->setIcon(icon);
    // The menus show the key written after the tab in the text; the image belongs to the toolbar.
    action->setIconVisibleInMenu(false);
    m_actions[id] = action;
}

void CCommandTable::ApplyAccelerators() {
    for (const Accelerator& accelerator : kAccelerators) {
        QAction* action = m_actions.at(accelerator.id);
        QList<QKeySequence> keys = action->shortcuts();
        keys.append(accelerator.key);
        action->setShortcuts(keys);
    }
}

QAction* CCommandTable::Action(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QList<QAction*> CCommandTable::AllActions() const {
    QList<QAction*> actions;
    for (const auto& [id, action] : m_actions)
        actions.append(action);
    return actions;
}

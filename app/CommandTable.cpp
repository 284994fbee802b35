#include "CommandTable.h"

#include "CommandIds.h"
#include "ToolbarIcons.h"

#include <QAction>
#include <QCoreApplication>
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
    {FileNew, QT_TRANSLATE_NOOP("CCommandTable", "&New\tCtrl+N"),
     QT_TRANSLATE_NOOP("CCommandTable", "Create a new document\nNew")},
    {FileOpen, QT_TRANSLATE_NOOP("CCommandTable", "&Open...\tCtrl+O"),
     QT_TRANSLATE_NOOP("CCommandTable", "Open an existing document\nOpen")},
    {FileClose, QT_TRANSLATE_NOOP("CCommandTable", "&Close"),
     QT_TRANSLATE_NOOP("CCommandTable", "Close the active document\nClose")},
    {FileSave, QT_TRANSLATE_NOOP("CCommandTable", "&Save\tCtrl+S"),
     QT_TRANSLATE_NOOP("CCommandTable", "Save the active document\nSave")},
    {FileSaveAs, QT_TRANSLATE_NOOP("CCommandTable", "Save &As..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Save the active document with a new name\nSave As")},
    {FilePrintSetup, QT_TRANSLATE_NOOP("CCommandTable", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Change the printer and printing options\nPrint Setup")},
    {FileExportChart, QT_TRANSLATE_NOOP("CCommandTable", "Exportar gráfico..."),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Salva o gráfico da janela ativa como imagem PNG, desenho SVG ou documento PDF\nExportar gráfico")},
    {FileExportData, QT_TRANSLATE_NOOP("CCommandTable", "Exportar dados..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Salva o histórico da janela ativa como tabela CSV (ponto decimal)\nExportar dados")},
    {FileLabReport, QT_TRANSLATE_NOOP("CCommandTable", "Relatório do laboratório..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Salva um PDF da janela ativa para o relatório: gráfico, configuração "
                       "e medidas da resposta ao degrau com o que cada uma mede\nRelatório")},
    {FilePrint, QT_TRANSLATE_NOOP("CCommandTable", "&Print...\tCtrl+P"),
     QT_TRANSLATE_NOOP("CCommandTable", "Print the active document\nPrint")},
    {FilePrintPreview, QT_TRANSLATE_NOOP("CCommandTable", "Print Pre&view"),
     QT_TRANSLATE_NOOP("CCommandTable", "Display full pages\nPrint Preview")},
    {FileMruFirst, QT_TRANSLATE_NOOP("CCommandTable", "Recent File"),
     QT_TRANSLATE_NOOP("CCommandTable", "Open this document")},
    {AppExit, QT_TRANSLATE_NOOP("CCommandTable", "E&xit"),
     QT_TRANSLATE_NOOP("CCommandTable", "Quit the application; prompts to save documents\nExit")},
    {EditUndo, QT_TRANSLATE_NOOP("CCommandTable", "&Undo\tCtrl+Z"),
     QT_TRANSLATE_NOOP("CCommandTable", "Undo the last action\nUndo")},
    {EditCut, QT_TRANSLATE_NOOP("CCommandTable", "Cu&t\tCtrl+X"),
     QT_TRANSLATE_NOOP("CCommandTable", "Cut the selection and put it on the Clipboard\nCut")},
    {EditCopy, QT_TRANSLATE_NOOP("CCommandTable", "&Copy\tCtrl+C"),
     QT_TRANSLATE_NOOP("CCommandTable", "Copy the chart and its data (CSV) to the Clipboard\nCopy")},
    {EditPaste, QT_TRANSLATE_NOOP("CCommandTable", "&Paste\tCtrl+V"),
     QT_TRANSLATE_NOOP("CCommandTable", "Insert Clipboard contents\nPaste")},
    {SimStart, QT_TRANSLATE_NOOP("CCommandTable", "&Iniciar"),
     QT_TRANSLATE_NOOP("CCommandTable", "\nIniciar")},
    {SimStop, QT_TRANSLATE_NOOP("CCommandTable", "&Parar"), QT_TRANSLATE_NOOP("CCommandTable", "\nParar")},
    {SimSetPointStep, QT_TRANSLATE_NOOP("CCommandTable", "&Degrau de set point...\tCtrl+D"),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Muda o set point da janela ativa de uma só vez, no próximo passo\nDegrau de set point")},
    {SimEvents, QT_TRANSLATE_NOOP("CCommandTable", "E&ventos..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Programa mudanças do set point, da potência ou da perturbação da janela ativa em "
                       "tempos simulados da execução\nEventos")},
    {SimExercise, QT_TRANSLATE_NOOP("CCommandTable", "E&xercício..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Edita o exercício do documento: título, instruções, eventos e verificações\n"
                       "Exercício")},
    {SimFormula, QT_TRANSLATE_NOOP("CCommandTable", "&Expressão..."),
     QT_TRANSLATE_NOOP("CCommandTable", "\nExpressão")},
    {SimPlantController, QT_TRANSLATE_NOOP("CCommandTable", "Planta e &controlador..."),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Edita a perturbação, o tempo morto e os atrasos da planta e as opções do PID da janela ativa\n"
         "Planta e controlador")},
    {SimTuning, QT_TRANSLATE_NOOP("CCommandTable", "&Sintonia..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Identifica a planta da janela ativa com um relé ou um degrau e compara as regras de "
                       "sintonia\nSintonia")},
    {SimFrequency, QT_TRANSLATE_NOOP("CCommandTable", "Resposta em frequência..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Mostra o diagrama de Bode, as margens e o ponto último da malha da janela ativa, "
                       "linearizada no set point\nResposta em frequência")},
    {ViewToolbar, QT_TRANSLATE_NOOP("CCommandTable", "&Toolbar"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide the toolbar\nToggle ToolBar")},
    {ViewStatusBar, QT_TRANSLATE_NOOP("CCommandTable", "&Status Bar"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide the status bar\nToggle StatusBar")},
    {ViewHighContrast, QT_TRANSLATE_NOOP("CCommandTable", "Cores de alto contraste"),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Desenha os gráficos em cores que se distinguem mesmo com daltonismo e se leem sobre o branco\n"
         "Cores de alto contraste")},
    {ViewScale, QT_TRANSLATE_NOOP("CCommandTable", "Escala"),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Mostra o tempo simulado e as escalas de valores nos gráficos\nEscala")},
    {ViewSetPointOverTime, QT_TRANSLATE_NOOP("CCommandTable", "Set point ao longo do tempo"),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Desenha em cada coluna do gráfico o set point daquele passo, em vez do mais novo em "
                       "toda a largura\nSet point ao longo do tempo")},
    {ViewRunHistory, QT_TRANSLATE_NOOP("CCommandTable", "Histórico da execução"),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Abre a gravação de toda a execução da janela ativa, para percorrer, ampliar e medir "
                       "as respostas\nHistórico da execução")},
    {ViewStepResponse, QT_TRANSLATE_NOOP("CCommandTable", "Resposta ao degrau"),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Mostra as medidas da resposta ao último degrau do set point na janela ativa\nResposta ao degrau")},
    {ViewExercise, QT_TRANSLATE_NOOP("CCommandTable", "Exercício"),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Mostra o exercício do documento ativo e suas verificações na janela ativa\nExercício")},
    {WindowNew, QT_TRANSLATE_NOOP("CCommandTable", "&New Window"),
     QT_TRANSLATE_NOOP("CCommandTable", "Open another window for the active document\nNew Window")},
    {WindowCascade, QT_TRANSLATE_NOOP("CCommandTable", "&Cascade"),
     QT_TRANSLATE_NOOP("CCommandTable", "Arrange windows so they overlap\nCascade Windows")},
    {WindowTile, QT_TRANSLATE_NOOP("CCommandTable", "&Tile"),
     QT_TRANSLATE_NOOP("CCommandTable", "Arrange windows as non-overlapping tiles\nTile Windows")},
    {WindowArrange, QT_TRANSLATE_NOOP("CCommandTable", "&Arrange Icons"),
     QT_TRANSLATE_NOOP("CCommandTable", "Arrange icons at the bottom of the window\nArrange Icons")},
    {WindowCompare, QT_TRANSLATE_NOOP("CCommandTable", "Comparar respostas..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Mostra as respostas ao último degrau de várias janelas num só gráfico, "
                       "com as medidas de cada uma\nComparar respostas")},
    {AppAbout, QT_TRANSLATE_NOOP("CCommandTable", "&About Vorlint..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Display program information, version number and copyright\nAbout")},
    {NextPane, QT_TRANSLATE_NOOP("CCommandTable", "Next Pane"),
     QT_TRANSLATE_NOOP("CCommandTable", "Switch to the next window pane\nNext Pane")},
    {PrevPane, QT_TRANSLATE_NOOP("CCommandTable", "Previous Pane"),
     QT_TRANSLATE_NOOP("CCommandTable", "Switch back to the previous window pane\nPrevious Pane")},
};

/// Accelerator table 128's keys besides those the menu texts show after their tab, in its order: a
/// command's shown key is its main one, these come after it.
struct Accelerator {
    int id;
    QKeySequence key;
};

const Accelerator kAccelerators[] = {
    {EditUndo, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
    {EditCut, QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
    {EditCopy, QKeySequence(Qt::CTRL | Qt::Key_Insert)},
    {EditPaste, QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
    {NextPane, QKeySequence(Qt::Key_F6)},
    {PrevPane, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
};

/// The key a command's menu text shows after its tab ("&Save\tCtrl+S"); empty when it shows none.
QKeySequence shownKey(const char* text) {
    return QKeySequence(QString::fromUtf8(text).section(QLatin1Char('\t'), 1), QKeySequence::PortableText);
}

} // namespace

CCommandTable::CCommandTable(QObject* owner) {
    for (const CommandText& command : kCommands)
        AddCommand(owner, command.id, command.text, command.prompt);
    ApplyAccelerators();
}

void CCommandTable::AddCommand(QObject* owner, int id, const char* text, const char* prompt) {
    auto* action = new QAction(QCoreApplication::translate("CCommandTable", text), owner);
    const QStringList promptParts = QCoreApplication::translate("CCommandTable", prompt).split('\n');
    action->setStatusTip(promptParts.front());
    if (promptParts.size() > 1)
        action->setToolTip(promptParts.back());
    action->setData(id);
    // What the menu promises, the keyboard does.
    action->setShortcut(shownKey(text));
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

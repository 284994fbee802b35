#include "AppTestSupport.h"
#include "ChildFrame.h"
#include "CommandIds.h"
#include "DialogPanel.h"
#include "DialogTemplates.h"
#include "KeyIndicators.h"
#include "LockKeyState.h"
#include "StepResponseDock.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

/// A menu bar as text: one line per popup, "Title: item | item | - | ...", hidden items left out.
std::vector<std::string> MenuBarText(const CMainFrame& frame) {
    std::vector<std::string> lines;
    for (QAction* popup : frame.menuBar()->actions()) {
        QString line = popup->text() + QStringLiteral(":");
        for (QAction* item : popup->menu()->actions()) {
            if (item->isVisible())
                line += QStringLiteral(" ") + (item->isSeparator() ? QStringLiteral("-") : item->text()) +
                        QStringLiteral(" |");
        }
        lines.push_back(line.toStdString());
    }
    return lines;
}

const std::vector<std::string> kMenu128 = {
    "&File: &New\tCtrl+N | &Open...\tCtrl+O | - | P&rint Setup... | - | Recent File | - | &Close | E&xit |",
    "&View: &Toolbar | &Status Bar |",
    "&Help: &About Vorlint... |",
};

const std::vector<std::string> kMenu129 = {
    "&File: &New\tCtrl+N | &Open...\tCtrl+O | &Close | &Save\tCtrl+S | Save &As... | - | Exportar gráfico... "
    "| "
    "Exportar dados... | Relatório do laboratório... | - | &Print...\tCtrl+P | Print Pre&view | P&rint "
    "Setup... | - | Recent File | - | "
    "E&xit |",
    "&Edit: &Undo\tCtrl+Z | - | Cu&t\tCtrl+X | &Copy\tCtrl+C | &Paste\tCtrl+V |",
    "&Simulação: &Iniciar | &Parar | - | &Degrau de set point...\tCtrl+D | E&ventos... | &Expressão... | "
    "Planta e "
    "&controlador... | &Sintonia... | "
    "Resposta em frequência... | - | E&xercício... |",
    "&View: &Toolbar | &Status Bar | - | Cores de alto contraste | Escala | Set point ao longo do tempo | - "
    "| "
    "Resposta ao degrau | Exercício | Histórico da execução |",
    "&Window: &New Window | &Cascade | &Tile | &Arrange Icons | - | Comparar respostas... |",
    "&Help: &About Vorlint... |",
};

using MenusTest = AppTest;

TEST_F(MenusTest, MenuOfASimulationWindowAndOfNone) {
    EXPECT_EQ(Frame().CurrentMenuResource(), 129);
    EXPECT_EQ(MenuBarText(Frame()), kMenu129);
    Trigger(CommandId::FileClose);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(Frame().CurrentMenuResource(), 128);
    EXPECT_EQ(MenuBarText(Frame()), kMenu128);
    Trigger(CommandId::FileNew);
    EXPECT_EQ(MenuBarText(Frame()), kMenu129);
}

TEST_F(MenusTest, CommandsEnabledByState) {
    struct Row {
        int id;
        bool withWindow;
        bool withoutWindow;
    };
    using namespace CommandId;
    const Row rows[] = {
        {FileNew, true, true},          {FileOpen, true, true},          {FilePrintSetup, true, true},
        {AppExit, true, true},          {AppAbout, true, true},          {ViewToolbar, true, true},
        {FileClose, true, false},       {FileSave, true, false},         {FileSaveAs, true, false},
        {FilePrint, true, false},       {FilePrintPreview, true, false}, {SimStart, true, false},
        {SimStop, true, false},         {SimFormula, true, false},       {WindowNew, true, false},
        {WindowTile, true, false},      {EditUndo, false, false},        {EditCut, false, false},
        {EditCopy, true, false},        {EditPaste, false, false},       {FileMruFirst, false, false},
        {FileExportChart, true, false}, {FileExportData, true, false},   {SimPlantController, true, false},
        {SimTuning, true, false},       {SimSetPointStep, true, false},  {SimFrequency, true, false},
        {WindowCompare, true, false},   {SimEvents, true, false},        {SimExercise, true, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Action(row.id).isEnabled(), row.withWindow) << row.id;
    Trigger(FileClose);
    for (const Row& row : rows)
        EXPECT_EQ(Action(row.id).isEnabled(), row.withoutWindow) << row.id;
}

TEST_F(MenusTest, StartAndStopActOnTheActiveWindowAndTheirMarksFollowIt) {
    Trigger(CommandId::FileNew);
    const std::vector<CMdiChild*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_FALSE(Action(CommandId::SimStart).isChecked());
    EXPECT_TRUE(Action(CommandId::SimStop).isChecked());

    Trigger(CommandId::SimStart); // the second window is the active one
    EXPECT_FALSE(windows[0]->View()->IsRunning());
    EXPECT_TRUE(windows[1]->View()->IsRunning());
    EXPECT_TRUE(Action(CommandId::SimStart).isChecked());
    EXPECT_FALSE(Action(CommandId::SimStop).isChecked());

    SessionScript::Activate(Frame(), *windows[0]);
    EXPECT_FALSE(Action(CommandId::SimStart).isChecked());
    EXPECT_TRUE(Action(CommandId::SimStop).isChecked());
    SessionScript::Activate(Frame(), *windows[1]);
    EXPECT_TRUE(Action(CommandId::SimStart).isChecked());

    Trigger(CommandId::SimStop);
    EXPECT_FALSE(windows[1]->View()->IsRunning());
    EXPECT_TRUE(Action(CommandId::SimStop).isChecked());
}

TEST_F(MenusTest, ToolbarButtonsInOrderWithTheirImages) {
    using namespace CommandId;
    const std::vector<int> expected = {FileNew, FileOpen,  FileSave, 0, EditCut,  EditCopy, EditPaste,
                                       0,       FilePrint, AppAbout, 0, SimStart, SimStop};
    std::vector<int> buttons;
    for (QAction* action : Frame().ToolBar()->actions()) {
        buttons.push_back(action->isSeparator() ? 0 : action->data().toInt());
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().pixmap(QSize(16, 15)).isNull()) << action->data().toInt();
        }
    }
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(Frame().ToolBar()->iconSize(), QSize(16, 15));
}

TEST_F(MenusTest, AcceleratorTable) {
    using namespace CommandId;
    const std::pair<int, const char*> keys[] = {
        {FileNew, "Ctrl+N"},    {FileOpen, "Ctrl+O"},   {FileSave, "Ctrl+S"},
        {FilePrint, "Ctrl+P"},  {EditUndo, "Ctrl+Z"},   {EditCut, "Ctrl+X"},
        {EditCopy, "Ctrl+C"},   {EditPaste, "Ctrl+V"},  {EditUndo, "Alt+Backspace"},
        {EditCut, "Shift+Del"}, {EditCopy, "Ctrl+Ins"}, {EditPaste, "Shift+Ins"},
        {NextPane, "F6"},       {PrevPane, "Shift+F6"},
    };
    for (const auto& [id, key] : keys)
        EXPECT_TRUE(Action(id).shortcuts().contains(QKeySequence(QString::fromLatin1(key)))) << key;
}

TEST_F(MenusTest, CtrlNOpensANewWindow) {
    Frame().show();
    QApplication::processEvents();
    QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(Windows().size(), 2u);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Vorlint2"));
}

/// Every action the menus (and their submenus) of `bar` hold.
QList<QAction*> MenuActions(const QMenuBar& bar) {
    QList<QAction*> actions;
    QList<QAction*> pending = bar.actions();
    while (!pending.isEmpty()) {
        QAction* action = pending.takeFirst();
        if (action->menu() != nullptr)
            pending += action->menu()->actions();
        else
            actions.append(action);
    }
    return actions;
}

/// Eats the shortcut events an action receives, counting them, so that the command itself never runs.
class ShortcutCatcher : public QObject {
public:
    int caught = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return false;
        caught += static_cast<QShortcutEvent*>(event)->isAmbiguous() ? 0 : 1;
        return true;
    }
};

// Each key a menu shows after its item's tab reaches that item's command, with the focus in the chart,
// in a panel and in the step-response dock.
TEST_F(MenusTest, EveryKeyTheMenusShowWorksFromTheChartThePanelsAndTheDock) {
    Frame().show();
    Trigger(CommandId::ViewStepResponse);
    Frame().activateWindow();
    QApplication::processEvents();
    QWidget* const places[] = {&ActiveView(),
                               Active()->Frame()->SliderPanel()->Control<QSlider>(ControlId::SetPoint),
                               Frame().StepResponseDock()->widget()};
    int shown = 0;
    for (QAction* action : MenuActions(*Frame().menuBar())) {
        const QKeySequence key(action->text().section(QLatin1Char('\t'), 1));
        if (key.isEmpty() || !action->isEnabled())
            continue;
        ++shown;
        ShortcutCatcher catcher;
        action->installEventFilter(&catcher);
        for (QWidget* place : places) {
            place->setFocusPolicy(Qt::StrongFocus);
            place->setFocus();
            QTest::keyClick(place, key[0].key(), key[0].keyboardModifiers());
        }
        action->removeEventFilter(&catcher);
        EXPECT_EQ(catcher.caught, 3) << key.toString().toStdString();
    }
    EXPECT_GE(shown, 6) << "New, Open, Save, Print, Copy and the set-point step at least";
}

TEST_F(MenusTest, ViewCommandsShowAndHideTheBars) {
    Frame().show();
    QApplication::processEvents();
    EXPECT_TRUE(Action(CommandId::ViewToolbar).isChecked());
    Trigger(CommandId::ViewToolbar);
    EXPECT_TRUE(Frame().ToolBar()->isHidden());
    EXPECT_FALSE(Action(CommandId::ViewToolbar).isChecked());
    Trigger(CommandId::ViewStatusBar);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    Trigger(CommandId::ViewStatusBar);
    EXPECT_FALSE(Frame().statusBar()->isHidden());
    EXPECT_TRUE(Action(CommandId::ViewStatusBar).isChecked());
}

TEST_F(MenusTest, StatusBarPanes) {
    EXPECT_EQ(Frame().MessagePane()->text(), QStringLiteral("Ready"));
    CKeyIndicators& keys = *Frame().KeyIndicators();
    // Off screen nothing tells the lock keys: the three panes are greyed.
    for (QLabel* pane : {keys.CapsPane(), keys.NumPane(), keys.ScrollPane()})
        EXPECT_FALSE(pane->isEnabled());
    EXPECT_EQ(keys.ScrollPane()->text(), QStringLiteral("SCRL"));

    keys.Show(LockKeyState{true, false, true});
    EXPECT_EQ(keys.CapsPane()->text(), QStringLiteral("CAP"));
    EXPECT_EQ(keys.NumPane()->text(), QString());
    EXPECT_EQ(keys.ScrollPane()->text(), QStringLiteral("SCRL"));
    EXPECT_TRUE(keys.NumPane()->isEnabled());
}

TEST_F(MenusTest, TitleShowsTheActiveDocument) {
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint - Vorlint1[*]"));
    Trigger(CommandId::FileNew);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint - Vorlint2[*]"));
    Trigger(CommandId::FileClose);
    Trigger(CommandId::FileClose);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint"));
}

TEST_F(MenusTest, AMaximizedWindowShowsItsOwnTitleInBrackets) {
    Frame().show();
    Trigger(CommandId::WindowNew);
    Active()->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint - [Vorlint1:2][*]"));
    SessionScript::Activate(Frame(), *Windows()[0]);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint - [Vorlint1:1][*]"));
    Active()->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint - Vorlint1[*]"));
}

TEST_F(MenusTest, AboutBox) {
    QStringList texts;
    QString title;
    ModalAnswer answer([&](QWidget* dialog) {
        title = dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            texts << button->text();
        dialog->findChild<QPushButton*>()->click();
    });
    Trigger(CommandId::AppAbout);
    ASSERT_TRUE(answer.Fired());
    EXPECT_EQ(title, QStringLiteral("Sobre o Vorlint"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Vorlint Version 1.0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("OK")));
}

TEST_F(MenusTest, WindowArrangements) {
    Trigger(CommandId::FileNew);
    Trigger(CommandId::FileNew);
    const std::vector<CMdiChild*> windows = Windows();
    ASSERT_EQ(windows.size(), 3u);

    Trigger(CommandId::WindowTile);
    for (std::size_t i = 0; i < windows.size(); ++i)
        for (std::size_t j = i + 1; j < windows.size(); ++j)
            EXPECT_FALSE(windows[i]->geometry().intersects(windows[j]->geometry())) << i << j;

    Trigger(CommandId::WindowCascade);
    // Each window stands below the whole title bar of the one before; the active one is in front.
    EXPECT_GE(windows[1]->geometry().top(),
              windows[0]->geometry().top() + windows[0]->contentsMargins().top());
    EXPECT_GE(windows[2]->geometry().top(),
              windows[1]->geometry().top() + windows[1]->contentsMargins().top());

    windows[0]->showMinimized();
    windows[2]->showMinimized();
    SessionScript::Activate(Frame(), *windows[1]);
    Trigger(CommandId::WindowArrange);
    const int bottom = Frame().MdiArea()->viewport()->height();
    EXPECT_EQ(windows[0]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(windows[0]->geometry().left(), 0);
    EXPECT_EQ(windows[2]->geometry().left(), windows[0]->geometry().right() + 1);
}

} // namespace

#include "AppTestSupport.h"
#include "CommandIds.h"
#include "SelectWindowDlg.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

class WindowMenuTest : public AppTest {
protected:
    void OpenNewWindows(int count) {
        for (int i = 0; i < count; ++i)
            Trigger(CommandId::FileNew);
    }

    /// The entries of the Window menu after its commands, as the menu shows them when it opens, with
    /// "*" before the checked one.
    QStringList WindowList() {
        m_entries.clear();
        QMenu* menu = nullptr;
        for (QAction* popup : Frame().menuBar()->actions()) {
            if (popup->text() == QStringLiteral("&Window"))
                menu = popup->menu();
        }
        emit menu->aboutToShow();
        QStringList texts;
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = actions.indexOf(&Action(CommandId::WindowCompare)) + 1; i < actions.size(); ++i) {
            if (actions[i]->isSeparator())
                continue;
            m_entries.append(actions[i]);
            texts << (actions[i]->isChecked() ? QStringLiteral("*") : QString()) + actions[i]->text();
        }
        return texts;
    }

    QList<QAction*> m_entries;
};

TEST_F(WindowMenuTest, ListsTheWindowsWithTheActiveOneCheckedAndActivatesTheChosenOne) {
    OpenNewWindows(2);
    EXPECT_EQ(WindowList(), (QStringList{"&1 Vorlint1", "&2 Vorlint2", "*&3 Vorlint3"}));
    Windows()[0]->showMinimized();
    WindowList();
    m_entries[0]->trigger();
    EXPECT_EQ(Active(), Windows()[0]);
    EXPECT_FALSE(Active()->isMinimized());
    EXPECT_EQ(WindowList(), (QStringList{"*&1 Vorlint1", "&2 Vorlint2", "&3 Vorlint3"}));
}

TEST_F(WindowMenuTest, BeyondNineWindowsMoreWindowsChoosesFromAllOfThem) {
    OpenNewWindows(10);
    const QStringList listed = WindowList();
    ASSERT_EQ(listed.size(), 10);
    EXPECT_EQ(listed[7], QStringLiteral("&8 Vorlint8"));
    EXPECT_EQ(listed[8], QStringLiteral("*&9 Vorlint11")) << "the active window always has a place";
    EXPECT_EQ(listed[9], QStringLiteral("&More Windows..."));
    ModalAnswer answer([](QWidget* dialog) {
        auto* select = qobject_cast<CSelectWindowDlg*>(dialog);
        ASSERT_NE(select, nullptr);
        EXPECT_EQ(select->List()->count(), 11);
        EXPECT_EQ(select->List()->currentRow(), 10);
        select->List()->setCurrentRow(9);
        select->accept();
    });
    m_entries[9]->trigger();
    ASSERT_TRUE(answer.Fired());
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Vorlint10"));
}

TEST_F(WindowMenuTest, CtrlF6AndCtrlTabGoRoundTheWindows) {
    Frame().show();
    OpenNewWindows(2);
    const std::vector<CMdiChild*> windows = Windows();
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &Frame(), key, modifiers);
        QApplication::processEvents();
        return Active();
    };
    EXPECT_EQ(press(Qt::Key_F6, Qt::ControlModifier), windows[0]);
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), windows[1]);
    EXPECT_EQ(press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier), windows[0]);
    EXPECT_EQ(press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), windows[2]);
}

TEST_F(WindowMenuTest, NewWindowsCascadeFromTheNewestAndCoverTheOlderOnesPanels) {
    Frame().show();
    OpenNewWindows(4);
    const std::vector<CMdiChild*> windows = Windows();
    const QRect area = Frame().MdiArea()->viewport()->rect();
    for (std::size_t i = 1; i < windows.size(); ++i) {
        const QRect older = windows[i - 1]->geometry();
        const QRect newer = windows[i]->geometry();
        EXPECT_GT(newer.top(), older.top()) << i;
        EXPECT_GT(newer.left(), older.left()) << i;
        EXPECT_GE(newer.bottom(), older.bottom()) << i;
        EXPECT_GE(newer.right(), older.right()) << i;
        EXPECT_TRUE(area.contains(newer)) << i;
    }
}

TEST_F(WindowMenuTest, TheAreaScrollsToAWindowThatTheBarsPushedPastItsEdge) {
    Frame().show();
    Trigger(CommandId::ViewToolbar);
    Trigger(CommandId::ViewStatusBar);
    Active()->setGeometry(Frame().MdiArea()->viewport()->rect());
    QScrollBar* scroll = Frame().MdiArea()->verticalScrollBar();
    EXPECT_FALSE(scroll->isVisible());
    Trigger(CommandId::ViewToolbar);
    Trigger(CommandId::ViewStatusBar);
    ASSERT_TRUE(scroll->isVisible());
    scroll->setValue(scroll->maximum());
    EXPECT_LE(Active()->geometry().bottom(), Frame().MdiArea()->viewport()->rect().bottom());
}

} // namespace

#include "WindowListMenu.h"

#include "SelectWindowDlg.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

CWindowListMenu::CWindowListMenu(QMenu& menu, QMdiArea& area) : QObject(&menu), m_menu(menu), m_area(area) {
    connect(&m_menu, &QMenu::aboutToShow, this, &CWindowListMenu::Refresh);
}

void CWindowListMenu::Refresh() {
    qDeleteAll(m_entries);
    m_entries.clear();
    const QList<QMdiSubWindow*> windows = ListedWindows();
    if (windows.isEmpty())
        return;
    m_entries.append(m_menu.addSeparator());
    for (int i = 0; i < windows.size(); ++i)
        AddEntry(i + 1, windows[i]);
    if (m_area.subWindowList().size() > kMaxListed)
        AddMoreWindows();
}

QList<QMdiSubWindow*> CWindowListMenu::ListedWindows() const {
    QList<QMdiSubWindow*> windows = m_area.subWindowList(QMdiArea::CreationOrder);
    if (windows.size() <= kMaxListed)
        return windows;
    QMdiSubWindow* active = m_area.currentSubWindow();
    const bool activeListed = windows.indexOf(active) < kMaxListed;
    windows = windows.mid(0, kMaxListed);
    if (active != nullptr && !activeListed)
        windows.last() = active;
    return windows;
}

void CWindowListMenu::AddEntry(int number, QMdiSubWindow* window) {
    QString title = window->windowTitle();
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* entry = m_menu.addAction(QStringLiteral("&%1 %2").arg(number).arg(title));
    entry->setCheckable(true);
    entry->setChecked(window == m_area.currentSubWindow());
    entry->setStatusTip(tr("Activate this window"));
    // The window may close before the entry is chosen from a menu still on the screen.
    connect(entry, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
        if (window != nullptr)
            Activate(window);
    });
    m_entries.append(entry);
}

void CWindowListMenu::AddMoreWindows() {
    QAction* more = m_menu.addAction(tr("&More Windows..."));
    more->setStatusTip(tr("Select a window from the list of all open windows"));
    connect(more, &QAction::triggered, this, &CWindowListMenu::ChooseFromAllWindows);
    m_entries.append(more);
}

void CWindowListMenu::Activate(QMdiSubWindow* window) {
    // Chosen by name, a minimised window is wanted back on the screen.
    if (window->isMinimized())
        window->showNormal();
    m_area.setActiveSubWindow(window);
}

void CWindowListMenu::ChooseFromAllWindows() {
    const QList<QMdiSubWindow*> windows = m_area.subWindowList(QMdiArea::CreationOrder);
    CSelectWindowDlg dialog(windows, m_area.currentSubWindow(), m_area.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog's event loop may have seen windows close.
    if (QMdiSubWindow* chosen = dialog.ChosenWindow(); m_area.subWindowList().contains(chosen))
        Activate(chosen);
}

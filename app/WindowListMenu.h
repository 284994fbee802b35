#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

/// The list of open simulation windows under the commands of the Window menu: "&1 Vorlint1" and so
/// on, the active window checked, at most nine, then "More Windows..." for a list of them all.
/// Choosing an entry activates its window. The list is rebuilt each time the menu opens.
class CWindowListMenu : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxListed = 9;

    CWindowListMenu(QMenu& menu, QMdiArea& area);

    /// Rewrites the list from the area's windows.
    void Refresh();

private:
    /// The windows to list, in the order they were opened; the active one takes the last place when
    /// it would not be listed otherwise.
    QList<QMdiSubWindow*> ListedWindows() const;
    void AddEntry(int number, QMdiSubWindow* window);
    void AddMoreWindows();
    void Activate(QMdiSubWindow* window);
    void ChooseFromAllWindows();

    QMenu& m_menu;
    QMdiArea& m_area;
    QList<QAction*> m_entries;
};

#pragma once

#include <QList>

#include <map>

class QAction;
class QObject;

/// Every command of the menus, the toolbar and the accelerator table as one QAction each: its menu
/// text, its prompt for the status bar and tooltip, its keys and its toolbar image.
class CCommandTable {
public:
    explicit CCommandTable(QObject* owner);

    /// The action of a command id; nullptr for an id the program does not know.
    QAction* Action(int id) const;
    QList<QAction*> AllActions() const;

private:
    void AddCommand(QObject* owner, int id, const char* text, const char* prompt);
    void ApplyAccelerators();

    std::map<int, QAction*> m_actions;
};

#pragma once

#include <QDialog>
#include <QList>

class QListWidget;
class QMdiSubWindow;

/// "Select Window": every open window by its title, the active one selected; OK or a double click
/// chooses one.
class CSelectWindowDlg : public QDialog {
    Q_OBJECT

public:
    CSelectWindowDlg(const QList<QMdiSubWindow*>& windows, QMdiSubWindow* active, QWidget* parent = nullptr);

    /// The window selected when the dialog ended, or nullptr.
    QMdiSubWindow* ChosenWindow() const;
    QListWidget* List() const { return m_pList; }

private:
    QList<QMdiSubWindow*> m_windows;
    QListWidget* m_pList;
};

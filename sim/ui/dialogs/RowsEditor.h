#pragma once

#include <QStringList>
#include <QWidget>

class QPushButton;
class QTableWidget;

/// A table whose rows the user adds and removes with the "Adicionar" and "Remover" buttons under it:
/// the part the dialogs' lists (events, checks) share. A subclass fills each row with its editors.
class CRowsEditor : public QWidget {
    Q_OBJECT

public:
    QTableWidget* Table() const { return m_table; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }

protected:
    /// A table of `headers`, column `stretched` taking the width left.
    CRowsEditor(const QStringList& headers, int stretched, QWidget* parent);

    /// Appends the row "Adicionar" gives.
    virtual void AddNewRow() = 0;
    /// The row whose cell of `column` holds `widget`; -1 when none does.
    int RowOfWidget(const QWidget* widget, int column) const;

private:
    void OnAdd();
    void OnRemove();

    QTableWidget* m_table;
    QPushButton* m_add;
    QPushButton* m_remove;
};

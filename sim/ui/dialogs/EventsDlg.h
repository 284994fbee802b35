#pragma once

#include "ScheduledEvent.h"

#include <QDialog>

#include <vector>

class QTableWidget;
class QPushButton;

/// "Eventos": a window's scheduled setting changes as a table (time in simulated seconds, setting,
/// value), each number typed with a decimal comma or point and kept within the setting's file range.
/// Events of settings the table does not offer (a flag, a choice, a text) are not shown and come back
/// unchanged, after the ones shown; so do, with `plantHidden`, those of the plant's dynamics.
class CEventsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CEventsDlg(const std::vector<ScheduledEvent>& events, QWidget* parent = nullptr,
                        bool plantHidden = false);

    /// The events as the table holds them now, in its order, then those it does not show.
    std::vector<ScheduledEvent> Events() const;

    QTableWidget* Table() const { return m_table; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }

private:
    void AddRow(const ScheduledEvent& event);
    void SetValueEdit(int row, double value);
    void OnSettingChanged(int row);
    void OnAdd();
    void OnRemove();
    int RowOfWidget(const QWidget* widget) const;

    bool m_bPlantHidden;
    QTableWidget* m_table;
    QPushButton* m_add;
    QPushButton* m_remove;
    std::vector<ScheduledEvent> m_hidden;
};

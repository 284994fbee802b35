#pragma once

#include "RowsEditor.h"
#include "ScheduledEvent.h"

#include <vector>

class CRangedEdit;

/// Scheduled setting changes as a table (time in simulated seconds, setting, value), each number typed
/// with a decimal comma or point and kept within the setting's file range. Events of settings the table
/// does not offer (a flag, a choice, a text) are not shown and come back unchanged, after the ones shown;
/// so do, with `plantHidden`, those of the plant's dynamics. The rows come in time order.
class CEventsTable : public CRowsEditor {
    Q_OBJECT

public:
    explicit CEventsTable(const std::vector<ScheduledEvent>& events, QWidget* parent = nullptr,
                          bool plantHidden = false);

    /// The events as the table holds them now, in its order, then those it does not show.
    std::vector<ScheduledEvent> Events() const;

protected:
    /// After the last event, so that a list typed top to bottom stays in time order.
    void AddNewRow() override;

private:
    void AddRow(const ScheduledEvent& event);
    CRangedEdit& SetValueEdit(int row, double value);
    void OnSettingChanged(int row);

    bool m_bPlantHidden;
    std::vector<ScheduledEvent> m_hidden;
};

#include "EventsTable.h"

#include "RangedEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTableWidget>

#include <algorithm>

namespace {

enum Column { TimeColumn, SettingColumn, ValueColumn };

/// What an event may change here: the numbers a window's file holds, but for a hidden plant's.
bool IsOffered(const SettingRow& row, bool plantHidden) {
    return row.fileKey != nullptr && row.kind == SettingKind::Number && !(plantHidden && row.plantModel);
}

/// The setting's interface name without the field's colon, or its file key where it has none.
QString SettingName(const SettingRow& row) {
    if (row.label == nullptr)
        return QLatin1String(row.fileKey);
    QString name = QCoreApplication::translate("Setting", row.label);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

QComboBox* CreateSettingCombo(const SettingRow& selected, bool plantHidden) {
    auto* combo = new QComboBox;
    for (const SettingRow& row : settingRows()) {
        if (!IsOffered(row, plantHidden))
            continue;
        combo->addItem(SettingName(row), QVariant::fromValue(static_cast<const void*>(&row)));
        if (&row == &selected)
            combo->setCurrentIndex(combo->count() - 1);
    }
    return combo;
}

const SettingRow& SelectedRow(const QComboBox& combo) {
    return *static_cast<const SettingRow*>(combo.currentData().value<const void*>());
}

} // namespace

CEventsTable::CEventsTable(const std::vector<ScheduledEvent>& events, QWidget* parent, bool plantHidden)
    : CRowsEditor({tr("Tempo (s)"), tr("Ajuste"), tr("Valor")}, SettingColumn, parent),
      m_bPlantHidden(plantHidden) {
    // Shown in time order, as they happen; those of one time keep the order in which they apply.
    std::vector<ScheduledEvent> shown;
    for (const ScheduledEvent& event : events)
        (IsOffered(*event.change.row, m_bPlantHidden) ? shown : m_hidden).push_back(event);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const ScheduledEvent& a, const ScheduledEvent& b) { return a.atS < b.atS; });
    for (const ScheduledEvent& event : shown)
        AddRow(event);
}

std::vector<ScheduledEvent> CEventsTable::Events() const {
    std::vector<ScheduledEvent> events;
    const QTableWidget& table = *Table();
    for (int row = 0; row < table.rowCount(); ++row) {
        const auto* time = static_cast<const CRangedEdit*>(table.cellWidget(row, TimeColumn));
        const auto* setting = static_cast<const QComboBox*>(table.cellWidget(row, SettingColumn));
        const auto* value = static_cast<const CRangedEdit*>(table.cellWidget(row, ValueColumn));
        events.push_back({time->Value(), {&SelectedRow(*setting), {value->Value(), {}}}});
    }
    events.insert(events.end(), m_hidden.begin(), m_hidden.end());
    return events;
}

void CEventsTable::AddNewRow() {
    const std::vector<ScheduledEvent> events = Events();
    const int shown = Table()->rowCount();
    AddRow({shown > 0 ? events[shown - 1].atS : 0.0, setPointChange(0.0)});
}

void CEventsTable::AddRow(const ScheduledEvent& event) {
    QTableWidget& table = *Table();
    const int row = table.rowCount();
    table.insertRow(row);
    auto* time = new CRangedEdit(NumberRange::NotNegative);
    time->SetValue(event.atS);
    table.setCellWidget(row, TimeColumn, time);
    QComboBox* setting = CreateSettingCombo(*event.change.row, m_bPlantHidden);
    table.setCellWidget(row, SettingColumn, setting);
    SetValueEdit(row, event.change.value.number);
    connect(setting, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, setting] { OnSettingChanged(RowOfWidget(setting, SettingColumn)); });
}

CRangedEdit& CEventsTable::SetValueEdit(int row, double value) {
    const SettingRow& setting =
        SelectedRow(*static_cast<QComboBox*>(Table()->cellWidget(row, SettingColumn)));
    auto* edit = new CRangedEdit(fileRange(setting));
    edit->SetValue(clampIntoRange(value, fileRange(setting)));
    Table()->setCellWidget(row, ValueColumn, edit);
    return *edit;
}

void CEventsTable::OnSettingChanged(int row) {
    // The value stays as it was typed: the newly chosen setting's edit reads it into its own range and
    // is tinted while it is out of it, as a typed value would be.
    const auto& typed = *static_cast<CRangedEdit*>(Table()->cellWidget(row, ValueColumn));
    const QString text = typed.text();
    const bool edited = typed.isModified();
    const double value = typed.Value();
    CRangedEdit& edit = SetValueEdit(row, value);
    if (edited || edit.Value() != value) {
        edit.setText(text);
        edit.setModified(true);
    }
}

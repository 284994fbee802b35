#include "EventsDlg.h"

#include "RangedEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { TimeColumn, SettingColumn, ValueColumn, ColumnCount };

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

CEventsDlg::CEventsDlg(const std::vector<ScheduledEvent>& events, QWidget* parent, bool plantHidden)
    : QDialog(parent), m_bPlantHidden(plantHidden), m_table(new QTableWidget(0, ColumnCount, this)),
      m_add(new QPushButton(tr("Adicionar"), this)), m_remove(new QPushButton(tr("Remover"), this)) {
    setWindowTitle(tr("Eventos"));
    m_table->setHorizontalHeaderLabels({tr("Tempo (s)"), tr("Ajuste"), tr("Valor")});
    m_table->horizontalHeader()->setSectionResizeMode(SettingColumn, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setMinimumWidth(460);
    for (const ScheduledEvent& event : events) {
        if (IsOffered(*event.change.row, m_bPlantHidden))
            AddRow(event);
        else
            m_hidden.push_back(event);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &CEventsDlg::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &CEventsDlg::OnRemove);

    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(m_add);
    rowButtons->addWidget(m_remove);
    rowButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(rowButtons);
    layout->addWidget(buttons);
}

std::vector<ScheduledEvent> CEventsDlg::Events() const {
    std::vector<ScheduledEvent> events;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto* time = static_cast<const CRangedEdit*>(m_table->cellWidget(row, TimeColumn));
        const auto* setting = static_cast<const QComboBox*>(m_table->cellWidget(row, SettingColumn));
        const auto* value = static_cast<const CRangedEdit*>(m_table->cellWidget(row, ValueColumn));
        events.push_back({time->Value(), {&SelectedRow(*setting), {value->Value(), {}}}});
    }
    events.insert(events.end(), m_hidden.begin(), m_hidden.end());
    return events;
}

void CEventsDlg::AddRow(const ScheduledEvent& event) {
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto* time = new CRangedEdit(NumberRange::NotNegative);
    time->SetValue(event.atS);
    m_table->setCellWidget(row, TimeColumn, time);
    QComboBox* setting = CreateSettingCombo(*event.change.row, m_bPlantHidden);
    m_table->setCellWidget(row, SettingColumn, setting);
    SetValueEdit(row, event.change.value.number);
    connect(setting, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, setting] { OnSettingChanged(RowOfWidget(setting)); });
}

void CEventsDlg::SetValueEdit(int row, double value) {
    const SettingRow& setting =
        SelectedRow(*static_cast<QComboBox*>(m_table->cellWidget(row, SettingColumn)));
    auto* edit = new CRangedEdit(fileRange(setting));
    edit->SetValue(clampIntoRange(value, fileRange(setting)));
    m_table->setCellWidget(row, ValueColumn, edit);
}

void CEventsDlg::OnSettingChanged(int row) {
    // The typed value stays, brought into the newly chosen setting's range.
    SetValueEdit(row, static_cast<CRangedEdit*>(m_table->cellWidget(row, ValueColumn))->Value());
}

void CEventsDlg::OnAdd() {
    // After the last event, so that a list typed top to bottom stays in time order.
    const std::vector<ScheduledEvent> events = Events();
    const double lastS = m_table->rowCount() > 0 ? events[m_table->rowCount() - 1].atS : 0.0;
    AddRow({lastS, setPointChange(0.0)});
    m_table->setCurrentCell(m_table->rowCount() - 1, TimeColumn);
}

void CEventsDlg::OnRemove() {
    const int row = m_table->currentRow();
    if (row >= 0)
        m_table->removeRow(row);
}

int CEventsDlg::RowOfWidget(const QWidget* widget) const {
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->cellWidget(row, SettingColumn) == widget)
            return row;
    }
    return -1;
}

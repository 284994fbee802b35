#include "PlantControllerDlg.h"

#include "PlantHiddenText.h"
#include "RangedEdit.h"
#include "SeedEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString TrSetting(const char* text) {
    return QCoreApplication::translate("Setting", text);
}

/// The field that edits `row`, showing `value`.
QWidget* CreateField(const SettingRow& row, const SettingValue& value, QWidget* parent) {
    switch (row.kind) {
    case SettingKind::Flag: {
        auto* box = new QCheckBox(TrSetting(row.label), parent);
        box->setChecked(value.number != 0.0);
        return box;
    }
    case SettingKind::Choice: {
        auto* combo = new QComboBox(parent);
        for (std::size_t i = 0; i < row.choiceCount; ++i)
            combo->addItem(TrSetting(row.choices[i].label), row.choices[i].value);
        combo->setCurrentIndex(combo->findData(static_cast<int>(value.number)));
        return combo;
    }
    case SettingKind::Seed:
        return new CSeedEdit(value.text, parent);
    default: {
        auto* edit = row.kind == SettingKind::Count ? CRangedEdit::WholeNumber(row.maxCount, parent)
                                                    : new CRangedEdit(row.range, parent);
        edit->SetValue(value.number);
        return edit;
    }
    }
}

/// What stands in the place of a hidden plant's field: its words, and nothing to edit.
QWidget* CreateHiddenField(QWidget* parent) {
    auto* field = new QLineEdit(PlantHiddenText(), parent);
    field->setEnabled(false);
    return field;
}

SettingValue FieldValue(const SettingRow& row, const QWidget* widget) {
    switch (row.kind) {
    case SettingKind::Flag:
        return {static_cast<const QCheckBox*>(widget)->isChecked() ? 1.0 : 0.0, {}};
    case SettingKind::Choice:
        return {static_cast<double>(static_cast<const QComboBox*>(widget)->currentData().toInt()), {}};
    case SettingKind::Seed:
        return {0.0, static_cast<const CSeedEdit*>(widget)->Digits()};
    default:
        return {static_cast<const CRangedEdit*>(widget)->Value(), {}};
    }
}

} // namespace

CPlantControllerDlg::CPlantControllerDlg(const SettingSource& window, Apply apply, QWidget* parent,
                                         bool plantHidden)
    : QDialog(parent), m_apply(std::move(apply)) {
    setWindowTitle(tr("Planta e controlador"));
    auto* plant = new QGroupBox(tr("Planta: entre a potência u e o t da fórmula"), this);
    AddFields(new QFormLayout(plant), SettingGroup::Dynamics, window, plantHidden);
    auto* controller = new QGroupBox(tr("Controlador PID"), this);
    AddFields(new QFormLayout(controller), SettingGroup::Options, window, plantHidden);
    auto* sensor = new QGroupBox(tr("Sensor e atuador"), this);
    AddFields(new QFormLayout(sensor), SettingGroup::Sensor, window, plantHidden);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    buttons->button(QDialogButtonBox::Apply)->setText(tr("Aplicar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPlantControllerDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &CPlantControllerDlg::OnApply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plant);
    layout->addWidget(controller);
    layout->addWidget(sensor);
    layout->addWidget(buttons);
}

void CPlantControllerDlg::AddFields(QFormLayout* form, SettingGroup group, const SettingSource& window,
                                    bool plantHidden) {
    for (const SettingRow& row : settingRows()) {
        if (row.group != group || row.label == nullptr)
            continue;
        const bool hidden = plantHidden && row.plantModel;
        QWidget* field = hidden ? CreateHiddenField(form->parentWidget())
                                : CreateField(row, row.read(window), form->parentWidget());
        field->setToolTip(TrSetting(row.toolTip));
        if (row.kind == SettingKind::Flag) {
            form->addRow(field);
        } else {
            form->addRow(TrSetting(row.label), field);
            form->labelForField(field)->setToolTip(field->toolTip());
        }
        if (!hidden)
            m_fields.push_back({&row, field});
    }
}

std::vector<SettingChange> CPlantControllerDlg::Values() const {
    std::vector<SettingChange> values;
    for (const SettingField& field : m_fields)
        values.push_back({field.row, FieldValue(*field.row, field.widget)});
    return values;
}

QWidget* CPlantControllerDlg::Field(const SettingRow& row) const {
    for (const SettingField& field : m_fields) {
        if (field.row == &row)
            return field.widget;
    }
    return nullptr;
}

void CPlantControllerDlg::OnApply() {
    if (m_apply)
        m_apply(Values());
}

void CPlantControllerDlg::accept() {
    OnApply();
    QDialog::accept();
}

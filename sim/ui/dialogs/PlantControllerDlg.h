#pragma once

#include "SettingsTable.h"

#include <QDialog>

#include <functional>
#include <vector>

class QFormLayout;

/// "Planta e controlador": edits what stands between a window's controller and its formula (load
/// disturbance, dead time, lags) and the controller's options (set-point weight, derivative on the
/// measurement, derivative filter, anti-windup): a field for each row of the settings table in those
/// groups, in the table's order. A value out of its range is clamped into it, its field tinted.
/// "Aplicar" and "OK" hand the values to `apply`; "OK" and "Cancelar" close. With `plantHidden` the
/// plant's dynamics (SettingRow::plantModel) read "planta oculta" in disabled fields and are not
/// among the values: a student can neither read nor change them.
class CPlantControllerDlg : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<void(const std::vector<SettingChange>& values)>;

    CPlantControllerDlg(const SettingSource& window, Apply apply, QWidget* parent = nullptr,
                        bool plantHidden = false);

    /// The values the fields hold now, clamped into their ranges, one per field.
    std::vector<SettingChange> Values() const;
    /// The field of `row` (a CRangedEdit, QCheckBox or QComboBox by its kind), or nullptr (a hidden
    /// plant's row has none).
    QWidget* Field(const SettingRow& row) const;

public slots:
    void accept() override;

private:
    struct SettingField {
        const SettingRow* row;
        QWidget* widget;
    };

    void AddFields(QFormLayout* form, SettingGroup group, const SettingSource& window, bool plantHidden);
    void OnApply();

    Apply m_apply;
    std::vector<SettingField> m_fields;
};

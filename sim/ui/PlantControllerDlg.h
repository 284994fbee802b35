#pragma once

#include "PidOptions.h"
#include "PlantDynamicsSettings.h"

#include <QDialog>

#include <functional>

class CRangedEdit;
class QCheckBox;
class QComboBox;

/// "Planta e controlador": edits what stands between a window's controller and its formula (load
/// disturbance, dead time, lags) and the controller's options (set-point weight, derivative on the
/// measurement, derivative filter, anti-windup). A value out of its range is clamped into it, its field
/// tinted. "Aplicar" and "OK" hand the values to `apply`; "OK" and "Cancelar" close.
class CPlantControllerDlg : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<void(const PlantDynamicsSettings& dynamics, const PidOptions& options)>;

    CPlantControllerDlg(const PlantDynamicsSettings& dynamics, const PidOptions& options, Apply apply,
                        QWidget* parent = nullptr);

    /// The values the fields hold now, clamped into their ranges.
    PlantDynamicsSettings Dynamics() const;
    PidOptions Options() const;

    CRangedEdit* LagTauEdit() const { return m_pLagTau; }

public slots:
    void accept() override;

private:
    void CreateControls();
    void ShowValues(const PlantDynamicsSettings& dynamics, const PidOptions& options);
    void OnApply();

    Apply m_apply;
    CRangedEdit* m_pDisturbance = nullptr;
    CRangedEdit* m_pDeadTime = nullptr;
    CRangedEdit* m_pLagCount = nullptr;
    CRangedEdit* m_pLagTau = nullptr;
    CRangedEdit* m_pSetPointWeight = nullptr;
    QCheckBox* m_pDerivativeOnMeasurement = nullptr;
    CRangedEdit* m_pDerivativeFilter = nullptr;
    QComboBox* m_pAntiWindup = nullptr;
    CRangedEdit* m_pTrackingTime = nullptr;
};

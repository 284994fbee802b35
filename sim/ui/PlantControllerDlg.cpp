#include "PlantControllerDlg.h"

#include "RangedEdit.h"
#include "SettingRanges.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CPlantControllerDlg::CPlantControllerDlg(const PlantDynamicsSettings& dynamics, const PidOptions& options,
                                         Apply apply, QWidget* parent)
    : QDialog(parent), m_apply(std::move(apply)) {
    setWindowTitle(tr("Planta e controlador"));
    CreateControls();
    ShowValues(dynamics, options);
}

void CPlantControllerDlg::CreateControls() {
    using namespace SettingRange;
    const auto addRow = [](QFormLayout* form, const QString& label, QWidget* field, const QString& tip) {
        field->setToolTip(tip);
        form->addRow(label, field);
        form->labelForField(field)->setToolTip(tip);
    };
    auto* plant = new QGroupBox(tr("Planta: entre a potência u e o t da fórmula"), this);
    auto* plantForm = new QFormLayout(plant);
    m_pDisturbance = new CRangedEdit(kDisturbance, plant);
    addRow(plantForm, tr("Perturbação de carga d:"), m_pDisturbance,
           tr("Somada à potência do controlador antes da planta (v = u + d), em unidades de potência."));
    m_pDeadTime = new CRangedEdit(kDeadTime, plant);
    addRow(plantForm, tr("Tempo morto θ (s):"), m_pDeadTime,
           tr("A fórmula recebe a potência de θ segundos simulados antes (arredondado a passos); 0 = sem "
              "tempo morto."));
    m_pLagCount = CRangedEdit::WholeNumber(kMaxLagCount, plant);
    addRow(plantForm, tr("Atrasos de 1ª ordem N (0 a 5):"), m_pLagCount,
           tr("Quantos atrasos de primeira ordem iguais a potência atravessa, um depois do outro."));
    m_pLagTau = new CRangedEdit(kLagTau, plant);
    addRow(plantForm, tr("Constante de tempo τ (s):"), m_pLagTau,
           tr("A constante de tempo de cada atraso, em segundos simulados."));

    auto* controller = new QGroupBox(tr("Controlador PID"), this);
    auto* controllerForm = new QFormLayout(controller);
    m_pSetPointWeight = new CRangedEdit(kSetPointWeight, controller);
    addRow(controllerForm, tr("Peso do set point b:"), m_pSetPointWeight,
           tr("O termo proporcional é (b·set point − point)·Kp; com b abaixo de 1 o degrau do set point é "
              "respondido com mais calma. 1 = o controlador de sempre."));
    m_pDerivativeOnMeasurement = new QCheckBox(tr("Derivada sobre a medição"), controller);
    m_pDerivativeOnMeasurement->setToolTip(
        tr("Deriva o point em vez do erro: sem o pico da derivada quando o set point muda."));
    controllerForm->addRow(m_pDerivativeOnMeasurement);
    m_pDerivativeFilter = new CRangedEdit(kDerivativeFilter, controller);
    addRow(controllerForm, tr("Filtro da derivada Tf (s):"), m_pDerivativeFilter,
           tr("Constante de tempo do filtro de primeira ordem do termo derivativo; 0 = sem filtro."));
    m_pAntiWindup = new QComboBox(controller);
    m_pAntiWindup->addItem(tr("Nenhum"), static_cast<int>(AntiWindup::None));
    m_pAntiWindup->addItem(tr("Condicional"), static_cast<int>(AntiWindup::Conditional));
    m_pAntiWindup->addItem(tr("Retrocálculo"), static_cast<int>(AntiWindup::BackCalculation));
    addRow(controllerForm, tr("Anti-windup:"), m_pAntiWindup,
           tr("Condicional: a integral para enquanto a saída está saturada e ela empurraria mais. "
              "Retrocálculo: a integral volta por Ki·(u − uRaw)·dt / Tt depois da saturação."));
    m_pTrackingTime = new CRangedEdit(kTrackingTime, controller);
    addRow(controllerForm, tr("Tempo de rastreamento Tt (s):"), m_pTrackingTime,
           tr("O Tt do retrocálculo, em segundos simulados, acima de 0."));

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
    layout->addWidget(buttons);
}

void CPlantControllerDlg::ShowValues(const PlantDynamicsSettings& dynamics, const PidOptions& options) {
    m_pDisturbance->SetValue(dynamics.disturbance);
    m_pDeadTime->SetValue(dynamics.deadTimeS);
    m_pLagCount->SetValue(dynamics.lagCount);
    m_pLagTau->SetValue(dynamics.lagTauS);
    m_pSetPointWeight->SetValue(options.setPointWeight);
    m_pDerivativeOnMeasurement->setChecked(options.derivativeOnMeasurement);
    m_pDerivativeFilter->SetValue(options.derivativeFilterS);
    m_pAntiWindup->setCurrentIndex(m_pAntiWindup->findData(static_cast<int>(options.antiWindup)));
    m_pTrackingTime->SetValue(options.trackingTimeS);
}

PlantDynamicsSettings CPlantControllerDlg::Dynamics() const {
    PlantDynamicsSettings dynamics;
    dynamics.disturbance = m_pDisturbance->Value();
    dynamics.deadTimeS = m_pDeadTime->Value();
    dynamics.lagCount = static_cast<int>(m_pLagCount->Value());
    dynamics.lagTauS = m_pLagTau->Value();
    return dynamics;
}

PidOptions CPlantControllerDlg::Options() const {
    PidOptions options;
    options.setPointWeight = m_pSetPointWeight->Value();
    options.derivativeOnMeasurement = m_pDerivativeOnMeasurement->isChecked();
    options.derivativeFilterS = m_pDerivativeFilter->Value();
    options.antiWindup = static_cast<AntiWindup>(m_pAntiWindup->currentData().toInt());
    options.trackingTimeS = m_pTrackingTime->Value();
    return options;
}

void CPlantControllerDlg::OnApply() {
    if (m_apply)
        m_apply(Dynamics(), Options());
}

void CPlantControllerDlg::accept() {
    OnApply();
    QDialog::accept();
}

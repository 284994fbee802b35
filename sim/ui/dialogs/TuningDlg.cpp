#include "TuningDlg.h"

#include "PanelText.h"
#include "RangedEdit.h"
#include "ReadingText.h"
#include "ResponsePlot.h"
#include "SettingRanges.h"
#include "SimulationSetup.h"
#include "TuningModelText.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

/// A column of the rules' table: its heading and what it shows.
struct RuleColumn {
    const char* heading;
    const char* tooltip;
};

enum Column { Name, Kp, Ki, Kd, Overshoot, Settling, Iae, Saturated, Plot, ColumnCount };

const RuleColumn kColumns[] = {
    {QT_TRANSLATE_NOOP("CTuningDlg", "Regra"), QT_TRANSLATE_NOOP("CTuningDlg", "A regra de sintonia.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Kp"), QT_TRANSLATE_NOOP("CTuningDlg", "Ganho proporcional: Kp = Kc.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Ki"),
     QT_TRANSLATE_NOOP("CTuningDlg",
                       "Neste programa Ki divide a integral: Ki = Ti / Kc; 0 = sem ação integral.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Kd"),
     QT_TRANSLATE_NOOP("CTuningDlg", "Ganho derivativo: Kd = Kc · Td.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Sobressinal (%)"),
     QT_TRANSLATE_NOOP("CTuningDlg", "Quanto o point previsto passa do set point no pico, em % do degrau.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Acomodação (s)"),
     QT_TRANSLATE_NOOP("CTuningDlg",
                       "Tempo até o point previsto ficar na faixa de ±2 % do degrau, em segundos "
                       "simulados; – se não se acomoda.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "IAE"),
     QT_TRANSLATE_NOOP("CTuningDlg",
                       "Integral do erro absoluto da resposta prevista, Σ |e|·dt (point × s).")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Saturado (s)"),
     QT_TRANSLATE_NOOP("CTuningDlg", "Quanto tempo a potência prevista fica exatamente em 0 ou em 100, em "
                                     "segundos simulados: um atuador que não dá mais.")},
    {QT_TRANSLATE_NOOP("CTuningDlg", "Resposta prevista"),
     QT_TRANSLATE_NOOP("CTuningDlg",
                       "O point (linha cheia) e o set point (tracejado) previstos, do repouso ao "
                       "set point; todas as linhas na mesma escala.")},
};
static_assert(std::size(kColumns) == ColumnCount, "one heading per column");

/// Shown in every cell of a rule that gives no gains for this model.
const QString kNotApplicable = QStringLiteral("—");

QString translated(const char* text) {
    return QCoreApplication::translate("CTuningDlg", text);
}

/// Gains as the panels will show them once applied.
QString gainText(double gain) {
    return formatPanelNumber(gain, kGainFormat);
}

QTableWidgetItem* readOnlyItem(const QString& text, bool alignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (alignRight)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

CTuningDlg::CTuningDlg(const CSimulation& window, Apply apply, QWidget* parent)
    : QDialog(parent), m_window(window), m_apply(std::move(apply)) {
    setWindowTitle(tr("Sintonia"));
    CreateControls();
    m_progressTimer.setInterval(50);
    connect(&m_progressTimer, &QTimer::timeout, this, &CTuningDlg::OnProgressTick);
    connect(&m_run, &CTuningRun::finished, this, &CTuningDlg::OnRunFinished);
}

void CTuningDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateExperimentBox());

    auto* runRow = new QHBoxLayout;
    m_pRun = new QPushButton(tr("Executar"), this);
    m_pRun->setToolTip(tr("Roda o experimento numa cópia da planta desta janela, a partir do repouso; a "
                          "janela continua como está."));
    connect(m_pRun, &QPushButton::clicked, this, &CTuningDlg::RunExperiment);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setRange(0, 100);
    m_pCancel = new QPushButton(tr("Cancelar"), this);
    m_pCancel->setAutoDefault(false);
    connect(m_pCancel, &QPushButton::clicked, this, &CTuningDlg::OnCancel);
    runRow->addWidget(m_pRun);
    runRow->addWidget(m_pProgress, 1);
    runRow->addWidget(m_pCancel);
    layout->addLayout(runRow);
    ShowRunning(false);

    layout->addWidget(CreateResultBox(), 1);

    auto* buttonRow = new QHBoxLayout;
    m_pApply = new QPushButton(tr("Aplicar"), this);
    m_pApply->setToolTip(tr("Copia os ganhos da regra escolhida para a janela e liga o modo PID."));
    m_pApply->setEnabled(false);
    connect(m_pApply, &QPushButton::clicked, this, &CTuningDlg::OnApply);
    auto* close = new QPushButton(tr("Fechar"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_pApply);
    buttonRow->addWidget(close);
    layout->addLayout(buttonRow);
    resize(1000, 740);
}

QWidget* CTuningDlg::CreateExperimentBox() {
    using namespace SettingRange;
    auto* box = new QGroupBox(tr("Experimento"), this);
    auto* grid = new QHBoxLayout(box);

    auto* relayForm = new QFormLayout;
    m_pRelay = new QRadioButton(tr("Relé"), box);
    m_pRelay->setToolTip(tr("A potência chaveia entre bias + h e bias − h conforme o point está abaixo ou "
                            "acima do set point; o ciclo que se forma dá Ku e Tu."));
    m_pRelay->setChecked(true);
    relayForm->addRow(m_pRelay);
    const auto addRow = [](QFormLayout* form, const QString& label, CRangedEdit* edit, const QString& tip) {
        edit->setToolTip(tip);
        form->addRow(label, edit);
    };
    m_pBias = new CRangedEdit(kRelayBias, box);
    addRow(relayForm, tr("Bias (potência):"), m_pBias, tr("A potência do meio do relé."));
    m_pAmplitude = new CRangedEdit(kRelayAmplitude, box);
    addRow(relayForm, tr("Amplitude h (potência):"), m_pAmplitude,
           tr("O relé soma e subtrai h do bias; acima de 0."));
    m_pHysteresis = new CRangedEdit(kRelayHysteresis, box);
    addRow(relayForm, tr("Histerese ε (point):"), m_pHysteresis,
           tr("O relé não chaveia enquanto |erro| ≤ ε; 0 ou mais."));
    const double setPoint = TuningSetPoint(m_window.m_dSetPoint);
    m_pSetPoint = new QLabel(FormatReading(setPoint, 1), box);
    m_pSetPoint->setToolTip(tr("O set point da janela (1500 quando é 0): o relé oscila em volta dele e as "
                               "respostas previstas vão até ele."));
    relayForm->addRow(tr("Set point:"), m_pSetPoint);
    grid->addLayout(relayForm);

    auto* stepForm = new QFormLayout;
    m_pStepTest = new QRadioButton(tr("Degrau em malha aberta"), box);
    m_pStepTest->setToolTip(
        tr("A potência vai de 0 a u1 e espera o point se acomodar; a curva dá K, τ e θ."));
    stepForm->addRow(m_pStepTest);
    m_pStepPower = new CRangedEdit(kStepPower, box);
    addRow(stepForm, tr("Potência u1:"), m_pStepPower, tr("A potência do degrau, acima de 0."));
    grid->addLayout(stepForm);

    // Only the chosen experiment's settings can be edited.
    for (CRangedEdit* relaySetting : {m_pBias, m_pAmplitude, m_pHysteresis})
        connect(m_pRelay, &QRadioButton::toggled, relaySetting, &QWidget::setEnabled);
    m_pStepPower->setEnabled(false);
    connect(m_pStepTest, &QRadioButton::toggled, m_pStepPower, &QWidget::setEnabled);

    const TuningRequest defaults;
    m_pBias->SetValue(defaults.relay.bias);
    m_pAmplitude->SetValue(defaults.relay.amplitude);
    m_pHysteresis->SetValue(defaults.relay.hysteresis);
    m_pStepPower->SetValue(defaults.stepPower);
    return box;
}

QWidget* CTuningDlg::CreateResultBox() {
    auto* box = new QGroupBox(tr("Resultado"), this);
    auto* layout = new QVBoxLayout(box);
    m_pModel = new QLabel(tr("Escolha o experimento e clique em Executar."), box);
    m_pModel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_pModel);
    m_pRules = new QTableWidget(0, ColumnCount, box);
    for (int column = 0; column < ColumnCount; ++column) {
        auto* heading = new QTableWidgetItem(translated(kColumns[column].heading));
        heading->setToolTip(translated(kColumns[column].tooltip));
        m_pRules->setHorizontalHeaderItem(column, heading);
    }
    m_pRules->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pRules->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pRules->verticalHeader()->hide();
    m_pRules->verticalHeader()->setDefaultSectionSize(48);
    m_pRules->horizontalHeader()->setStretchLastSection(true);
    connect(m_pRules, &QTableWidget::itemSelectionChanged, this,
            [this] { m_pApply->setEnabled(SelectedGains() != nullptr); });
    layout->addWidget(m_pRules, 1);
    auto* note = new QLabel(tr("Ganhos na forma deste programa, em que Ki divide a integral: Kp = Kc, "
                               "Ki = Ti / Kc (0 = sem integral), Kd = Kc · Td."),
                            box);
    note->setWordWrap(true);
    layout->addWidget(note);
    return box;
}

TuningRequest CTuningDlg::Request() const {
    TuningRequest request;
    request.method = m_pStepTest->isChecked() ? TuningMethod::StepTest : TuningMethod::Relay;
    request.relay.setPoint = request.setPoint = TuningSetPoint(m_window.m_dSetPoint);
    request.relay.bias = m_pBias->Value();
    request.relay.amplitude = m_pAmplitude->Value();
    request.relay.hysteresis = m_pHysteresis->Value();
    request.stepPower = m_pStepPower->Value();
    return request;
}

void CTuningDlg::RunExperiment() {
    if (m_run.IsRunning())
        return;
    const TuningRequest request = Request();
    m_shownMethod = request.method;
    m_pSetPoint->setText(FormatReading(request.setPoint, 1));
    m_pModel->setText(tr("Executando..."));
    m_pRules->setRowCount(0);
    m_shownGains.clear();
    m_pApply->setEnabled(false);
    m_pRun->setEnabled(false);
    m_sinceStart.start();
    m_progressTimer.start();
    m_run.Start(SetupOf(m_window), request);
}

void CTuningDlg::ShowRunning(bool running) {
    m_pProgress->setVisible(running);
    m_pCancel->setVisible(running);
}

void CTuningDlg::OnProgressTick() {
    if (m_sinceStart.elapsed() >= kProgressDelayMs)
        ShowRunning(true);
    m_pProgress->setValue(static_cast<int>(m_run.FractionDone() * 100.0));
}

void CTuningDlg::OnCancel() {
    m_run.Cancel();
    m_progressTimer.stop();
    ShowRunning(false);
    m_pRun->setEnabled(true);
    m_pModel->setText(tr("Sintonia cancelada."));
}

void CTuningDlg::OnRunFinished() {
    m_progressTimer.stop();
    ShowRunning(false);
    m_pRun->setEnabled(true);
    if (m_run.RanOutOfMemory()) {
        m_pModel->setText(tr("Não há memória para a sintonia."));
    } else {
        ShowResult(m_run.Result());
        if (m_run.Result().cycle || m_run.Result().model)
            emit resultFound(m_run.Result());
    }
    emit tuningFinished();
}

void CTuningDlg::ShowResult(const TuningResult& result) {
    m_pModel->setText(ModelText(result));
    m_pModel->setToolTip(result.cycle ? tr("Ku: o ganho proporcional que leva a malha ao limite da "
                                           "estabilidade; Tu: o período da oscilação nesse limite.")
                         : result.model
                             ? tr("K: quanto o point muda por unidade de potência; τ: a constante de tempo; "
                                  "θ: o tempo morto aparente.")
                             : QString());
    FillRules(result);
}

QString CTuningDlg::ModelText(const TuningResult& result) const {
    if (result.outcome == ExperimentOutcome::Cancelled)
        return tr("Sintonia cancelada.");
    const QString found = TuningModelText(result);
    if (!found.isEmpty())
        return found;
    return m_shownMethod == TuningMethod::Relay
               ? tr("Sem resultado: o relé não fez o point oscilar em %1 passos.").arg(kMaxExperimentSteps)
               : tr("Sem resultado: o point não se acomodou depois do degrau em %1 passos.")
                     .arg(kMaxExperimentSteps);
}

void CTuningDlg::FillRules(const TuningResult& result) {
    std::vector<const ResponseTrace*> traces;
    for (const RulePrediction& rule : result.rules) {
        if (rule.Applies())
            traces.push_back(&rule.response.trace);
    }
    const ResponsePlotScale scale = commonScale(traces, result.predictionS);
    m_pRules->setRowCount(static_cast<int>(result.rules.size()));
    for (int row = 0; row < m_pRules->rowCount(); ++row) {
        const RulePrediction& rule = result.rules[static_cast<std::size_t>(row)];
        m_pRules->setItem(row, Name,
                          readOnlyItem(QCoreApplication::translate("TuningRules", rule.name), false));
        const bool applies = rule.Applies();
        const StepResponseFigures& f = rule.response.figures;
        const QString texts[] = {gainText(rule.gains.kp),           gainText(rule.gains.ki),
                                 gainText(rule.gains.kd),           FormatReading(f.overshootPct, 1),
                                 FormatReading(f.settlingTimeS, 2), FormatReading(f.iae, 1),
                                 FormatReading(f.timeSaturatedS, 2)};
        for (int column = Kp; column <= Saturated; ++column)
            m_pRules->setItem(row, column, readOnlyItem(applies ? texts[column - Kp] : kNotApplicable, true));
        if (applies)
            m_pRules->setCellWidget(row, Plot, new CResponsePlot(rule.response.trace, scale));
        else
            m_pRules->setItem(row, Plot, readOnlyItem(kNotApplicable, false));
        m_shownGains.push_back(applies ? rule.gains : PidGains{NAN, NAN, NAN});
    }
    // The plots share their time axis; the heading says how long it is, when there is a plot.
    const QString heading = translated(kColumns[Plot].heading);
    m_pRules->horizontalHeaderItem(Plot)->setText(
        traces.empty() ? heading : tr("%1 (0 a %2)").arg(heading, FormatSignificant(scale.timeS, 3, " s")));
    m_pRules->resizeColumnsToContents();
}

const PidGains* CTuningDlg::SelectedGains() const {
    const int row = m_pRules->currentRow();
    if (row < 0 || row >= static_cast<int>(m_shownGains.size()))
        return nullptr;
    const PidGains& gains = m_shownGains[static_cast<std::size_t>(row)];
    return std::isfinite(gains.kp) ? &gains : nullptr;
}

void CTuningDlg::OnApply() {
    const PidGains* gains = SelectedGains();
    if (gains != nullptr && m_apply)
        m_apply(*gains);
}

void CTuningDlg::done(int result) {
    m_run.Cancel();
    m_progressTimer.stop();
    QDialog::done(result);
}

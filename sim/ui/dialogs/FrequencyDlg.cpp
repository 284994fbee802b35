#include "FrequencyDlg.h"

#include "BodeCsv.h"
#include "BodePlot.h"
#include "PlantHiddenText.h"
#include "ReadingText.h"
#include "SettingsTable.h"
#include "TuningLab.h"
#include "VorlintView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

/// How a figure is shown: its name, unit and significant digits, the reason given when it does not
/// exist (noModelWhy comes first for every figure) and what it measures.
struct FigureRow {
    const char* label;
    const char* unit;
    int digits;
    const char* FrequencyAnalysis::*why;
    const char* tooltip;
};

/// In the order of kFrequencyFigureFields.
const FigureRow kRows[] = {
    {"p0", "", 6, &FrequencyAnalysis::noModelWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "O ponto de operação: o point em volta do qual a malha é linearizada "
                                        "(o set point da janela, ou 1500 quando ele é 0).")},
    {"t0", "", 6, &FrequencyAnalysis::noModelWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg",
                       "A potência de 0 a 100 que mantém o point em p0: f(p0, t0, dt) = p0.")},
    {"a = ∂f/∂p", "", 6, &FrequencyAnalysis::noModelWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "Quanto o próximo point muda por unidade do point, em (p0, t0).")},
    {"b = ∂f/∂t", "", 6, &FrequencyAnalysis::noModelWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "Quanto o próximo point muda por unidade de potência, em (p0, t0).")},
    {"Ku", "", 4, &FrequencyAnalysis::ultimatePointWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg",
                       "Ganho último: o Kp que sozinho leva a malha ao limite da estabilidade, 1/|G| onde a "
                       "fase da planta cai abaixo de −180° (potência por unidade do point).")},
    {"Tu", " s", 4, &FrequencyAnalysis::ultimatePointWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg",
                       "Período último: o da oscilação nesse limite, 2π/ω, em segundos simulados.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Margem de ganho"), "", 4, &FrequencyAnalysis::gainMarginWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg",
                       "Por quanto os ganhos do controlador podem ser multiplicados até a malha oscilar: "
                       "1/|L| onde a fase da malha cai abaixo de −180°.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Margem de ganho (dB)"), " dB", 4, &FrequencyAnalysis::gainMarginWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "A margem de ganho em decibéis, 20·log10 dela.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Margem de fase"), "°", 4, &FrequencyAnalysis::phaseMarginWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg",
                       "180° mais a fase da malha onde |L| desce a 1: quanto atraso de fase a "
                       "mais a malha aguenta.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "ωc (cruzamento de ganho)"), " rad/s", 4,
     &FrequencyAnalysis::phaseMarginWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "A frequência em que |L| desce a 1.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "ω180 (cruzamento de fase)"), " rad/s", 4,
     &FrequencyAnalysis::gainMarginWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "A frequência em que a fase da malha cai abaixo de −180°.")},
    {"Ms", "", 4, &FrequencyAnalysis::msWhy,
     QT_TRANSLATE_NOOP("CFrequencyDlg", "Sensibilidade máxima, o maior |1/(1 + L)|: quanto a malha amplifica "
                                        "uma perturbação na pior frequência (1,2 a 2 é o usual).")},
};
static_assert(std::size(kRows) == kFrequencyFigureFields.size(), "one row per figure");

const char* const kHeadings[][2] = {
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Figura"), ""},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Analítico"),
     QT_TRANSLATE_NOOP("CFrequencyDlg", "Do modelo linear da malha no ponto de operação.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Relé"),
     QT_TRANSLATE_NOOP("CFrequencyDlg",
                       "O que o último experimento de relé (Simulação > Sintonia...) encontrou "
                       "nesta planta; vazio sem ele ou depois de uma mudança da planta.")},
    {QT_TRANSLATE_NOOP("CFrequencyDlg", "Diferença"),
     QT_TRANSLATE_NOOP("CFrequencyDlg", "(relé − analítico) / analítico · 100: o erro da função descritiva "
                                        "do relé.")},
};
static_assert(std::size(kHeadings) == CFrequencyDlg::ColumnCount, "one heading per column");

QString translated(const char* text) {
    return QCoreApplication::translate("CFrequencyDlg", text);
}

/// The row of the figure the command line calls `name`.
constexpr int RowOf(const char* name) {
    for (std::size_t i = 0; i < kFrequencyFigureFields.size(); ++i) {
        if (std::string_view(kFrequencyFigureFields[i].name) == name)
            return static_cast<int>(i);
    }
    return -1;
}

/// What the loop's figures depend on: the setup, the set point (the operating point) and the gains.
bool IsLoopSetting(const SettingRow& row) {
    if (row.isSetup())
        return true;
    return row.option != nullptr &&
           (std::strcmp(row.option, "kp") == 0 || std::strcmp(row.option, "ki") == 0 ||
            std::strcmp(row.option, "kd") == 0);
}

/// Why the figure of `row` does not exist, null when it does.
const char* WhyMissing(const FrequencyAnalysis& analysis, const FigureRow& row) {
    return analysis.noModelWhy != nullptr ? analysis.noModelWhy : analysis.*row.why;
}

} // namespace

CFrequencyDlg::CFrequencyDlg(CVorlintView& window, QWidget* parent) : QDialog(parent), m_pWindow(&window) {
    setWindowTitle(tr("Resposta em frequência"));
    CreateControls();
    connect(&window, &QObject::destroyed, this, &QWidget::close);
    connect(&window, &CVorlintView::relayCycleRemembered, this, &CFrequencyDlg::ShowRelay);
    m_watch.setInterval(kWatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &CFrequencyDlg::RefreshIfChanged);
    m_watch.start();
    Refresh();
}

void CFrequencyDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    m_pPlot = new CBodePlot(this);
    layout->addWidget(m_pPlot, 1);

    auto* lower = new QHBoxLayout;
    m_pTable = new QTableWidget(static_cast<int>(std::size(kRows)), ColumnCount, this);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    // Read-only figures: no cell to take the focus and look selected.
    m_pTable->setFocusPolicy(Qt::NoFocus);
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    for (int column = 0; column < ColumnCount; ++column) {
        auto* heading = new QTableWidgetItem(translated(kHeadings[column][0]));
        heading->setToolTip(translated(kHeadings[column][1]));
        m_pTable->setHorizontalHeaderItem(column, heading);
    }
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            if (column != FigureColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pTable->setItem(row, column, item);
        }
        m_pTable->item(row, FigureColumn)->setText(translated(kRows[row].label));
        m_pTable->item(row, FigureColumn)->setToolTip(translated(kRows[row].tooltip));
    }
    // Every figure in sight, the plot taking what room is left.
    m_pTable->setMinimumHeight(m_pTable->horizontalHeader()->sizeHint().height() +
                               m_pTable->verticalHeader()->length() + 2 * m_pTable->frameWidth());
    m_pReasons = new QLabel(this);
    m_pReasons->setWordWrap(true);
    m_pReasons->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pReasons->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lower->addWidget(m_pTable, 3);
    lower->addWidget(m_pReasons, 2);
    layout->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    m_pExportPicture = new QPushButton(tr("Exportar gráfico..."), this);
    m_pExportPicture->setToolTip(
        tr("Salva o diagrama de Bode como imagem PNG, desenho SVG ou documento PDF."));
    m_pExportData = new QPushButton(tr("Exportar dados..."), this);
    m_pExportData->setToolTip(tr("Salva as curvas em CSV: w_rad_s, plant_mag_db, plant_phase_deg, "
                                 "loop_mag_db, loop_phase_deg."));
    auto* close = new QPushButton(tr("Fechar"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {m_pExportPicture, m_pExportData})
        button->setAutoDefault(false);
    buttons->addWidget(m_pExportPicture);
    buttons->addWidget(m_pExportData);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

QString CFrequencyDlg::FigureText(std::size_t field, double value) {
    return FormatSignificant(value, kRows[field].digits, kRows[field].unit);
}

QByteArray CFrequencyDlg::CurvesCsv() const {
    return QByteArray::fromStdString(BodeCsv(m_analysis.bode));
}

void CFrequencyDlg::RefreshIfChanged() {
    if (m_pWindow != nullptr &&
        (settingsSnapshot(SettingSource(*m_pWindow, m_pWindow), IsLoopSetting) != m_shownSettings ||
         m_pWindow->PlantHidden() != m_bShownPlantHidden))
        Refresh();
}

void CFrequencyDlg::Refresh() {
    if (m_pWindow == nullptr)
        return;
    const CVorlintView& window = *m_pWindow;
    m_shownSettings = settingsSnapshot(SettingSource(window, &window), IsLoopSetting);
    m_bShownPlantHidden = window.PlantHidden();
    m_analysis = FrequencyAnalysis();
    if (!m_bShownPlantHidden) {
        FrequencyRequest request;
        request.operatingPoint = TuningSetPoint(window.m_dSetPoint);
        m_analysis = AnalyzeFrequency(SetupOf(window), {window.m_dKp, window.m_dKi, window.m_dKd}, request);
    }
    m_pPlot->ShowAnalysis(m_analysis);
    for (QPushButton* button : {m_pExportPicture, m_pExportData})
        button->setEnabled(!m_bShownPlantHidden);
    if (m_bShownPlantHidden)
        ShowPlantHidden();
    else
        ShowFigures();
    ShowRelay();
}

void CFrequencyDlg::ShowFigures() {
    // Each reason once, after the names of the figures it explains.
    std::vector<std::pair<const char*, QStringList>> reasons;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const double value = m_analysis.figures.*kFrequencyFigureFields[i].value;
        const char* why = std::isnan(value) ? WhyMissing(m_analysis, kRows[i]) : nullptr;
        QTableWidgetItem* item = m_pTable->item(static_cast<int>(i), AnalyticColumn);
        item->setText(FigureText(i, value));
        item->setToolTip(why != nullptr ? QCoreApplication::translate("FrequencyLab", why)
                                        : translated(kRows[i].tooltip));
        if (why == nullptr)
            continue;
        const auto same = std::find_if(reasons.begin(), reasons.end(),
                                       [why](const auto& reason) { return reason.first == why; });
        const QString name = translated(kRows[i].label);
        if (same == reasons.end())
            reasons.push_back({why, {name}});
        else
            same->second.append(name);
    }
    QStringList lines;
    for (const auto& [why, names] : reasons)
        lines.append(names.join(QStringLiteral(", ")) + QStringLiteral(": ") +
                     QCoreApplication::translate("FrequencyLab", why));
    m_pReasons->setText(lines.join(QStringLiteral("\n\n")));
    m_pTable->resizeColumnsToContents();
}

void CFrequencyDlg::ShowPlantHidden() {
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        QTableWidgetItem* item = m_pTable->item(row, AnalyticColumn);
        item->setText(PlantHiddenText());
        item->setToolTip(QString());
    }
    m_pReasons->setText(tr("A planta está oculta neste exercício: o modelo linear e o diagrama de Bode a "
                           "revelariam. A coluna Relé mostra o que o seu experimento de relé mediu."));
    m_pTable->resizeColumnsToContents();
}

void CFrequencyDlg::ShowRelay() {
    if (m_pWindow == nullptr)
        return;
    const std::optional<UltimateCycle> relay = m_pWindow->RelayCycle();
    const std::pair<int, double> relayValues[] = {{RowOf("ku"), relay ? relay->ku : 0.0},
                                                  {RowOf("tu"), relay ? relay->tu : 0.0}};
    for (const auto& [row, relayValue] : relayValues) {
        const QString relayText = relay ? FigureText(static_cast<std::size_t>(row), relayValue) : QString();
        // The difference would give the hidden analytic figure back.
        QString differenceText;
        if (relay && !m_bShownPlantHidden) {
            const double analytic = m_analysis.figures.*kFrequencyFigureFields[row].value;
            differenceText = FormatReading((relayValue - analytic) / analytic * 100.0, 1, " %");
        }
        m_pTable->item(row, RelayColumn)->setText(relayText);
        m_pTable->item(row, DifferenceColumn)->setText(differenceText);
    }
    m_pTable->resizeColumnsToContents();
}

#include "StepResponseDock.h"

#include "ReadingText.h"

#include <QGridLayout>
#include <QLabel>

namespace {

/// How a figure is shown: its name, decimals and unit, and what it measures.
struct FigureRow {
    const char* label;
    int decimals;
    const char* unit;
    const char* tooltip;
};

/// In the order of kStepResponseFigureFields.
const FigureRow kRows[] = {
    {"Início (passo)", 0, "",
     "O passo em que a resposta começou: o primeiro passo da execução ou o primeiro com um set point novo."},
    {"Point inicial", 1, "", "O point antes do degrau (y0)."},
    {"Set point", 1, "", "O set point depois do degrau (r)."},
    {"Tempo de subida", 3, " s",
     "Quanto o point levou para ir de 10 % a 90 % do degrau, em segundos simulados; indefinido até chegar "
     "aos 90 %."},
    {"Sobressinal", 1, " %", "Quanto o point passou do set point no pico, em percentagem do degrau."},
    {"Pico", 1, "", "O point no maior afastamento na direção do degrau (o primeiro, se houver vários)."},
    {"Tempo de pico", 3, " s", "Do início do degrau até o pico, em segundos simulados."},
    {"Tempo de acomodação", 3, " s",
     "Do início do degrau até a última amostra fora da faixa de ±2 % do degrau em volta do set point; "
     "indefinido enquanto o point está fora dela."},
    {"Erro atual", 1, "", "O erro (set point − point) da amostra mais nova."},
    {"IAE", 1, "", "Integral do erro absoluto, Σ |e|·dt, desde o degrau (unidades do point × s)."},
    {"ISE", 1, "", "Integral do erro ao quadrado, Σ e²·dt, desde o degrau (unidades do point² × s)."},
    {"ITAE", 1, "",
     "Integral do tempo vezes o erro absoluto, Σ t·|e|·dt, desde o degrau: pesa os erros que demoram "
     "(unidades do point × s²)."},
};
static_assert(std::size(kRows) == kStepResponseFigureFields.size(), "one row per figure");

} // namespace

CStepResponseDock::CStepResponseDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Resposta ao degrau"), parent) {
    setObjectName(QStringLiteral("stepResponseDock"));
    setToolTip(QStringLiteral("A resposta ao último degrau do set point na janela ativa. Sem degrau "
                              "(set point igual ao point) só o erro e as integrais são definidos."));
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const FigureRow& row = kRows[i];
        auto* name = new QLabel(QString::fromUtf8(row.label), content);
        auto* value = new QLabel(content);
        value->setObjectName(QString::fromLatin1(kStepResponseFigureFields[i].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        for (QLabel* label : {name, value})
            label->setToolTip(QString::fromUtf8(row.tooltip));
        grid->addWidget(name, static_cast<int>(i), 0);
        grid->addWidget(value, static_cast<int>(i), 1);
        m_values[i] = value;
    }
    grid->setRowStretch(static_cast<int>(std::size(kRows)), 1);
    setWidget(content);
    ShowFigures(StepResponseFigures());
}

void CStepResponseDock::ShowFigures(const StepResponseFigures& figures) {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const double value = figures.*kStepResponseFigureFields[i].value;
        m_values[i]->setText(FormatReading(value, kRows[i].decimals, kRows[i].unit));
    }
}

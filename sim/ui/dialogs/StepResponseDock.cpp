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
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Início (passo)"), 0, "",
     QT_TRANSLATE_NOOP("CStepResponseDock", "O passo em que a resposta começou: o primeiro passo da execução "
                                            "ou o primeiro com um set point novo.")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Point inicial"), 1, "",
     QT_TRANSLATE_NOOP("CStepResponseDock", "O point antes do degrau (y0).")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Set point"), 1, "",
     QT_TRANSLATE_NOOP("CStepResponseDock", "O set point depois do degrau (r).")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Tempo de subida"), 3, " s",
     QT_TRANSLATE_NOOP("CStepResponseDock", "Quanto o point levou para ir de 10 % a 90 % do degrau, em "
                                            "segundos simulados; indefinido até chegar "
                                            "aos 90 %.")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Sobressinal"), 1, " %",
     QT_TRANSLATE_NOOP("CStepResponseDock",
                       "Quanto o point passou do set point no pico, em percentagem do degrau.")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Pico"), 1, "",
     QT_TRANSLATE_NOOP("CStepResponseDock",
                       "O point no maior afastamento na direção do degrau (o primeiro, se houver vários).")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Tempo de pico"), 3, " s",
     QT_TRANSLATE_NOOP("CStepResponseDock", "Do início do degrau até o pico, em segundos simulados.")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Tempo de acomodação"), 3, " s",
     QT_TRANSLATE_NOOP(
         "CStepResponseDock",
         "Do início do degrau até a última amostra fora da faixa de ±2 % do degrau em volta do set point; "
         "indefinido enquanto o point está fora dela.")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Erro atual"), 1, "",
     QT_TRANSLATE_NOOP("CStepResponseDock", "O erro (set point − point) da amostra mais nova.")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "IAE"), 1, "",
     QT_TRANSLATE_NOOP("CStepResponseDock",
                       "Integral do erro absoluto, Σ |e|·dt, desde o degrau (unidades do point × s).")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "ISE"), 1, "",
     QT_TRANSLATE_NOOP("CStepResponseDock",
                       "Integral do erro ao quadrado, Σ e²·dt, desde o degrau (unidades do point² × s).")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "ITAE"), 1, "",
     QT_TRANSLATE_NOOP(
         "CStepResponseDock",
         "Integral do tempo vezes o erro absoluto, Σ t·|e|·dt, desde o degrau: pesa os erros que demoram "
         "(unidades do point × s²).")},
    {QT_TRANSLATE_NOOP("CStepResponseDock", "Tempo saturado"), 3, " s",
     QT_TRANSLATE_NOOP("CStepResponseDock", "Quanto tempo a potência ficou exatamente em 0 ou em 100 desde o "
                                            "degrau, em segundos simulados.")},
};
static_assert(std::size(kRows) == kStepResponseFigureFields.size(), "one row per figure");

} // namespace

CStepResponseDock::CStepResponseDock(QWidget* parent) : QDockWidget(tr("Resposta ao degrau"), parent) {
    setObjectName(QStringLiteral("stepResponseDock"));
    setToolTip(tr("A resposta ao último degrau do set point na janela ativa. Sem degrau "
                  "(set point igual ao point) só o erro e as integrais são definidos."));
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    m_pRampNotice = new QLabel(tr("O set point ainda estava mudando"), content);
    m_pRampNotice->setWordWrap(true);
    m_pRampNotice->setToolTip(
        tr("Esta resposta começou a menos de 10 passos da mudança anterior do set point, "
           "como quando se arrasta a barra: é uma rampa, e as medidas de um degrau "
           "não valem para ela. Use Simulação > Degrau de set point... para um degrau "
           "de uma só vez."));
    grid->addWidget(m_pRampNotice, 0, 0, 1, 2);
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const FigureRow& row = kRows[i];
        auto* name = new QLabel(tr(row.label), content);
        auto* value = new QLabel(content);
        value->setObjectName(QString::fromLatin1(kStepResponseFigureFields[i].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        for (QLabel* label : {name, value})
            label->setToolTip(tr(row.tooltip));
        grid->addWidget(name, static_cast<int>(i) + 1, 0);
        grid->addWidget(value, static_cast<int>(i) + 1, 1);
        m_values[i] = value;
    }
    grid->setRowStretch(static_cast<int>(std::size(kRows)) + 1, 1);
    setWidget(content);
    ShowFigures(StepResponseFigures());
}

void CStepResponseDock::ShowFigures(const StepResponseFigures& figures, bool stillChanging) {
    m_pRampNotice->setVisible(stillChanging);
    const StepResponseFigures shown = stillChanging ? StepResponseFigures() : figures;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const double value = shown.*kStepResponseFigureFields[i].value;
        m_values[i]->setText(FormatReading(value, kRows[i].decimals, kRows[i].unit));
    }
}

#include "StepResponseFigureRows.h"

#include <QCoreApplication>

// The translations keep the step-response dock's context, where these rows began.
const std::array<StepResponseFigureRow, kStepResponseFigureFields.size()> kStepResponseFigureRows = {{
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
}};

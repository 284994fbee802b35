#include "TuningModelText.h"

#include "ReadingText.h"

#include <QCoreApplication>

QString TuningModelText(const TuningResult& result) {
    if (result.cycle) {
        const QString cycle =
            QCoreApplication::translate("CTuningDlg",
                                        "Ciclo último: Ku = %1 (potência por unidade do point), Tu = %2")
                .arg(FormatSignificant(result.cycle->ku, 4), FormatSignificant(result.cycle->tu, 4, " s"));
        if (!result.samplingLimited)
            return cycle;
        return cycle + QLatin1Char('\n') +
               QCoreApplication::translate(
                   "CTuningDlg",
                   "Atenção: Tu dura menos de %1 passos simulados; a oscilação vem da amostragem, não da "
                   "planta.")
                   .arg(static_cast<int>(kMinStepsPerUltimatePeriod));
    }
    if (result.model) {
        const QString model =
            QCoreApplication::translate(
                "CTuningDlg",
                "Primeira ordem com tempo morto: K = %1 (point por unidade de potência), τ = %2, θ = %3")
                .arg(FormatSignificant(result.model->k, 4), FormatSignificant(result.model->tau, 4, " s"),
                     FormatSignificant(result.model->theta, 4, " s"));
        if (!result.model->FitFoundNegativeDeadTime())
            return model;
        return model + QLatin1Char('\n') +
               QCoreApplication::translate(
                   "CTuningDlg", "Atenção: o ajuste achou um tempo morto negativo (θ = %1), tomado como "
                                 "0; por isso estas regras não se aplicam: %2.")
                   .arg(FormatSignificant(result.model->fittedTheta, 4, " s"),
                        QString::fromStdString(result.RulesThatDoNotApply()));
    }
    return QString();
}

#include "PrintHeader.h"

#include "PanelText.h"
#include "VorlintView.h"

#include <QDateTime>

namespace {

QString ModeName(const CVorlintView& view) {
    if (view.m_bPid)
        return QStringLiteral("PID");
    return view.m_bOnOff ? QStringLiteral("Lig/Des") : QStringLiteral("Manual");
}

} // namespace

QStringList PrintHeaderLines(const CVorlintView& view, const QString& title, const QDateTime& printedAt) {
    return {
        title,
        QStringLiteral("Fórmula: ") + QString::fromStdString(view.m_strFormula),
        QStringLiteral("Modo: %1    Kp %2    Ki %3    Kd %4")
            .arg(ModeName(view), formatPanelNumber(view.m_dKp, kGainFormat),
                 formatPanelNumber(view.m_dKi, kGainFormat), formatPanelNumber(view.m_dKd, kGainFormat)),
        QStringLiteral("Impresso em ") + printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")),
    };
}

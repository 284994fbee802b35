#include "PrintHeader.h"

#include "PanelText.h"
#include "SettingsTable.h"
#include "VorlintView.h"

#include <QCoreApplication>
#include <QDateTime>

QStringList PrintHeaderLines(const CVorlintView& view, const QString& title, const QDateTime& printedAt) {
    return {
        title,
        QCoreApplication::translate("PrintHeader", "Fórmula: %1")
            .arg(QString::fromStdString(view.m_strFormula)),
        QCoreApplication::translate("PrintHeader", "Modo: %1    Kp %2    Ki %3    Kd %4")
            .arg(QCoreApplication::translate("Setting", controlModeLabel(view)), formatPanelNumber(view.m_dKp, kGainFormat),
                 formatPanelNumber(view.m_dKi, kGainFormat), formatPanelNumber(view.m_dKd, kGainFormat)),
        QCoreApplication::translate("PrintHeader", "Impresso em %1")
            .arg(printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm"))),
    };
}

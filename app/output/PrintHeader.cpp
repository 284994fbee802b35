#include "PrintHeader.h"

#include "PanelText.h"
#include "PlantHiddenText.h"
#include "SettingsTable.h"
#include "SetupText.h"
#include "VorlintView.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextLayout>

namespace {

const QString kBetweenEntries = QStringLiteral("   ");

/// The set point, the manual power and the two step times on one line, then a line for each group of
/// the plant-and-controller dialog.
QStringList SetupLines(const SettingSource& window, bool plantHidden) {
    QStringList first;
    for (SettingGroup group :
         {SettingGroup::SetPoint, SettingGroup::Controller, SettingGroup::Plant, SettingGroup::Window})
        first += SetupEntries(window, group, plantHidden);
    const struct {
        const char* name;
        SettingGroup group;
    } groups[] = {{QT_TRANSLATE_NOOP("PrintHeader", "Planta:"), SettingGroup::Dynamics},
                  {QT_TRANSLATE_NOOP("PrintHeader", "Controlador:"), SettingGroup::Options},
                  {QT_TRANSLATE_NOOP("PrintHeader", "Sensor e atuador:"), SettingGroup::Sensor}};
    QStringList lines{first.join(kBetweenEntries)};
    for (const auto& group : groups)
        lines.append(QCoreApplication::translate("PrintHeader", group.name) + kBetweenEntries +
                     SetupEntries(window, group.group, plantHidden).join(kBetweenEntries));
    return lines;
}

} // namespace

QStringList WindowSetupLines(const SettingSource& window, bool plantHidden) {
    const CSimulation& simulation = window.simulation;
    return QStringList{
               QCoreApplication::translate("PrintHeader", "Fórmula: %1")
                   .arg(plantHidden ? PlantHiddenText() : QString::fromStdString(simulation.m_strFormula)),
               QCoreApplication::translate("PrintHeader", "Modo: %1    Kp %2    Ki %3    Kd %4")
                   .arg(QCoreApplication::translate("Setting", controlModeLabel(simulation)),
                        formatPanelNumber(simulation.m_dKp, kGainFormat),
                        formatPanelNumber(simulation.m_dKi, kGainFormat),
                        formatPanelNumber(simulation.m_dKd, kGainFormat)),
           } +
           SetupLines(window, plantHidden);
}

QStringList WindowSetupLines(const CVorlintView& view) {
    return WindowSetupLines(SettingSource(view, &view), view.PlantHidden());
}

QStringList PrintHeaderLines(const CVorlintView& view, const QString& title, const QDateTime& printedAt) {
    return QStringList{title} + WindowSetupLines(view) +
           QStringList{QCoreApplication::translate("PrintHeader", "Impresso em %1").arg(DateText(printedAt))};
}

QString DateText(const QDateTime& when) {
    // Each language's own order: day first in Portuguese, ISO 8601 in English.
    return when.toString(QCoreApplication::translate("PrintHeader", "dd/MM/yyyy HH:mm"));
}

QStringList WrapHeaderLine(const QString& line, const QFont& font, double width, QPaintDevice* device) {
    QTextLayout layout(line, font, device);
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine piece = layout.createLine(); piece.isValid(); piece = layout.createLine()) {
        piece.setLineWidth(width);
        lines.append(line.mid(piece.textStart(), piece.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

#include "ChartStyleSettings.h"

#include <QSettings>

namespace {

const char* const kHighContrastKey = "Settings/HighContrastColors";
const char* const kScaleKey = "Settings/ChartScale";
const char* const kSetPointOverTimeKey = "Settings/SetPointOverTime";

} // namespace

ChartStyle ReadChartStyle() {
    const QSettings settings;
    ChartStyle style;
    style.palette = settings.value(QLatin1String(kHighContrastKey), false).toBool()
                        ? ChartPalette::HighContrast
                        : ChartPalette::Standard;
    style.showScale = settings.value(QLatin1String(kScaleKey), false).toBool();
    style.setPointOverTime = settings.value(QLatin1String(kSetPointOverTimeKey), false).toBool();
    return style;
}

void WriteChartStyle(const ChartStyle& style) {
    QSettings settings;
    settings.setValue(QLatin1String(kHighContrastKey), style.palette == ChartPalette::HighContrast);
    settings.setValue(QLatin1String(kScaleKey), style.showScale);
    settings.setValue(QLatin1String(kSetPointOverTimeKey), style.setPointOverTime);
}

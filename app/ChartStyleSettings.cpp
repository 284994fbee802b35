#include "ChartStyleSettings.h"

#include <QSettings>

namespace {

const char* const kHighContrastKey = "Settings/HighContrastColors";
const char* const kScaleKey = "Settings/ChartScale";

} // namespace

ChartStyle ReadChartStyle() {
    const QSettings settings;
    ChartStyle style;
    style.palette = settings.value(QLatin1String(kHighContrastKey), false).toBool()
                        ? ChartPalette::HighContrast
                        : ChartPalette::Standard;
    style.showScale = settings.value(QLatin1String(kScaleKey), false).toBool();
    return style;
}

void WriteChartStyle(const ChartStyle& style) {
    QSettings settings;
    settings.setValue(QLatin1String(kHighContrastKey), style.palette == ChartPalette::HighContrast);
    settings.setValue(QLatin1String(kScaleKey), style.showScale);
}

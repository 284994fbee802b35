#pragma once

#include "ChartGeometry.h"
#include "ChartPens.h"
#include "Sample.h"
#include "WindowState.h"

#include <QCoreApplication>
#include <QString>

#include <array>

/// One series of the chart: its legend text, the flag that shows it (none for the set point and the
/// point, always shown), the sample's value, its scale, its pen, and whether the legend names it
/// while it is hidden.
struct ChartSeries {
    const char* name;
    const bool CWindowState::*shown;
    double Sample::*value;
    ChartGeometry::Scale scale;
    const QPen ChartPens::*pen;
    bool inLegendWhenHidden = true;

    bool isShownIn(const CWindowState& window) const { return shown == nullptr || window.*shown; }
    bool isInLegendOf(const CWindowState& window) const { return inLegendWhenHidden || isShownIn(window); }
    /// The legend text in the interface's language.
    QString displayName() const { return QCoreApplication::translate("ChartSeries", name); }
};

/// Every series in the legend's order, the set point first.
extern const std::array<ChartSeries, 8> kChartSeries;
/// The traces in drawing order, later ones covering earlier ones where they cross: every series but
/// the set point, which is drawn as one line across the chart.
extern const std::array<const ChartSeries*, 7> kTraceOrder;

#include "ChartSeries.h"

namespace {
using Scale = ChartGeometry::Scale;
} // namespace

const std::array<ChartSeries, 8> kChartSeries = {{
    {QT_TRANSLATE_NOOP("ChartSeries", "SetPoint"), nullptr, &Sample::setPoint, Scale::Absolute,
     &ChartPens::setPoint},
    {QT_TRANSLATE_NOOP("ChartSeries", "Point"), nullptr, &Sample::point, Scale::Absolute, &ChartPens::point},
    {QT_TRANSLATE_NOOP("ChartSeries", "Proporcional"), &CWindowState::m_bShowProportional,
     &Sample::proportional, Scale::Term, &ChartPens::proportional},
    {QT_TRANSLATE_NOOP("ChartSeries", "Integral"), &CWindowState::m_bShowIntegral, &Sample::integral,
     Scale::Term, &ChartPens::integral},
    {QT_TRANSLATE_NOOP("ChartSeries", "Diferencial"), &CWindowState::m_bShowDerivative, &Sample::derivative,
     Scale::Term, &ChartPens::derivative},
    {QT_TRANSLATE_NOOP("ChartSeries", "Erro"), &CWindowState::m_bShowError, &Sample::error, Scale::Term,
     &ChartPens::error},
    {QT_TRANSLATE_NOOP("ChartSeries", "Potência"), &CWindowState::m_bShowPower, &Sample::power, Scale::Power,
     &ChartPens::power},
    // Only a run that measures apart has a measurement worth a line of the legend.
    {QT_TRANSLATE_NOOP("ChartSeries", "Medição"), &CWindowState::m_bShowMeasurement, &Sample::measurement,
     Scale::Absolute, &ChartPens::measurement, false},
}};

// The measurement goes under the point, so that the true point stays readable through the noise.
const std::array<const ChartSeries*, 7> kTraceOrder = {
    &kChartSeries[6], &kChartSeries[5], &kChartSeries[4], &kChartSeries[2],
    &kChartSeries[3], &kChartSeries[7], &kChartSeries[1],
};

#pragma once

#include "ChartStyle.h"

/// The chart style the user chose in the View menu, as the program's settings keep it between runs
/// (every option off until chosen).
ChartStyle ReadChartStyle();
void WriteChartStyle(const ChartStyle& style);

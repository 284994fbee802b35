#pragma once

/// The colours of the chart's series, legend and lines.
enum class ChartPalette {
    Standard,     ///< the chart's own pens
    HighContrast, ///< colours that colour-blind students tell apart and that read on white
};

/// How a chart is drawn beyond what its window shows. Every painter of the chart (the screen, an
/// export, a print) takes it, so that they all draw alike.
struct ChartStyle {
    ChartPalette palette = ChartPalette::Standard;
    bool showScale = false; ///< label the time axis and the value scales, over the unchanged picture
    /// Draw the set point each column's sample had, rather than the newest one across the width.
    bool setPointOverTime = false;
};

#pragma once

/// Whether CTraceRaster draws exactly what this build's raster engine draws with the chart's trace
/// pens. It is checked once, on traces of every slope drawn both ways; when it does not, the chart
/// leaves every segment to the engine, so that the picture never depends on the shortcut.
bool TraceRasterMatchesEngine();

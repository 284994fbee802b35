#pragma once

class QPainter;
class SampleHistory;
struct ChartGeometry;

/// Labels the chart's scales in grey over its picture, moving nothing of it: the point's scale (0 to
/// 3000) on the left, the power's (0 to 100) on the right, and along the bottom the simulated time of
/// the run, each label under the first sample taken at or after its time.
void DrawChartScale(QPainter& painter, const ChartGeometry& geometry, const SampleHistory& history);

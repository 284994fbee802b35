#pragma once

#include <vector>

/// The tick values of an axis from `low` to `high`: the multiples of the least step of 1, 2 or 5 times a
/// power of ten that gives at most `most` steps over the span, inside it. None for an empty or unbounded
/// span.
std::vector<double> PlotTicks(double low, double high, int most);

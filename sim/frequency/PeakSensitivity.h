#pragma once

#include "FrequencyCurve.h"

/// The peak of 1/|1 + L| below the Nyquist frequency: the grid's largest, refined by golden-section
/// search on the grid interval either side of it (clamped to the grid's ends) until the bracket is below
/// 1e-12·θ. The larger of the refined and the grid value, so that the refinement never lowers it.
double PeakSensitivity(const Transfer& loop, const FrequencyCurve& curve);

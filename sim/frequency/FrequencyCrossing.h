#pragma once

#include "FrequencyCurve.h"

#include <optional>

/// Where a curve crosses a line, refined between two grid points; its phase continuous with the curve's.
using FrequencyCrossing = TransferPoint;

/// The first grid interval where |value| goes from above 1 to at most 1, refined by bisection on θ to
/// 1e-9 relative; none when the gain never comes down through 1 below the Nyquist frequency.
std::optional<FrequencyCrossing> GainCrossing(const Transfer& transfer, const FrequencyCurve& curve);
/// The first grid interval where the phase goes from −180° or above to strictly below −180°, refined
/// the same way; none when the phase never falls below −180° below the Nyquist frequency (reaching it
/// exactly there, as a first-order plant does, is no crossing).
std::optional<FrequencyCrossing> PhaseCrossing(const Transfer& transfer, const FrequencyCurve& curve);

/// Whether the curve ends at exactly −180° at the Nyquist frequency.
bool EndsAtHalfTurn(const FrequencyCurve& curve);

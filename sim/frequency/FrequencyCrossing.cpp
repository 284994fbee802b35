#include "FrequencyCrossing.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr double kRelativeTolerance = 1e-9;

/// Whether the curve is past the line at this point: its gain at most 1, or its phase below −180°.
using PastLine = bool (*)(std::complex<double> value, double phaseDeg);

bool gainAtMostOne(std::complex<double> value, double) {
    return std::abs(value) <= 1.0;
}

bool phaseBelowHalfTurn(std::complex<double>, double phaseDeg) {
    return phaseDeg < -180.0;
}

/// Bisects [low, high], where the curve is short of the line at low and past it at high, down to
/// kRelativeTolerance of θ; the phase is followed from the grid point at low.
FrequencyCrossing bisect(const Transfer& transfer, PastLine past, const TransferPoint& lowPoint,
                         double high) {
    double low = lowPoint.theta;
    while (high - low > kRelativeTolerance * high) {
        const double middle = 0.5 * (low + high);
        const FrequencyCrossing point = PointNear(transfer, middle, lowPoint);
        if (past(point.value, point.phaseDeg)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return PointNear(transfer, 0.5 * (low + high), lowPoint);
}

std::optional<FrequencyCrossing> firstCrossing(const Transfer& transfer, const FrequencyCurve& curve,
                                               PastLine past) {
    for (std::size_t i = 0; i + 1 < curve.theta.size(); ++i) {
        if (!past(curve.value[i], curve.phaseDeg[i]) && past(curve.value[i + 1], curve.phaseDeg[i + 1])) {
            const TransferPoint low{curve.theta[i], curve.value[i], curve.phaseDeg[i]};
            return bisect(transfer, past, low, curve.theta[i + 1]);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<FrequencyCrossing> GainCrossing(const Transfer& transfer, const FrequencyCurve& curve) {
    return firstCrossing(transfer, curve, gainAtMostOne);
}

std::optional<FrequencyCrossing> PhaseCrossing(const Transfer& transfer, const FrequencyCurve& curve) {
    return firstCrossing(transfer, curve, phaseBelowHalfTurn);
}

bool EndsAtHalfTurn(const FrequencyCurve& curve) {
    return !curve.phaseDeg.empty() && curve.phaseDeg.back() == -180.0;
}

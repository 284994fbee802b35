#include "PeakSensitivity.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kRelativeBracket = 1e-12;
/// (√5 − 1)/2: the golden section's inner points sit at this fraction of the bracket from either end.
constexpr double kGoldenFraction = 0.61803398874989484820;

double sensitivity(std::complex<double> loopValue) {
    return 1.0 / std::abs(1.0 + loopValue);
}

std::size_t gridPeak(const FrequencyCurve& curve) {
    std::size_t peak = 0;
    for (std::size_t i = 1; i < curve.value.size(); ++i) {
        if (sensitivity(curve.value[i]) > sensitivity(curve.value[peak])) {
            peak = i;
        }
    }
    return peak;
}

/// The largest value of `f` found by golden-section search on [low, high].
template <typename F> double goldenSectionMaximum(F f, double low, double high) {
    double inner = high - kGoldenFraction * (high - low);
    double outer = low + kGoldenFraction * (high - low);
    double atInner = f(inner);
    double atOuter = f(outer);
    while (high - low > kRelativeBracket * high) {
        if (atInner >= atOuter) {
            high = outer;
            outer = inner;
            atOuter = atInner;
            inner = high - kGoldenFraction * (high - low);
            atInner = f(inner);
        } else {
            low = inner;
            inner = outer;
            atInner = atOuter;
            outer = low + kGoldenFraction * (high - low);
            atOuter = f(outer);
        }
    }
    return std::max(atInner, atOuter);
}

} // namespace

double PeakSensitivity(const Transfer& loop, const FrequencyCurve& curve) {
    const std::size_t peak = gridPeak(curve);
    const double gridValue = sensitivity(curve.value[peak]);
    const double low = curve.theta[peak == 0 ? 0 : peak - 1];
    const double high = curve.theta[std::min(peak + 1, curve.theta.size() - 1)];
    const double refined =
        goldenSectionMaximum([&](double theta) { return sensitivity(loop.ValueAt(theta)); }, low, high);
    return std::max(gridValue, refined);
}

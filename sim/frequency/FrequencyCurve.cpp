#include "FrequencyCurve.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDecades = 4.0;

/// NaN for 0, which has no phase (a loop without gains): its sign of zero would pick 0° or ±180°.
double principalPhaseDeg(std::complex<double> value) {
    if (value == 0.0) {
        return std::nan("");
    }
    // arg / π · 180 keeps a real negative value at exactly 180°, which π · (180/π) would not.
    return std::arg(value) / kPi * 180.0;
}

} // namespace

std::vector<double> FrequencyGrid(std::size_t count) {
    std::vector<double> grid(count);
    const double last = static_cast<double>(count - 1);
    for (std::size_t i = 0; i < count; ++i) {
        grid[i] = kPi * std::pow(10.0, kDecades * (static_cast<double>(i) / last - 1.0));
    }
    return grid;
}

FrequencyCurve CurveOf(const Transfer& transfer, const std::vector<double>& grid) {
    FrequencyCurve curve;
    curve.theta = grid;
    curve.value.reserve(grid.size());
    curve.phaseDeg.reserve(grid.size());
    double reference = std::nan(""); // the phase of the nearest point below that has one
    for (const double theta : grid) {
        const std::complex<double> value = transfer(theta);
        const double phase = std::isnan(reference) ? principalPhaseDeg(value) : PhaseNear(value, reference);
        curve.value.push_back(value);
        curve.phaseDeg.push_back(phase);
        if (!std::isnan(phase)) {
            reference = phase;
        }
    }
    return curve;
}

double PhaseNear(std::complex<double> value, double referenceDeg) {
    const double phase = principalPhaseDeg(value);
    return phase + 360.0 * std::round((referenceDeg - phase) / 360.0);
}

double MagnitudeDb(std::complex<double> value) {
    return 20.0 * std::log10(std::abs(value));
}

#include "FrequencyCurve.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDecades = 4.0;
/// The delay's phase at the grid's lowest frequency, in radians, at most.
constexpr double kLowestDelayPhase = 0.01;

/// NaN for 0, which has no phase (a loop without gains): its sign of zero would pick 0° or ±180°.
double principalPhaseDeg(std::complex<double> value) {
    if (value == 0.0) {
        return std::nan("");
    }
    // arg / π · 180 keeps a real negative value at exactly 180°, which π · (180/π) would not.
    return std::arg(value) / kPi * 180.0;
}

} // namespace

std::complex<double> Transfer::Delay(double theta) const {
    if (theta == kPi) {
        return std::fmod(delaySteps, 2.0) == 0.0 ? 1.0 : -1.0;
    }
    return std::polar(1.0, -delaySteps * theta);
}

double Transfer::DelayPhaseDeg(double theta) const {
    // θ / π · 180 keeps the Nyquist frequency's phase a whole number of half turns.
    return -delaySteps * (theta / kPi * 180.0);
}

std::vector<double> FrequencyGrid(std::size_t count, double lowestFraction) {
    std::vector<double> grid(count);
    const double decades = -std::log10(lowestFraction);
    const double last = static_cast<double>(count - 1);
    for (std::size_t i = 0; i < count; ++i) {
        grid[i] = kPi * std::pow(10.0, decades * (static_cast<double>(i) / last - 1.0));
    }
    return grid;
}

double LowestGridFraction(double delaySteps) {
    return std::min(std::pow(10.0, -kDecades), kLowestDelayPhase / std::max(delaySteps, 1.0));
}

FrequencyCurve CurveOf(const Transfer& transfer, const std::vector<double>& grid) {
    FrequencyCurve curve;
    curve.theta = grid;
    curve.value.reserve(grid.size());
    curve.phaseDeg.reserve(grid.size());
    TransferPoint reference{0.0, 0.0, std::nan("")}; // the nearest point below that has a phase
    for (const double theta : grid) {
        TransferPoint point;
        if (std::isnan(reference.phaseDeg)) {
            const std::complex<double> rational = transfer.rational(theta);
            point = {theta, rational * transfer.Delay(theta),
                     principalPhaseDeg(rational) + transfer.DelayPhaseDeg(theta)};
        } else {
            point = PointNear(transfer, theta, reference);
        }
        curve.value.push_back(point.value);
        curve.phaseDeg.push_back(point.phaseDeg);
        if (!std::isnan(point.phaseDeg)) {
            reference = point;
        }
    }
    return curve;
}

TransferPoint PointNear(const Transfer& transfer, double theta, const TransferPoint& reference) {
    const std::complex<double> rational = transfer.rational(theta);
    const double rationalReferenceDeg = reference.phaseDeg - transfer.DelayPhaseDeg(reference.theta);
    return {theta, rational * transfer.Delay(theta),
            PhaseNear(rational, rationalReferenceDeg) + transfer.DelayPhaseDeg(theta)};
}

double PhaseNear(std::complex<double> value, double referenceDeg) {
    const double phase = principalPhaseDeg(value);
    return phase + 360.0 * std::round((referenceDeg - phase) / 360.0);
}

double MagnitudeDb(std::complex<double> value) {
    return 20.0 * std::log10(std::abs(value));
}

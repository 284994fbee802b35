#pragma once

#include <complex>
#include <cstddef>
#include <functional>
#include <vector>

/// A transfer function evaluated at z = e^(jθ), θ = ω·dt, as a rational part times a pure delay
/// z^(−delaySteps). The delay's phase, −delaySteps·θ, is known exactly at every frequency, so only the
/// rational part's phase is followed from one frequency to the next: a long delay turns many times
/// between two grid points, where no grid could follow it.
struct Transfer {
    std::function<std::complex<double>(double theta)> rational;
    double delaySteps = 0.0;

    /// The transfer's value at θ.
    std::complex<double> ValueAt(double theta) const { return rational(theta) * Delay(theta); }
    /// The delay's value at θ, exactly ±1 at the Nyquist frequency.
    std::complex<double> Delay(double theta) const;
    /// The delay's phase at θ in degrees.
    double DelayPhaseDeg(double theta) const;
};

/// `count` (2 or more) values of θ from π·lowestFraction to π, the Nyquist frequency, evenly spaced in
/// log θ.
std::vector<double> FrequencyGrid(std::size_t count, double lowestFraction);

/// The grid's lowest fraction of the Nyquist frequency for a transfer with `delaySteps` steps of pure
/// delay: 1e-4, or less so that the grid starts at a hundredth of a radian of the delay's phase.
double LowestGridFraction(double delaySteps);

/// A transfer's values on a grid and its phase in degrees, continuous from the lowest frequency.
struct FrequencyCurve {
    std::vector<double> theta;
    std::vector<std::complex<double>> value;
    std::vector<double> phaseDeg;
};

/// The curve of `transfer` on `grid`. The rational part's first phase is the principal one, in
/// [−180°, 180°]; every other is moved by a multiple of 360° to within 180° of its neighbour below. A
/// rational part of 0 has no phase (NaN), and the next one is moved to within 180° of the last phase there
/// was. The delay's exact phase is added to the rational part's.
FrequencyCurve CurveOf(const Transfer& transfer, const std::vector<double>& grid);

/// A transfer's value and phase at one frequency.
struct TransferPoint {
    double theta = 0.0;
    std::complex<double> value;
    double phaseDeg = 0.0;
};

/// The transfer at θ, its phase continuous with `reference` (a point whose phase is known): the rational
/// part's on the branch nearest the rational part's phase there, plus the delay's.
TransferPoint PointNear(const Transfer& transfer, double theta, const TransferPoint& reference);

/// The phase of `value` in degrees on the branch nearest `referenceDeg`; NaN for 0.
double PhaseNear(std::complex<double> value, double referenceDeg);

/// 20·log10|value|.
double MagnitudeDb(std::complex<double> value);

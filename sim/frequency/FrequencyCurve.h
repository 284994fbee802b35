#pragma once

#include <complex>
#include <cstddef>
#include <functional>
#include <vector>

/// A transfer function evaluated at z = e^(jθ), θ = ω·dt.
using Transfer = std::function<std::complex<double>(double theta)>;

/// `count` (2 or more) values of θ from π·1e-4 to π, the Nyquist frequency, evenly spaced in log θ.
std::vector<double> FrequencyGrid(std::size_t count);

/// A transfer's values on a grid and its phase in degrees, continuous from the lowest frequency.
struct FrequencyCurve {
    std::vector<double> theta;
    std::vector<std::complex<double>> value;
    std::vector<double> phaseDeg;
};

/// The curve of `transfer` on `grid`. The first phase is the principal one, in [−180°, 180°]; every
/// other is moved by a multiple of 360° to within 180° of its neighbour below. A value of 0 has no
/// phase (NaN), and the next one is moved to within 180° of the last phase there was.
FrequencyCurve CurveOf(const Transfer& transfer, const std::vector<double>& grid);

/// The phase of `value` in degrees on the branch nearest `referenceDeg`; NaN for 0.
double PhaseNear(std::complex<double> value, double referenceDeg);

/// 20·log10|value|.
double MagnitudeDb(std::complex<double> value);

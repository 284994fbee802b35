#pragma once

#include <string>

/// The plant formula linearised where a constant power holds the point: p(k) = a·p(k−1) + b·t(k) for
/// small deviations from p0 and t0.
struct OperatingPoint {
    double p0 = 0.0;
    double t0 = 0.0; ///< the power in [0, 100] with f(p0, t0, dt) = p0
    double a = 0.0;  ///< ∂f/∂p at (p0, t0)
    double b = 0.0;  ///< ∂f/∂t at (p0, t0)
    /// Why there is none (a sentence for the user); null when the fields hold the model.
    const char* failure = nullptr;
};

/// Finds t0 by bisection on [0, 100] (100 halvings, or until the interval is below 1e-12) and a and b by
/// central differences with the steps 1e-4·max(1, |p0|) and 1e-4·max(1, |t0|). The formula is evaluated
/// by the engine with p, t and dt bound, its random generator started afresh for the search. A failure
/// when f(p0, t, dt) − p0 has one sign at both ends, or when the formula gives no number on the way.
OperatingPoint FindOperatingPoint(const std::string& formula, double dt, double p0);

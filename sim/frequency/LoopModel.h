#pragma once

#include "FrequencyCurve.h"
#include "OperatingPoint.h"
#include "PidOptions.h"
#include "SimulationSetup.h"

#include <complex>
#include <cstddef>

/// The linear model of a window's loop as transfer functions of z, evaluated on the unit circle at
/// z = e^(jθ), θ = ω·dt in (0, π]. The load disturbance adds nothing, and neither do the set-point
/// weight and the anti-windup: they act on the set point or on the clamp, not on the loop's small
/// deviations.
struct LoopModel {
    double dt = 0.1;
    double a = 0.0;             ///< the plant's pole: p(k) = a·p(k−1) + b·t(k)
    double b = 0.0;             ///< the plant's gain from t to the point of the same step
    std::size_t delaySteps = 0; ///< the dead time as the step rounds it
    int lagCount = 0;
    double lagAlpha = 1.0; ///< each lag's α = 1 − exp(−dt/τ)
    PidGains gains;
    double derivativeFilterBeta = 1.0; ///< β = dt/(Tf + dt); 1 without a filter

    /// The plant chain from the controller's output u to the point the controller reads next:
    /// z^(−n) · Π lags · b·z/(z − a) · z^(−1), as its rational part Π lags · b·z/(z − a) and its delay
    /// z^(−(n + 1)), the dead time and the step's own.
    Transfer Plant() const;
    /// The controller from the error to u: Kp + (dt/2)·(z + 1)/(z − 1)/Ki + Kd·(z − 1)/(z·dt) through the
    /// derivative filter β·z/(z − (1 − β)).
    std::complex<double> Controller(double theta) const;
    /// The loop C(z)·G(z). The model must outlive both transfers.
    Transfer Loop() const;
    /// Π lags · b·z/(z − a) at θ.
    std::complex<double> PlantRational(double theta) const;
};

/// The model of the loop with `setup`'s dynamics and derivative filter, `gains` and the plant linearised
/// at `point`. `dt` must be above 0.
LoopModel LoopModelOf(const CSimulation& setup, const PidGains& gains, const OperatingPoint& point);

/// e^(jθ), exactly −1 at the Nyquist frequency θ = π: a real loop there must have a phase of exactly a
/// multiple of 180°, or rounding would decide whether a first-order plant crosses −180°.
std::complex<double> UnitCircle(double theta);

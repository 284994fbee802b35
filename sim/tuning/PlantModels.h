#pragma once

/// What a relay experiment finds: the gain that brings the loop to the edge of stability and the period
/// of the oscillation there.
struct UltimateCycle {
    double ku = 0.0; ///< ultimate gain, power per unit of the point
    double tu = 0.0; ///< ultimate period, simulated seconds
};

/// What a step test finds: a first order with dead time, K e^(-θs) / (τs + 1).
struct ProcessModel {
    double k = 0.0;     ///< gain, units of the point per unit of power
    double tau = 0.0;   ///< time constant τ, simulated seconds
    double theta = 0.0; ///< dead time θ, simulated seconds
    /// θ as the fit found it: theta, or below 0 when the response's shape made the fit's dead time
    /// negative and theta is 0 instead.
    double fittedTheta = 0.0;

    bool FitFoundNegativeDeadTime() const { return fittedTheta < 0.0; }
};

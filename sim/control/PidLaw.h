#pragma once

#include "PidOptions.h"
#include "PowerRateLimit.h"

/// What the step knows when the controller runs.
struct PidInput {
    double setPoint = 0.0;
    double point = 0.0;            ///< y, the point before the step
    double error = 0.0;            ///< setPoint - point, as the step's sample records it
    bool hasPreviousError = false; ///< false while the history is empty
    double previousError = 0.0;    ///< the error of the newest sample, whatever mode produced it
    double dt = 0.0;               ///< the simulated step in seconds
};

/// What the actuator did before this step, for a bumpless transfer and the rate limit.
struct PidActuator {
    /// The step before ran in another mode: the integral is set so that the output continues from
    /// `previousPower`, instead of adding this step's increment.
    bool bumplessTransfer = false;
    double previousPower = 0.0; ///< the newest sample's power
    PowerRateLimit rateLimit;   ///< applied after the clamp; back-calculation tracks its result
};

/// The controller's output and the three terms that made it (for the sample and the displays).
struct PidOutput {
    double power = 0.0; ///< clamped to [0, 100]; 0 when the output is not a number
    double proportional = 0.0;
    double integral = 0.0;
    double derivative = 0.0;
};

/// One PID step with its options. The accumulated integral belongs to the caller (the Reset button and a
/// new Ki clear it); the law keeps only what its options need between steps. With every option at its
/// default the result is the plain controller's, bit for bit: the trapezoid integral of the error, the
/// slope (prev - e) / dt, D = -(slope * Kd), output = I + D + P, then the clamp.
class CPidLaw {
public:
    /// Runs the controller; `integral` is the accumulated error integral, updated in place.
    PidOutput Step(const PidInput& in, const PidGains& gains, const PidOptions& options, double& integral,
                   const PidActuator& actuator = {});
    /// To be told the point before every step, after the controller ran, whatever the mode: the
    /// derivative on measurement takes its slope from the point of the step before.
    void RememberPoint(double pointBeforeStep);
    /// A fresh start: no previous point and the filtered derivative at 0.
    void Clear() { *this = CPidLaw(); }

    /// The power range: above 100 gives 100, below 0 gives 0, not a number gives 0.
    static double ClampPower(double output);

private:
    double MeasurementSlope(const PidInput& in) const;
    double Filtered(double derivative, double dt, double filterS);

    double m_dFilteredDerivative = 0.0;
    bool m_bHasPreviousPoint = false;
    double m_dPreviousPoint = 0.0;
};

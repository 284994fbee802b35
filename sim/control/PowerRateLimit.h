#pragma once

/// What the actuator can reach in one step from the power it gave the step before.
struct PowerRateLimit {
    bool active = false; ///< false when off
    /// The newest sample's power, whatever mode produced it; on a run's first step the power held
    /// before it.
    double previousPower = 0.0;
    double rate = 0.0; ///< power units per simulated second
    double dt = 0.0;

    /// `power` moved no further than rate·dt from the previous power.
    double Limit(double power) const;
};

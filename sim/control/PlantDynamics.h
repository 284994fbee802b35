#pragma once

#include "DelayLine.h"
#include "PlantDynamicsSettings.h"

#include <array>
#include <cstddef>

/// The state of the dynamics between the controller's output and the plant formula: the dead time's
/// record of past inputs and the lags' outputs. The settings stay with the caller (they are part of the
/// window's setup); this holds what a run accumulates.
class CPlantDynamics {
public:
    /// The formula's t for a step whose controller output is `u` and simulated length `dt` seconds.
    /// With the default settings that is `u` itself, untouched.
    double Apply(const PlantDynamicsSettings& settings, double u, double dt);
    /// Back to rest: no past inputs (they read as 0) and every lag at 0.
    void Clear();

    /// The dead time in whole steps of `dt`: round(deadTimeS / dt), 0 when dt is 0, capped.
    static std::size_t DelaySteps(double deadTimeS, double dt);

private:
    double ApplyLags(const PlantDynamicsSettings& settings, double in, double dt);

    CDelayLine m_delay;
    std::array<double, PlantDynamicsSettings::kMaxLags> m_lags{};
};

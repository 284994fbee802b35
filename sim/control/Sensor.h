#pragma once

#include "NoiseSource.h"
#include "SensorActuatorSettings.h"

/// What the controller reads of the point: the point, plus the noise, rounded to the resolution.
class CSensor {
public:
    /// Back to the start of the noise sequence of `seed`, as at the initial update.
    void Restart(std::uint64_t seed) { m_noise.Restart(seed); }
    /// The measurement of the point `y` for one step. With noise on it draws at every step, in every
    /// mode, so the sequence never depends on which controller ran.
    double Measure(double y, const SensorActuatorSettings& settings);

private:
    CNoiseSource m_noise;
};

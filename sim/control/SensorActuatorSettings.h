#pragma once

#include <cstdint>

/// What stands between the plant and the controller: the sensor's noise and resolution, the actuator's
/// speed, and whether the PID takes over from the power in use. The defaults leave the controller reading
/// the true point and driving the plant directly.
struct SensorActuatorSettings {
    double noiseStd = 0.0;       ///< σ of the measurement noise, point units; 0 is off
    std::uint64_t noiseSeed = 1; ///< where the noise generator starts
    double quantization = 0.0;   ///< the sensor's resolution q, point units; 0 is off
    double rateLimit = 0.0; ///< the actuator's fastest change, power units per simulated second; 0 is off
    bool bumpless = false;  ///< a switch to PID continues from the power in use
};

/// Whether the controller reads something other than the point under `settings`: the noise or the
/// quantization is on.
inline bool AltersMeasurement(const SensorActuatorSettings& settings) {
    return settings.noiseStd > 0.0 || settings.quantization > 0.0;
}

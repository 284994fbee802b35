#include "SimulationSpeed.h"

#include <algorithm>

std::uint32_t RealStepForSpeed(std::uint32_t simStepMs, std::uint32_t speed, RealStepLimits limits) {
    if (speed == 0)
        return limits.fastest;
    // In 64 bits: a step near the 32-bit limit would overflow the rounding's addition.
    const std::uint64_t rounded = (std::uint64_t{simStepMs} + speed / 2) / speed;
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(rounded, limits.fastest, limits.slowest));
}

int SpeedIndexOfRealStep(std::uint32_t simStepMs, std::uint32_t realStepMs, RealStepLimits limits) {
    for (std::size_t i = 0; i < kSimulationSpeeds.size(); ++i) {
        if (RealStepForSpeed(simStepMs, kSimulationSpeeds[i], limits) == realStepMs)
            return static_cast<int>(i);
    }
    return -1;
}

#pragma once

#include <array>
#include <cstdint>

/// The speeds the toolbar offers, slowest first: how many simulated seconds pass in a real second,
/// 0 standing for as fast as the step timer goes.
inline constexpr std::array<std::uint32_t, 7> kSimulationSpeeds = {1, 2, 5, 10, 20, 50, 0};

/// The periods a step timer takes, in milliseconds: [fastest, slowest].
struct RealStepLimits {
    std::uint32_t fastest;
    std::uint32_t slowest;
};

/// The "Real" period that runs steps of `simStepMs` at `speed`: simStepMs ÷ speed rounded to the
/// nearest millisecond (halves up), kept within `limits`; the fastest period for speed 0.
std::uint32_t RealStepForSpeed(std::uint32_t simStepMs, std::uint32_t speed, RealStepLimits limits);

/// The index in kSimulationSpeeds of the first speed whose period is `realStepMs`, or -1 for none.
int SpeedIndexOfRealStep(std::uint32_t simStepMs, std::uint32_t realStepMs, RealStepLimits limits);

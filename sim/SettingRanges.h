#pragma once

#include "NumberRange.h"
#include "PlantDynamicsSettings.h"

/// The values each plant, controller and experiment setting accepts, read by the command line (which
/// refuses the others), the windows' dialogs (which clamp them) and the `.vrl` file (which refuses them).
namespace SettingRange {
inline constexpr NumberRange kDisturbance = NumberRange::Any;
inline constexpr NumberRange kDeadTime = NumberRange::NotNegative;
inline constexpr NumberRange kLagTau = NumberRange::NotNegative;
inline constexpr int kMaxLagCount = PlantDynamicsSettings::kMaxLags; ///< the fewest is 0
inline constexpr NumberRange kSetPointWeight = NumberRange::NotNegative;
inline constexpr NumberRange kDerivativeFilter = NumberRange::NotNegative;
inline constexpr NumberRange kTrackingTime = NumberRange::Positive;

inline constexpr NumberRange kRelayBias = NumberRange::Finite;
inline constexpr NumberRange kRelayAmplitude = NumberRange::Positive;
inline constexpr NumberRange kRelayHysteresis = NumberRange::NotNegative;
inline constexpr NumberRange kStepPower = NumberRange::Positive;
} // namespace SettingRange

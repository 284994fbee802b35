#pragma once

#include "NumberRange.h"

/// The values each tuning experiment's setting accepts, read by the command line (which refuses the
/// others) and the tuning dialog (which clamps them). A window's settings keep theirs in the settings
/// table.
namespace SettingRange {
inline constexpr NumberRange kRelayBias = NumberRange::Finite;
inline constexpr NumberRange kRelayAmplitude = NumberRange::Positive;
inline constexpr NumberRange kRelayHysteresis = NumberRange::NotNegative;
inline constexpr NumberRange kStepPower = NumberRange::Positive;
} // namespace SettingRange

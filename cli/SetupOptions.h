#pragma once

#include "SimSettings.h"
#include "SimulationSetup.h"

#include <cstdint>
#include <string>
#include <vector>

// The options tune and sweep share with sim: the plant (--formula, --sim-step-ms, --setpoint and the
// dynamics) and the controller's options, everything but the gains, the mode and the power.

/// Whether `option` ("--NAME") is one of them.
bool isSetupOption(const std::string& option);
/// Reads one of them into `settings`; false with the reason in `error` on a bad value.
bool takeSetupOption(const std::string& option, const std::string& value, std::vector<SimSetting>& settings,
                     std::string& error);
/// The setup of a window after `settings`, and its set point: `setPoint` unless the settings change it.
SimulationSetup setupFrom(const std::vector<SimSetting>& settings, double& setPoint);

/// Reads the value of --steps; false with the reason in `error`.
bool parseStepCount(const std::string& value, std::uint64_t& steps, std::string& error);

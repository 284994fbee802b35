#pragma once

#include "SettingsTable.h"
#include "Simulation.h"

#include <string>

/// One change of a simulation setting as the command line gives it: the starting options and the --at
/// events of `vorlint-cli sim` are both lists of these. Without a row it is the Reset button, which
/// clears the integral and is not a setting.
using SimSetting = SettingChange;
inline bool isReset(const SimSetting& setting) {
    return setting.row == nullptr;
}

enum class SettingParse { Ok, UnknownName, BadValue };

/// Reads NAME=VALUE, NAME the command-line option of a setting without its "--"; on a bad value
/// `error` says what was expected ("dead-time needs a finite number of 0 or more, not '-1'").
SettingParse parseSetting(const std::string& name, const std::string& value, SimSetting& setting,
                          std::string& error);

/// Applies the change as the panels would: through the settings table, or the Reset button.
void applySetting(CSimulation& simulation, const SimSetting& setting);

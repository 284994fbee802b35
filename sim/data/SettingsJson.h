#pragma once

#include "JsonValue.h"
#include "SettingsTable.h"

#include <string>
#include <vector>

// A window's settings read from a toolkit-free JSON object through the settings table, so that the
// command line refuses what the application refuses: the same keys, kinds and ranges.

/// The value of `row` that `value` holds; false with what it should be in `problem` ("expected a
/// finite number of 0 or more", "expected true or false").
bool settingValueFromJson(const SettingRow& row, const JsonValue& value, SettingValue& out,
                          std::string& problem);

/// Appends a change for each key of the table that `object` holds, in the table's order (the order a
/// file's settings are applied); keys the table does not know are not looked at. False with the key
/// first ("kp: expected a finite number") in `problem`.
bool readSettingChanges(const JsonValue& object, std::vector<SettingChange>& changes, std::string& problem);

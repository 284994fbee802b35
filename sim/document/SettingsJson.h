#pragma once

#include "SettingsTable.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// A window's settings as a `.vrl` object holds them, read and written through the settings table: the
// same keys, kinds and ranges wherever a file is read.

/// `number` as the file writes it: a whole number that every JSON reader gives back exactly as digits
/// without a point, any other as the shortest text that reads back to it.
nlohmann::json numberJson(double number);

/// The value of `row` that `value` holds; false with what it should be in `problem` ("expected a
/// finite number of 0 or more", "expected true or false").
bool settingValueFromJson(const SettingRow& row, const nlohmann::json& value, SettingValue& out,
                          std::string& problem);
/// `value` of `row` as the file writes it; a seed above 2^53 - 1 as its digits in a text.
nlohmann::json settingValueToJson(const SettingRow& row, const SettingValue& value);

/// Appends a change for each key of the table that `object` holds, in the table's order (the order a
/// file's settings are applied); keys the table does not know are not looked at. False with the key
/// first ("kp: expected a finite number") in `problem`.
bool readSettingChanges(const nlohmann::json& object, std::vector<SettingChange>& changes,
                        std::string& problem);

/// The digits of a seed as a file holds it (a whole number from 0 to 2^64 - 1, or its digits in a
/// text); empty when `value` is not one.
std::string seedDigitsOfJson(const nlohmann::json& value);
/// A seed's digits as the file writes them: a number up to 2^53 - 1, else a text.
nlohmann::json seedJson(const std::string& digits);

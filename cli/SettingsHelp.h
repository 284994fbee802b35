#pragma once

#include "SettingsTable.h"

#include <cstddef>
#include <string>

// The commands' help texts list the settings from the settings table, so that a new setting appears
// in every help without an edit here.

/// One help entry: "  --NAME VALUE" in a column `width` wide (the description on the next line when
/// it does not fit), then the description with its later lines indented to the column.
std::string helpEntry(const std::string& term, const std::string& description, std::size_t width);

/// The entries of the settings in `group` that have an option, each with its default in brackets.
std::string settingsHelp(SettingGroup group, std::size_t width);

/// The entry of the set point with the command's own `description` of it.
std::string setPointHelp(const std::string& description, std::size_t width);

/// The options of the plant and the controller's options, as a list of "--NAME VALUE" wrapped into
/// indented lines, followed by the description "the plant and the controller's options, as for
/// 'vorlint-cli sim'" in the column.
std::string setupOptionsHelp(std::size_t width);

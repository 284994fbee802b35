#pragma once

#include "JsonValue.h"
#include "ScheduledEvent.h"

#include <string>
#include <vector>

/// Reads a list of `{"atS": S, "<setting key>": value, ...}`: `atS` a finite number of 0 or more, then
/// one or more keys of the settings table with their values in range, which apply in the table's order
/// (a key the table does not know is passed over). False with what is wrong in `problem`, where first
/// ("[2].kp: expected a finite number", ": expected a list"), for the caller to put the list's key before.
bool readEvents(const JsonValue& list, std::vector<ScheduledEvent>& events, std::string& problem);

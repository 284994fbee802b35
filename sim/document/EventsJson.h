#pragma once

#include "ScheduledEvent.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <vector>

/// The most entries a list of events holds (a window's, an exercise's).
inline constexpr std::size_t kMaxEvents = 10000;

/// Reads a list of `{"atS": S, "<setting key>": value, ...}`: `atS` a finite number of 0 or more, then
/// one or more keys of the settings table with their values in range, which apply in the table's order
/// (a key the table does not know is passed over). False with what is wrong in `problem`, where first
/// ("[2].kp: expected a finite number", ": expected a list"), for the caller to put the list's key before.
bool readEvents(const nlohmann::json& list, std::vector<ScheduledEvent>& events, std::string& problem);

/// Scheduled events as a `.vrl` lists them: an entry for each change.
nlohmann::json eventsToJson(const std::vector<ScheduledEvent>& events);

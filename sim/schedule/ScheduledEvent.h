#pragma once

#include "SettingsTable.h"

/// A setting change at a simulated time of a run, as a window's `events` and an exercise's list them.
struct ScheduledEvent {
    double atS = 0.0; ///< simulated seconds from the run's start, finite and 0 or more
    SettingChange change;
};

#pragma once

/// Keeps the application's settings away from a settings file that is not a regular file (a FIFO, a
/// device, a folder): reading one could hold start-up for good, as reading such a data file could. A
/// scope (the user's or the system's) that has one is, for this run, read from and written to nowhere.
/// To be called once the organization and application names are set, before any QSettings exists.
void IgnoreIrregularSettingsFiles();

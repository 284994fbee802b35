#pragma once

/// Keeps the application's settings away from a settings file that is not a regular file (a FIFO, a
/// device, a folder) or is larger than 1 MB: reading the one could hold start-up for good, the other
/// could take seconds and gigabytes (a few kilobytes is what the application writes). A scope (the
/// user's or the system's) that has one is, for this run, read from and written to nowhere, and standard
/// error says which file is ignored and why. To be called once the organization and application names
/// are set, before any QSettings exists.
void IgnoreUnfitSettingsFiles();

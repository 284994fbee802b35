#pragma once

#include <string>
#include <vector>

/// The folders the data files are looked for in, first to last: the working directory (""), so that
/// an edited copy there wins; the user's data folder, "vorlint" in $XDG_DATA_HOME (`xdgDataHome`; when
/// it is unset or not absolute, ~/.local/share under `home`); and "share/vorlint" of the installation
/// that `programPath` (the program file's own path) belongs to, beside its "bin" folder. A folder
/// whose place cannot be told is left out.
std::vector<std::string> dataFileFolders(const std::string& programPath, const char* xdgDataHome,
                                         const char* home);

/// Process set-up, for a program's main before any engine is built: makes the shared data-file store
/// search those folders, for this program (`argv0`, or better the path the system gives for the
/// running program file) and this environment.
void searchDataFilesFor(const char* argv0);

#pragma once

#include <string>

/// Reads the whole of the `.vrl` file at `path` into `text`, never more than a `.vrl` may hold and
/// without waiting on a pipe. False with why in `problem`: the system's reason ("No such file or
/// directory"), "not a regular file" (a folder, a pipe, a device) or "the file is larger than 1 MB".
bool readVrlFileText(const std::string& path, std::string& text, std::string& problem);

#pragma once

#include <QString>

/// The reason given when an operation on a file ran out of memory.
inline constexpr const char* kOutOfMemory = "Out of memory";

/// Tells the user that an operation on a file failed: `message`, then the file and the reason.
void ReportFileError(const char* message, const QString& fileName, const QString& reason);

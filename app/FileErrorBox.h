#pragma once

#include <QString>

/// Tells the user that an operation on a file failed: `message`, then the file and the reason.
void ReportFileError(const char* message, const QString& fileName, const QString& reason);

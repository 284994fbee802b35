#pragma once

#include <QString>

/// The reason given when an operation on a file ran out of memory.
QString OutOfMemoryText();

/// Tells the user that an operation on a file failed: `message` (marked for translation in the
/// context "FileErrorBox"), then the file and the reason.
void ReportFileError(const char* message, const QString& fileName, const QString& reason);

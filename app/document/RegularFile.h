#pragma once

#include <QString>

class QFile;

/// Opens the file `file` names for reading without waiting on it: a FIFO or a device could hold the
/// program until some other process writes to it, so only a regular file is read. Anything else is
/// refused, with a reason that says what it is (a folder, a FIFO, a device). False with the reason in
/// `reason` when the file is not opened.
bool OpenRegularFileForReading(QFile& file, QString& reason);

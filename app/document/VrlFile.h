#pragma once

#include "VrlDocument.h"

#include <QString>

class QIODevice;

// A `.vrl` file through a device: the document reader of the simulation reads and writes it, so that
// the application takes exactly the files the command line takes; the application only says its
// problems in the interface's language.

/// Reads a whole `.vrl` file (no more than it may hold). False with what is wrong in `problem`, as
/// readVrlDocument says it, translated; `document` is then not to be used.
bool ReadVrl(QIODevice& file, VrlDocument& document, QString& problem);

/// Writes `document` as writeVrlDocument does; false with what is wrong in `problem`, translated, and
/// nothing written.
bool WriteVrl(QIODevice& file, const VrlDocument& document, QString& problem);

#pragma once

#include <QString>

/// A value as the readouts show it to students (status bar, cursor, step-response figures): fixed
/// decimals with the panels' decimal comma, then `unit` (" s", " %"); "–" for a value that is not
/// defined (not a number).
QString FormatReading(double value, int decimals, const char* unit = "");

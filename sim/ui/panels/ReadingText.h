#pragma once

#include <QString>

/// A value as the readouts show it to students (status bar, cursor, step-response figures): fixed
/// decimals with the panels' decimal comma, then `unit` (" s", " %"); "–" for a value that is not
/// defined (not a number).
QString FormatReading(double value, int decimals, const char* unit = "");

/// A value with `significantDigits` significant digits (no trailing zeros), the panels' decimal comma,
/// then `unit`; "–" for a value that is not defined. For figures whose size varies widely, such as
/// gains, and for the values a dialog's edits start with (15 digits read back as typed).
QString FormatSignificant(double value, int significantDigits, const char* unit = "");

#pragma once

#include <string>

// Numbers as text in the C locale, whatever locale the process runs in: a Qt application takes the
// user's locale from the environment, and a decimal comma there must never change what a formula, a
// panel or a command line reads or writes.

/// `x` with `decimals` fixed decimals and a decimal point, as printf("%.*f") writes it in the C locale
/// ("nan", "-nan", "inf" and "-inf" included).
std::string cLocaleFixed(double x, int decimals);

/// The leading number of `text` as strtod reads it in the C locale (leading blanks, a sign, decimal or
/// hexadecimal notation, "inf", "nan"); `end` receives where the number stopped (`text` when there is
/// none, and then 0 is returned).
double cLocaleLeadingNumber(const char* text, const char** end);

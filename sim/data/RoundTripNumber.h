#pragma once

#include <string>

// Numbers as the data the program writes carries them: always in the C locale, whatever locale the
// process runs in, so that output compares byte for byte between machines and reads back exactly.

/// Appends `x` as "%.17g" writes it (round-trip exact), with "nan" for a NaN of either sign and
/// "inf" / "-inf" for the infinities.
void appendNumber(std::string& out, double x);
/// The same with `significantDigits` instead of 17, for figures meant to be read rather than compared.
void appendNumber(std::string& out, double x, int significantDigits);
std::string numberText(double x);

#pragma once

#include "NumberRange.h"
#include "RoundTripNumber.h"
#include "WholeNumberText.h"

#include <cstdint>
#include <string>

// Numbers as the command line reads and writes them: always in the C locale, whatever locale the
// process runs in. They are written as the simulation's CSV writes them (RoundTripNumber.h).

/// Reads the whole of `text` as strtod does in the C locale (leading blanks, a sign, decimal or
/// hexadecimal notation, "inf", "infinity", "nan" in any case). False when nothing or not all of it is
/// a number.
bool parseNumber(const std::string& text, double& value);

/// Reads `text` as parseNumber does and checks it is within `range`; otherwise false with "NAME needs
/// a finite number of 0 or more, not 'TEXT'" (and the like) in `error`.
bool parseNumberIn(const std::string& name, const std::string& text, NumberRange range, double& value,
                   std::string& error);

#pragma once

#include "TranslationMark.h"

#include <cstdint>
#include <string>

// Whole numbers as the command line, the files and the dialogs read them, in any locale.

/// Reads the whole of `text` as decimal digits only, no sign or blank; false when it is not one or
/// exceeds `max`.
bool parseCount(const std::string& text, std::uint64_t max, std::uint64_t& value);

/// The largest whole number a `.vrl` writes as a JSON number: every JSON reader gives back exactly the
/// ones up to it (2^53 - 1), so a noise seed above it is written as its digits in a text.
inline constexpr std::uint64_t kMaxExactWhole = (std::uint64_t{1} << 53) - 1;

/// What a file's seed must be, as the readers say it (the interface translates it, context
/// "ReaderProblem").
inline constexpr const char* kSeedInFile =
    QT_TRANSLATE_NOOP("ReaderProblem", "a whole number from 0 to 18446744073709551615, or its digits in a text");

/// A seed a file holds as a JSON number, as the settings carry it (its digits); empty when `number` is
/// not a whole number from 0 to kMaxExactWhole.
std::string seedDigitsOfNumber(double number);
/// A seed a file holds as a text, as the settings carry it (its digits, without leading zeros); empty
/// when `text` is not decimal digits up to 2^64 - 1.
std::string seedDigitsOfText(const std::string& text);
/// Whether a file writes the seed of `digits` as a JSON number, which is then `number`; otherwise it
/// writes the digits as a text.
bool seedIsWrittenAsNumber(const std::string& digits, double& number);

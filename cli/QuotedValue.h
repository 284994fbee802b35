#pragma once

#include <string>

/// `value` in single quotes for an error message, cut after its first 80 characters (bytes, never in
/// the middle of a UTF-8 character) with the whole length said, so that a 400,000-digit argument does
/// not fill standard error: 'value' or 'first 80...' (400000 characters).
std::string quoted(const std::string& value);

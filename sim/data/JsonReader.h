#pragma once

#include "JsonValue.h"

#include <cstddef>
#include <string>

// A strict JSON reader (RFC 8259): one value with blanks around it, UTF-8 text, no comments, no
// trailing commas, no key twice in an object. What a `.vrl` holds is shallow and small, so deeper or
// larger text is refused before it can take the stack or the memory.

/// Larger text is refused unread: the size of the largest `.vrl` file.
inline constexpr std::size_t kMaxJsonBytes = 1024 * 1024;
/// Arrays and objects nested deeper are refused; a `.vrl` nests four deep.
inline constexpr int kMaxJsonDepth = 32;

enum class JsonParse {
    Ok,
    NotJson,          ///< not JSON, or beyond the size or depth bound
    NumberOutOfRange, ///< JSON, but a number's magnitude exceeds the largest double (1e999)
};

/// Reads the whole of `text` into `value`; otherwise what is wrong and at which byte (from 0) in
/// `error`, e.g. "expected ',' or '}' at byte 12", "a number out of range (1e999) at byte 8". Numbers
/// are read in the C locale whatever the process's locale.
JsonParse parseJson(const std::string& text, JsonValue& value, std::string& error);

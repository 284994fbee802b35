#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>

// JSON as a `.vrl` holds it (RFC 8259 and docs/vrl-format.md): one value, UTF-8 text (a byte-order mark
// before it is passed over), no comments, no trailing commas. What the format needs beyond JSON is
// checked while parsing, before any of it is kept: a size and a nesting bound, no key twice in an
// object, no number beyond a double's range, no lone surrogate.

/// Larger text is refused unread.
inline constexpr std::size_t kMaxVrlBytes = 1024 * 1024;
/// Arrays and objects nested deeper are refused; a `.vrl` itself nests four deep.
inline constexpr std::size_t kMaxVrlDepth = 32;

/// Reads the whole of `text` into `root`: whole numbers up to 2^64 - 1 exactly, others as the nearest
/// double (one below the smallest becomes 0), in the C locale whatever the process's locale. False with
/// what is wrong in `problem`, where the file says where it is ("windows[0].kp: the key comes twice",
/// "windows[0].kp: a number out of range (1e999)", "not JSON (... at byte 12)").
bool parseVrlJson(const std::string& text, nlohmann::json& root, std::string& problem);

#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Replaces every occurrence of `key` in `text` by `replacement`: left to right, non-overlapping,
/// case-sensitive, without rescanning inserted text. Returns false, leaving `text` unchanged, when
/// the result would be longer than `maxLength`; the formula passes use this to stop a data file
/// from growing a formula without bound. With `insertedAt`, it receives where each inserted replacement
/// begins in the new text.
bool replaceAll(std::string& text, std::string_view key, std::string_view replacement, std::size_t maxLength,
                std::vector<std::size_t>* insertedAt = nullptr);

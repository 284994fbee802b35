#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A polynomial hash of text, modulo 2^64, for looking constant references up: the hash of a
// concatenation follows from the hashes of its parts, and so does the hash of any stretch of a
// formula from the hashes of its prefixes. Equal hashes are only candidates: the text is compared.

inline constexpr std::uint64_t kKeyHashBase = 0x100000001b3ull;

/// The hash of `text` continued from `start`, the hash of the text before it.
inline std::uint64_t extendKeyHash(std::uint64_t start, std::string_view text) {
    std::uint64_t hash = start;
    for (const char c : text)
        hash = hash * kKeyHashBase + static_cast<unsigned char>(c) + 1u;
    return hash;
}

/// kKeyHashBase to the power `exponent`.
std::uint64_t keyHashPower(std::size_t exponent);

/// The hashes of every prefix of a text, for the hash of any stretch of it.
class PrefixHashes {
public:
    explicit PrefixHashes(std::string_view text);
    /// The hash of the `length` characters from `start`.
    std::uint64_t of(std::size_t start, std::size_t length) const {
        return prefix[start + length] - prefix[start] * keyHashPower(length);
    }

private:
    std::vector<std::uint64_t> prefix;
};

#include "KeyHash.h"

std::uint64_t keyHashPower(std::size_t exponent) {
    // Powers are asked for lengths within a formula; the table grows to the longest asked for.
    thread_local std::vector<std::uint64_t> powers{1};
    while (powers.size() <= exponent)
        powers.push_back(powers.back() * kKeyHashBase);
    return powers[exponent];
}

PrefixHashes::PrefixHashes(std::string_view text) : prefix(text.size() + 1, 0) {
    for (std::size_t i = 0; i < text.size(); ++i)
        prefix[i + 1] = extendKeyHash(prefix[i], text.substr(i, 1));
}

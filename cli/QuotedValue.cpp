#include "QuotedValue.h"

namespace {

constexpr std::size_t kMaxQuoted = 80;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string quoted(const std::string& value) {
    if (value.size() <= kMaxQuoted)
        return "'" + value + "'";
    std::size_t cut = kMaxQuoted;
    while (cut > 0 && isContinuationByte(value[cut]))
        --cut;
    return "'" + value.substr(0, cut) + "...' (" + std::to_string(value.size()) + " characters)";
}

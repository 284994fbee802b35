#include "TextReplace.h"

namespace {

std::size_t countOccurrences(std::string_view text, std::string_view key) {
    std::size_t count = 0;
    for (std::size_t at = text.find(key); at != std::string_view::npos; at = text.find(key, at + key.size()))
        ++count;
    return count;
}

} // namespace

bool replaceAll(std::string& text, std::string_view key, std::string_view replacement, std::size_t maxLength,
                std::vector<std::size_t>* insertedAt) {
    if (key.empty())
        return true;
    const std::size_t count = countOccurrences(text, key);
    if (count == 0)
        return true;
    if (replacement.size() > key.size()) {
        const std::size_t growth = replacement.size() - key.size();
        if (growth > (maxLength - std::min(maxLength, text.size())) / count)
            return false;
    }
    std::string out;
    out.reserve(text.size() - count * key.size() + count * replacement.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, from)) {
        out.append(text, from, at - from);
        if (insertedAt)
            insertedAt->push_back(out.size());
        out.append(replacement);
        from = at + key.size();
    }
    out.append(text, from, std::string::npos);
    if (out.size() > maxLength)
        return false;
    text = std::move(out);
    return true;
}

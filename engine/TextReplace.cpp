#include "TextReplace.h"

#include <functional>

// One pass that builds the new text and gives up as soon as it grows too long. The search skips
// ahead by the key's length where it can: keys begin with "(", which formulas are full of.
bool replaceAll(std::string& text, std::string_view key, std::string_view replacement, std::size_t maxLength,
                std::vector<std::size_t>* insertedAt) {
    if (key.empty() || key.size() > text.size())
        return true;
    const std::boyer_moore_horspool_searcher search(key.begin(), key.end());
    const std::string_view source(text);
    std::string out;
    std::size_t from = 0;
    for (auto at = std::search(source.begin(), source.end(), search); at != source.end();
         at = std::search(source.begin() + static_cast<std::ptrdiff_t>(from), source.end(), search)) {
        const auto position = static_cast<std::size_t>(at - source.begin());
        out.append(source, from, position - from);
        if (insertedAt)
            insertedAt->push_back(out.size());
        out.append(replacement);
        from = position + key.size();
        if (out.size() > maxLength)
            return false;
    }
    if (from == 0)
        return true;
    out.append(source, from, std::string_view::npos);
    if (out.size() > maxLength)
        return false;
    text = std::move(out);
    return true;
}

#include "LineReader.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

} // namespace

std::string_view LineReader::next(std::size_t limit) {
    if (rest.empty()) {
        endMet = true;
        return {};
    }
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    // Only a CR right before the LF belongs to the line end, and only when the line as written is at
    // most one character longer than the limit (the character kept to find that CR).
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r' && line.size() <= limit + 1)
        line.remove_suffix(1);
    line = line.substr(0, limit);
    const std::size_t first = line.find_first_not_of(kWhiteSpace);
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

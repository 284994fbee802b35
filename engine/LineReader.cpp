#include "LineReader.h"

#include <string>
#include <string_view>

namespace {

void stripLeadingWhiteSpace(std::string& line) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    line.erase(0, line.find_first_not_of(kWhiteSpace));
}

} // namespace

std::string LineReader::next(std::size_t limit) {
    std::string line;
    std::streambuf* buffer = in_.rdbuf();
    std::size_t length = 0; // characters of the line as written, its end excluded
    bool lastWasCarriageReturn = false;
    constexpr int kEnd = std::char_traits<char>::eof();
    int c = buffer ? buffer->sbumpc() : kEnd;
    if (c == kEnd)
        atEnd_ = true;
    // One character beyond the limit is kept, so that the CR of a CR LF end is still there to drop.
    for (; c != kEnd && c != '\n'; c = buffer->sbumpc()) {
        ++length;
        lastWasCarriageReturn = c == '\r';
        if (length <= limit + 1)
            line.push_back(static_cast<char>(c));
    }
    if (c == '\n' && lastWasCarriageReturn && length <= limit + 1)
        line.pop_back();
    if (line.size() > limit)
        line.resize(limit);
    stripLeadingWhiteSpace(line);
    return line;
}

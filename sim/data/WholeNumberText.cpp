#include "WholeNumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

bool parseCount(const std::string& text, std::uint64_t max, std::uint64_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto parsed = std::from_chars(first, last, value);
    return parsed.ec == std::errc() && parsed.ptr == last && value <= max;
}

std::string seedDigitsOfNumber(double number) {
    if (!(number >= 0.0 && number <= static_cast<double>(kMaxExactWhole) && number == std::floor(number)))
        return std::string();
    return std::to_string(static_cast<std::uint64_t>(number));
}

std::string seedDigitsOfText(const std::string& text) {
    std::uint64_t seed = 0;
    return parseCount(text, std::numeric_limits<std::uint64_t>::max(), seed) ? std::to_string(seed)
                                                                             : std::string();
}

bool seedIsWrittenAsNumber(const std::string& digits, double& number) {
    std::uint64_t seed = 0;
    if (!parseCount(digits, kMaxExactWhole, seed))
        return false;
    number = static_cast<double>(seed);
    return true;
}

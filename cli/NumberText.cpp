#include "NumberText.h"

#include "CLocaleNumber.h"

#include <charconv>
#include <system_error>

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    const char* end = nullptr;
    value = cLocaleLeadingNumber(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

bool parseNumberIn(const std::string& name, const std::string& text, NumberRange range, double& value,
                   std::string& error) {
    if (parseNumber(text, value) && isInRange(value, range)) {
        return true;
    }
    error = name + " needs " + rangeText(range) + ", not '" + text + "'";
    return false;
}

bool parseCount(const std::string& text, std::uint64_t max, std::uint64_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto parsed = std::from_chars(first, last, value);
    return parsed.ec == std::errc() && parsed.ptr == last && value <= max;
}

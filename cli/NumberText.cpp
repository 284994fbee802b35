#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <system_error>

void appendNumber(std::string& out, double x, int significantDigits) {
    if (std::isnan(x)) {
        out += "nan";
        return;
    }
    char buffer[64];
    const auto converted =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, significantDigits);
    out.append(buffer, converted.ptr);
}

void appendNumber(std::string& out, double x) {
    appendNumber(out, x, 17);
}

std::string numberText(double x) {
    std::string text;
    appendNumber(text, x);
    return text;
}

bool parseNumber(const std::string& text, double& value) {
    // strtod follows the process locale, which a user's decimal-comma locale breaks; a private
    // "C" locale keeps "." the decimal point everywhere.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == static_cast<locale_t>(nullptr) || text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = strtod_l(text.c_str(), &end, cLocale);
    return end != text.c_str() && *end == '\0';
}

bool parseCount(const std::string& text, std::uint64_t max, std::uint64_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto parsed = std::from_chars(first, last, value);
    return parsed.ec == std::errc() && parsed.ptr == last && value <= max;
}

#include "RoundTripNumber.h"

#include <charconv>
#include <cmath>
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

#include "NumberReader.h"

#include "StatusCodes.h"

#include <cmath>

namespace {

// Compares c - '0' with the base, so above base 10 the characters between "9" and "A" pass as well.
bool isValidInBase(char c, int base) {
    const bool digit = c >= '0' && c - '0' < base;
    const bool lower = base > 10 && c >= 'a' && c < 'a' + base - 10;
    const bool upper = base > 10 && c >= 'A' && c < 'A' + base - 10;
    return digit || lower || upper;
}

/// The value of a digit or letter; -1 for the other characters that pass the base test.
int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

} // namespace

int readNumber(std::string_view text, int base, double& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    double result = 0.0;
    bool inFraction = false;
    double fractionDigits = 0.0;
    for (char c : text) {
        if (c == ',')
            c = '.';
        if (c == '.') {
            if (inFraction)
                return kMultipleDecimalPoints;
            inFraction = true;
            continue;
        }
        if (!isValidInBase(c, base))
            return kDigitOutOfBase;
        const int digit = digitValue(c);
        if (digit < 0)
            return kNotADigit;
        if (inFraction) {
            fractionDigits += 1.0;
            result += digit * std::pow(base, -fractionDigits);
        } else {
            result = result * base + digit;
        }
    }
    value = negative ? -result : result;
    return 0;
}

#include "NumberReader.h"

#include "BaseDigits.h"
#include "StatusCodes.h"

#include <cmath>

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
        if (!passesDigitTest(c, base, DigitLetters::AnyCase))
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

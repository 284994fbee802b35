#include "BaseDigits.h"

namespace {

bool isLetterBelow(char c, char first, int base) {
    return base > 10 && c >= first && c < first + base - 10;
}

} // namespace

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

bool passesDigitTest(char c, int base, DigitLetters letters) {
    const bool digit = c >= '0' && c - '0' < base;
    const bool lower = letters == DigitLetters::AnyCase && isLetterBelow(c, 'a', base);
    return digit || lower || isLetterBelow(c, 'A', base);
}

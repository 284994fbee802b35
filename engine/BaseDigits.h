#pragma once

// The digits of the bases 2 to 36: "0" to "9", then the letters for 10 to 35. Inline: the tokenizer
// asks for every character of a formula.

/// The value of a digit or a letter of either case (0 to 35); -1 for any other character.
inline int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

/// Which letters count as digits above base 10.
enum class DigitLetters {
    UpperCase, // the formula text: a lower-case letter begins a name
    AnyCase,   // a number's own text, once the tokenizer has taken it as one
};

/// The loose test that formula text gets: compares c - '0' with the base, so in a base above 10 the
/// characters after "9" (":" to "@") pass as well. readNumber then refuses them as not a digit (code 12),
/// which is how the error has always been told apart from a digit beyond the base (code 11).
inline bool passesDigitTest(char c, int base, DigitLetters letters) {
    const auto isLetterBelow = [base](char c, char first) {
        return base > 10 && c >= first && c < first + base - 10;
    };
    const bool digit = c >= '0' && c - '0' < base;
    const bool lower = letters == DigitLetters::AnyCase && isLetterBelow(c, 'a');
    return digit || lower || isLetterBelow(c, 'A');
}

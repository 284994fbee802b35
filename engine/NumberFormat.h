#pragma once

#include <string>

/// The settings that shape a rendered number: the decimal mark and the digit grouping.
struct NumberStyle {
    int decimalComma = 0; // 1: "," is the decimal mark
    bool groupIntegerDigits = true;
    int integerGroupSize = 3;
    char integerGroupSeparator = ',';
    bool groupFractionDigits = false;
    int fractionGroupSize = 3;
    char fractionGroupSeparator = ' ';
};

/// Fraction digits generated in a base, which is also its budget of significant digits:
/// floor(52 / log2(base)). 0 outside the bases 2 to 36.
int fractionDigitsForBase(int base);

/// True where the automatic rendering switches to scientific notation: beyond 13 integer digits
/// and for magnitudes below 1e-13 (zero excepted).
bool needsScientific(double x);

/// Positional text of x in a base from 2 to 36, rounded to the base's budget of significant digits,
/// without insignificant zeros: "overflow" for infinities, "nan" for a value that is not a number.
/// A base outside 2 to 36, which only a caller's own numberBase can produce, renders in base 10.
std::string renderDigits(double x, int base, int decimalComma);

/// Removes the zeros and the decimal mark that carry no value, and turns "-0" into "0". Scientific
/// text keeps its six mantissa decimals and its exponent.
void tidyNumberText(std::string& text, const NumberStyle& style);

/// Inserts the digit-group separators; "overflow" and "nan" stay as they are.
void groupDigits(std::string& text, const NumberStyle& style);

/// The automatic rendering (precision 0: scientific or positional in `base`), or fixed notation with
/// `precision` decimals.
std::string formatInBase(double x, int precision, int base, const NumberStyle& style);

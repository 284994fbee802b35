#include "NumberFormat.h"

#include "BaseDigits.h"
#include "CLocaleNumber.h"
#include "WideNatural.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kMaxBase = 36;
constexpr char kDigitAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::uint64_t kTwoTo52 = std::uint64_t{1} << 52;

constexpr std::array<int, kMaxBase + 1> kFractionDigits = {
    0,  0,  52, 32, 26, 22, 20, 18, 17, 16, 15, 15, 14, 14, 13, 13, 13, 12, 12,
    12, 12, 11, 11, 11, 11, 11, 11, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
};

constexpr std::uint64_t integerPower(std::uint64_t base, int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

// Each budget is the count of base digits that fit in 52 bits, so B^D is exact both as a 64-bit
// integer and as a double, and the scaled fraction below is computed without loss.
constexpr bool budgetsFit52Bits() {
    for (int base = 2; base <= kMaxBase; ++base) {
        const int digits = kFractionDigits[base];
        if (integerPower(base, digits) > kTwoTo52 || integerPower(base, digits + 1) <= kTwoTo52)
            return false;
    }
    return true;
}
static_assert(budgetsFit52Bits(), "digit budgets must be floor(52 / log2(base))");

char decimalMark(int decimalComma) {
    return decimalComma == 1 ? ',' : '.';
}

std::string integerDigits(double whole, int base) {
    WideNatural value = WideNatural::fromWholeDouble(whole);
    std::string digits;
    do {
        digits += kDigitAlphabet[value.divideBy(static_cast<std::uint32_t>(base))];
    } while (!value.isZero());
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// floor(fraction * base^count), written with exactly `count` digits.
std::string fractionDigits(double fraction, int base, int count) {
    const std::uint64_t scale = integerPower(base, count);
    const double scaled = std::floor(fraction * static_cast<double>(scale));
    // A fraction just below 1 could round up to the scale itself; it never reaches count + 1 digits.
    std::uint64_t value = std::min(static_cast<std::uint64_t>(scaled), scale - 1);
    std::string digits(static_cast<std::size_t>(count), '0');
    for (auto it = digits.rbegin(); value != 0; ++it) {
        *it = kDigitAlphabet[value % static_cast<std::uint64_t>(base)];
        value /= static_cast<std::uint64_t>(base);
    }
    return digits;
}

// Adds one unit to the last digit; true when the carry runs out past the first digit.
bool incrementDigits(std::string& digits, int base) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int value = digitValue(*it) + 1;
        if (value < base) {
            *it = kDigitAlphabet[value];
            return false;
        }
        *it = '0';
    }
    return true;
}

// Keeps `budget` significant digits: the integer digits and as many fraction digits as remain,
// rounding at the first dropped digit. Integer parts longer than the budget keep every fraction digit.
void roundToBudget(std::string& integer, std::string& fraction, int base, int budget) {
    const std::size_t budgetSize = static_cast<std::size_t>(budget);
    if (integer.size() > budgetSize)
        return;
    const std::size_t kept = budgetSize - integer.size();
    const bool roundUp = digitValue(fraction[kept]) >= base / 2;
    fraction.resize(kept);
    if (roundUp && incrementDigits(fraction, base) && incrementDigits(integer, base))
        integer.insert(0, 1, '1');
}

std::string scientificText(double x) {
    char buffer[40];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 6);
    (void)error; // a double in this form needs at most 15 characters
    std::string text(buffer, end);
    // The exponent is written with at least three digits: 1.000000e+020.
    const std::size_t exponentDigits = text.find('e') + 2;
    if (text.size() - exponentDigits < 3)
        text.insert(exponentDigits, 3 - (text.size() - exponentDigits), '0');
    return text;
}

std::string fixedText(double x, int precision) {
    if (std::isnan(x))
        return "nan";
    if (precision < 0)
        precision = 6; // as "%.*f" does with a negative precision
    return cLocaleFixed(x, precision);
}

void groupFraction(std::string& text, std::size_t markPosition, const NumberStyle& style) {
    if (!style.groupFractionDigits || style.fractionGroupSize < 1 || markPosition == std::string::npos)
        return;
    const std::size_t first = markPosition + 1;
    const std::size_t end = std::min(text.find('e'), text.size());
    const std::size_t size = static_cast<std::size_t>(style.fractionGroupSize);
    if (end <= first)
        return;
    // From the right, so that each insertion leaves the positions still to come unchanged.
    for (std::size_t k = (end - first - 1) / size; k > 0; --k)
        text.insert(first + k * size, 1, style.fractionGroupSeparator);
}

void groupInteger(std::string& text, std::size_t markPosition, const NumberStyle& style) {
    if (!style.groupIntegerDigits || style.integerGroupSize < 1)
        return;
    std::size_t end =
        markPosition != std::string::npos ? markPosition : std::min(text.find('e'), text.size());
    const std::size_t size = static_cast<std::size_t>(style.integerGroupSize);
    while (end > size) {
        end -= size;
        text.insert(end, 1, style.integerGroupSeparator);
    }
}

} // namespace

int fractionDigitsForBase(int base) {
    return base >= 2 && base <= kMaxBase ? kFractionDigits[base] : 0;
}

bool needsScientific(double x) {
    return x > 9999999999999.0 || x < -9999999999999.0 || (x > 0.0 && x < 1e-13) || (x < 0.0 && x > -1e-13);
}

std::string renderDigits(double x, int base, int decimalComma) {
    if (std::isinf(x))
        return "overflow";
    if (std::isnan(x))
        return "nan";
    if (fractionDigitsForBase(base) == 0)
        base = 10;
    const int budget = fractionDigitsForBase(base);
    const double magnitude = std::fabs(x);
    const double whole = std::floor(magnitude);
    std::string integer = integerDigits(whole, base);
    std::string fraction = fractionDigits(magnitude - whole, base, budget);
    roundToBudget(integer, fraction, base, budget);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = integer;
    if (!fraction.empty())
        text += decimalMark(decimalComma) + fraction;
    if (x < 0.0 && text != "0")
        text.insert(0, 1, '-');
    return text;
}

void tidyNumberText(std::string& text, const NumberStyle& style) {
    const char mark = decimalMark(style.decimalComma);
    if (style.decimalComma == 1)
        std::replace(text.begin(), text.end(), '.', ',');
    // In scientific text the end is the exponent, whose digits all count.
    const bool scientific = text.find('e') != std::string::npos;
    if (text != "0" && !scientific && text.find(mark) != std::string::npos)
        text.erase(text.find_last_not_of('0') + 1);
    while (!text.empty() && text.back() == mark)
        text.pop_back();
    if (text == "-0")
        text = "0";
}

void groupDigits(std::string& text, const NumberStyle& style) {
    if (text.empty() || text == "overflow" || text == "nan")
        return;
    const bool negative = text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t markPosition = text.find(decimalMark(style.decimalComma));
    // The fraction first: its insertions lie right of the mark and leave the integer digits in place.
    groupFraction(text, markPosition, style);
    groupInteger(text, markPosition, style);
    if (negative)
        text.insert(0, 1, '-');
}

std::string formatInBase(double x, int precision, int base, const NumberStyle& style) {
    std::string text;
    if (needsScientific(x)) {
        if (std::isinf(x))
            return "overflow";
        text = scientificText(x);
    } else if (precision != 0) {
        return fixedText(x, precision);
    } else {
        text = renderDigits(x, base, style.decimalComma);
    }
    tidyNumberText(text, style);
    groupDigits(text, style);
    return text;
}

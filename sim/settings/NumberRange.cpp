#include "NumberRange.h"

#include "TranslationMark.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargest = std::numeric_limits<double>::max();

double lowestOf(const NumberRange& range) {
    if (range.low == -kInfinity)
        return -kLargest;
    return range.lowOpen ? range.low + kLowestClampedPositive : range.low;
}

double highestOf(const NumberRange& range) {
    if (range.high == kInfinity)
        return kLargest;
    return range.highOpen ? range.high - kLowestClampedPositive : range.high;
}

/// An end as a reader would write it, in the C locale: a whole number in digits ("3000", "1000000"), any
/// other in the fewest digits that read back the same, its exponent without padding ("1e-9").
std::string endText(double value) {
    char text[64];
    const bool whole = std::fabs(value) < 1e15 && value == std::trunc(value);
    char* end = whole ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr
                      : std::to_chars(text, text + sizeof text, value).ptr;
    const std::string written(text, static_cast<std::size_t>(end - text));
    const std::size_t e = written.find('e');
    if (e == std::string::npos)
        return written;
    std::string exponent = written.substr(e + 1);
    const bool negative = exponent[0] == '-';
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    return written.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

/// The bounds' words for a range with a low end (`low`), a high end (`high`) or both, each open or not.
const char* boundsOf(bool low, bool lowOpen, bool high, bool highOpen) {
    if (low && high) {
        if (lowOpen)
            return highOpen ? QT_TRANSLATE_NOOP("NumberRange", "%1 above %2 and below %3")
                            : QT_TRANSLATE_NOOP("NumberRange", "%1 above %2 and up to %3");
        return highOpen ? QT_TRANSLATE_NOOP("NumberRange", "%1 from %2 and below %3")
                        : QT_TRANSLATE_NOOP("NumberRange", "%1 from %2 to %3");
    }
    if (low)
        return lowOpen ? QT_TRANSLATE_NOOP("NumberRange", "%1 above %2")
                       : QT_TRANSLATE_NOOP("NumberRange", "%1 of %2 or more");
    if (high)
        return highOpen ? QT_TRANSLATE_NOOP("NumberRange", "%1 below %2")
                        : QT_TRANSLATE_NOOP("NumberRange", "%1 of %2 or less");
    return "%1";
}

/// `pattern` with %1, %2, %3 replaced by `args`.
std::string filled(const std::string& pattern, const std::string (&args)[3]) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '3') {
            text += args[next - '1'];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace

bool isInRange(double value, const NumberRange& range) {
    if (range.alsoZero && value == 0.0)
        return true;
    // Only a range of every double holds NaN: it is neither above nor below any end.
    if (std::isnan(value))
        return range == NumberRange::Any;
    if (range.finiteOnly && !std::isfinite(value))
        return false;
    const bool aboveLow = range.lowOpen ? value > range.low : value >= range.low;
    const bool belowHigh = range.highOpen ? value < range.high : value <= range.high;
    return aboveLow && belowHigh;
}

double clampIntoRange(double value, const NumberRange& range) {
    if (isInRange(value, range))
        return value;
    const bool zeroIn = isInRange(0.0, range);
    if (std::isnan(value))
        return zeroIn ? 0.0 : lowestOf(range);
    const double clamped = std::clamp(value, lowestOf(range), highestOf(range));
    // Below the low end 0 may be nearer; above the high end it never is.
    if (range.alsoZero && value < clamped && std::fabs(value) <= clamped - value)
        return 0.0;
    return clamped;
}

RangeWords rangeWords(const NumberRange& range) {
    const bool low = range.low != -kInfinity;
    const bool high = range.high != kInfinity;
    RangeWords words;
    // A range with both ends holds only finite numbers whatever it says.
    words.noun = range.finiteOnly && !(low && high) ? QT_TRANSLATE_NOOP("NumberRange", "a finite number")
                                                    : QT_TRANSLATE_NOOP("NumberRange", "a number");
    words.bounds = boundsOf(low, range.lowOpen, high, range.highOpen);
    std::size_t end = 0;
    if (low)
        words.ends[end++] = endText(range.low);
    if (high)
        words.ends[end++] = endText(range.high);
    words.either = range.alsoZero ? QT_TRANSLATE_NOOP("NumberRange", "0 or %1") : nullptr;
    return words;
}

std::string rangeText(const NumberRange& range) {
    const RangeWords words = rangeWords(range);
    const std::string text = filled(words.bounds, {words.noun, words.ends[0], words.ends[1]});
    return words.either != nullptr ? filled(words.either, {text, {}, {}}) : text;
}

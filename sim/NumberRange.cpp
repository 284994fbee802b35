#include "NumberRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

// The interface translates these texts (context "NumberRange"); the translation tool finds them by
// this macro's name, and here it is only the text.
#define QT_TRANSLATE_NOOP(context, text) text

bool isInRange(double value, NumberRange range) {
    switch (range) {
    case NumberRange::Finite:
        return std::isfinite(value);
    case NumberRange::NotNegative:
        return std::isfinite(value) && value >= 0.0;
    case NumberRange::Positive:
        return std::isfinite(value) && value > 0.0;
    case NumberRange::Any:
        break;
    }
    return true;
}

double clampIntoRange(double value, NumberRange range) {
    if (isInRange(value, range))
        return value;
    constexpr double kLargest = std::numeric_limits<double>::max();
    const double lowest = range == NumberRange::Positive ? kLowestClampedPositive
                          : range == NumberRange::Finite ? -kLargest
                                                         : 0.0;
    if (std::isnan(value))
        return range == NumberRange::Finite ? 0.0 : lowest;
    return std::clamp(value, lowest, kLargest);
}

const char* rangeText(NumberRange range) {
    switch (range) {
    case NumberRange::Finite:
        return QT_TRANSLATE_NOOP("NumberRange", "a finite number");
    case NumberRange::NotNegative:
        return QT_TRANSLATE_NOOP("NumberRange", "a finite number of 0 or more");
    case NumberRange::Positive:
        return QT_TRANSLATE_NOOP("NumberRange", "a finite number above 0");
    case NumberRange::Any:
        break;
    }
    return QT_TRANSLATE_NOOP("NumberRange", "a number");
}

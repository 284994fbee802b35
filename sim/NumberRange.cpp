#include "NumberRange.h"

#include "TranslationMark.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double highestOf(NumberRange range) {
    switch (range) {
    case NumberRange::SetPointScale:
        return 3000.0;
    case NumberRange::Percent:
        return 100.0;
    default:
        return std::numeric_limits<double>::max();
    }
}

} // namespace

bool isInRange(double value, NumberRange range) {
    switch (range) {
    case NumberRange::Finite:
        return std::isfinite(value);
    case NumberRange::NotNegative:
        return std::isfinite(value) && value >= 0.0;
    case NumberRange::Positive:
        return std::isfinite(value) && value > 0.0;
    case NumberRange::SetPointScale:
    case NumberRange::Percent:
        return value >= 0.0 && value <= highestOf(range);
    case NumberRange::Any:
        break;
    }
    return true;
}

double clampIntoRange(double value, NumberRange range) {
    if (isInRange(value, range))
        return value;
    const double lowest = range == NumberRange::Positive ? kLowestClampedPositive
                          : range == NumberRange::Finite ? -std::numeric_limits<double>::max()
                                                         : 0.0;
    if (std::isnan(value))
        return range == NumberRange::Finite ? 0.0 : lowest;
    return std::clamp(value, lowest, highestOf(range));
}

const char* rangeText(NumberRange range) {
    switch (range) {
    case NumberRange::Finite:
        return QT_TRANSLATE_NOOP("NumberRange", "a finite number");
    case NumberRange::NotNegative:
        return QT_TRANSLATE_NOOP("NumberRange", "a finite number of 0 or more");
    case NumberRange::Positive:
        return QT_TRANSLATE_NOOP("NumberRange", "a finite number above 0");
    case NumberRange::SetPointScale:
        return QT_TRANSLATE_NOOP("NumberRange", "a number from 0 to 3000");
    case NumberRange::Percent:
        return QT_TRANSLATE_NOOP("NumberRange", "a number from 0 to 100");
    case NumberRange::Any:
        break;
    }
    return QT_TRANSLATE_NOOP("NumberRange", "a number");
}

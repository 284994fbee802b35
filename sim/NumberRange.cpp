#include "NumberRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
        return "a finite number";
    case NumberRange::NotNegative:
        return "a finite number of 0 or more";
    case NumberRange::Positive:
        return "a finite number above 0";
    case NumberRange::Any:
        break;
    }
    return "a number";
}

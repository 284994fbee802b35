#pragma once

/// The values a number setting accepts. The command line refuses a value out of its range; the windows
/// clamp it into the range (and tint the field), so both read the same rule.
enum class NumberRange {
    Any,
    Finite,
    NotNegative,   ///< finite, 0 or more
    Positive,      ///< finite, above 0
    SetPointScale, ///< from 0 to 3000: the set-point trackbar's travel
    Percent,       ///< from 0 to 100: the power trackbar's travel
};

/// The value a clamp gives where a Positive range has no lowest value: a thousandth, the finest
/// simulated step in seconds.
inline constexpr double kLowestClampedPositive = 0.001;

bool isInRange(double value, NumberRange range);
/// The value of `range` nearest to `value`: below the range its lowest value (0, or
/// kLowestClampedPositive for Positive), above it its highest (the largest finite value where it has
/// no highest), and NaN the range's lowest value (0 for Finite).
double clampIntoRange(double value, NumberRange range);
/// What a value of the range is, e.g. "a finite number of 0 or more".
const char* rangeText(NumberRange range);

#pragma once

#include <limits>
#include <string>

/// The values a number setting accepts: from `low` to `high`, each end open or closed (an infinite end
/// is no bound), finite or not, and 0 besides when `alsoZero`. The command line refuses a value out of
/// its range; the windows clamp it into the range (and tint the field), so both read the same rule.
struct NumberRange {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool lowOpen = false;  ///< `low` itself is out
    bool highOpen = false; ///< `high` itself is out
    bool finiteOnly = false;
    /// 0 is in too, though below `low`: an option whose 0 means off.
    bool alsoZero = false;

    /// Every double, NaN too: no bound and not only finite ones.
    static const NumberRange Any;
    static const NumberRange Finite;
    static const NumberRange NotNegative;   ///< finite, 0 or more
    static const NumberRange Positive;      ///< finite, above 0
    static const NumberRange SetPointScale; ///< from 0 to 3000: the set-point trackbar's travel
    static const NumberRange Percent;       ///< from 0 to 100: the power trackbar's travel

    friend constexpr bool operator==(const NumberRange& a, const NumberRange& b) {
        return a.low == b.low && a.high == b.high && a.lowOpen == b.lowOpen && a.highOpen == b.highOpen &&
               a.finiteOnly == b.finiteOnly && a.alsoZero == b.alsoZero;
    }
    friend constexpr bool operator!=(const NumberRange& a, const NumberRange& b) { return !(a == b); }
};

/// The finite numbers from `low` to `high`, both in.
constexpr NumberRange FiniteFromTo(double low, double high) {
    return {low, high, false, false, true, false};
}
/// `range` with 0 in as well.
constexpr NumberRange OrZero(NumberRange range) {
    range.alsoZero = true;
    return range;
}

inline constexpr NumberRange NumberRange::Any{};
inline constexpr NumberRange NumberRange::Finite{-std::numeric_limits<double>::infinity(),
                                                 std::numeric_limits<double>::infinity(),
                                                 false,
                                                 false,
                                                 true,
                                                 false};
inline constexpr NumberRange NumberRange::NotNegative =
    FiniteFromTo(0.0, std::numeric_limits<double>::infinity());
inline constexpr NumberRange NumberRange::Positive{
    0.0, std::numeric_limits<double>::infinity(), true, false, true, false};
inline constexpr NumberRange NumberRange::SetPointScale = FiniteFromTo(0.0, 3000.0);
inline constexpr NumberRange NumberRange::Percent = FiniteFromTo(0.0, 100.0);

/// The value a clamp gives where an open end has no nearest value: a thousandth inside it, the finest
/// simulated step in seconds.
inline constexpr double kLowestClampedPositive = 0.001;

bool isInRange(double value, const NumberRange& range);
/// The value of `range` nearest to `value`: below the range its lowest value (`low`, or
/// kLowestClampedPositive above an open `low`), above it its highest (the largest finite value where it
/// has no highest), 0 where that is nearer and in; NaN gives 0 where 0 is in, else the lowest value.
double clampIntoRange(double value, const NumberRange& range);

/// What rangeText says, before it is put together: `bounds` (context "NumberRange") with %1 the
/// translated `noun`, %2 and %3 the ends in `ends`, and then `either` (or nullptr) with %1 all that.
/// The interface translates each and puts them together the same way.
struct RangeWords {
    const char* noun;   ///< "a number", "a finite number"
    const char* bounds; ///< "%1 from %2 to %3", ...
    std::string ends[2];
    const char* either; ///< "0 or %1" when 0 is in besides, else nullptr
};
RangeWords rangeWords(const NumberRange& range);
/// What a value of the range is, e.g. "a finite number of 0 or more".
std::string rangeText(const NumberRange& range);

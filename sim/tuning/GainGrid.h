#pragma once

#include "PidOptions.h"

#include <cstdint>

/// `count` values evenly spaced from `from` to `to`, both included; a count of 1 is `from` alone.
struct GainRange {
    double from = 0.0;
    double to = 0.0;
    std::uint64_t count = 1;

    /// Value `i`, from 0 to count - 1; the last is `to` exactly.
    double ValueAt(std::uint64_t i) const;
};

/// Every combination of a Kp, a Ki and a Kd range, numbered with Kd varying fastest, then Ki, then Kp.
struct GainGrid {
    GainRange kp;
    GainRange ki;
    GainRange kd;

    /// The number of combinations, or 0 when it would overflow.
    std::uint64_t Size() const;
    /// Combination `index`, from 0 to Size() - 1.
    PidGains At(std::uint64_t index) const;
};

#include "GainGrid.h"

#include <initializer_list>
#include <limits>

double GainRange::ValueAt(std::uint64_t i) const {
    if (i == 0) {
        return from;
    }
    if (i + 1 >= count) {
        return to;
    }
    // The weighted mean, rather than from plus a multiple of the spacing, lands on the round values
    // users type ranges for more often (0.1:0.5:5 gives 0.3, not 0.30000000000000004).
    const double steps = static_cast<double>(count - 1);
    return (from * (steps - static_cast<double>(i)) + to * static_cast<double>(i)) / steps;
}

std::uint64_t GainGrid::Size() const {
    std::uint64_t size = 1;
    for (const std::uint64_t count : {kp.count, ki.count, kd.count}) {
        if (count != 0 && size > std::numeric_limits<std::uint64_t>::max() / count) {
            return 0;
        }
        size *= count;
    }
    return size;
}

PidGains GainGrid::At(std::uint64_t index) const {
    const double kdValue = kd.ValueAt(index % kd.count);
    index /= kd.count;
    const double kiValue = ki.ValueAt(index % ki.count);
    return {kp.ValueAt(index / ki.count), kiValue, kdValue};
}

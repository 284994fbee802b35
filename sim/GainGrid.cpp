#include "GainGrid.h"

#include <initializer_list>
#include <limits>

double GainRange::ValueAt(std::uint64_t i) const {
    if (i + 1 >= count) {
        return count == 1 ? from : to;
    }
    return from + (to - from) * (static_cast<double>(i) / static_cast<double>(count - 1));
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

#include "PowerRateLimit.h"

#include <algorithm>

double PowerRateLimit::Limit(double power) const {
    if (!active) {
        return power;
    }
    return std::min(std::max(power, previousPower - rate * dt), previousPower + rate * dt);
}

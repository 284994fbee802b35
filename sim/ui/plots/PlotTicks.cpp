#include "PlotTicks.h"

#include <cmath>

std::vector<double> PlotTicks(double low, double high, int most) {
    std::vector<double> ticks;
    const double span = high - low;
    if (!std::isfinite(span) || span <= 0.0 || most < 1)
        return ticks;
    const double power = std::pow(10.0, std::floor(std::log10(span / most)));
    double step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (span / step <= most)
            break;
    }
    // Counted in steps, so that the ticks are exact multiples and do not drift by repeated addition.
    for (double k = std::ceil(low / step); k * step <= high; ++k)
        ticks.push_back(k * step == 0.0 ? 0.0 : k * step);
    return ticks;
}

#include "PlotValueSpan.h"

#include <algorithm>

namespace {

/// The room left above the highest and below the lowest value, as a part of their range.
constexpr double kMargin = 0.05;

} // namespace

void PlotValueSpan::Include(double value) {
    if (std::isfinite(value)) {
        m_low = std::min(m_low, value);
        m_high = std::max(m_high, value);
    }
}

double PlotValueSpan::Room() const {
    return Top() > Bottom() ? (Top() - Bottom()) * kMargin : 1.0;
}

double PlotValueSpan::Low() const {
    return Bottom() - Room();
}

double PlotValueSpan::High() const {
    return Top() + Room();
}

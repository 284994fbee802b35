#include "StepClock.h"

#include <chrono>

namespace {

std::int64_t readSteadyClock() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

} // namespace

CounterSource SteadyCounter() {
    using Period = std::chrono::steady_clock::period;
    static_assert(Period::num == 1, "the steady clock must tick a whole fraction of a second");
    return {readSteadyClock, static_cast<std::int64_t>(Period::den)};
}

double CStepClock::Elapsed(Unit unit) const {
    const double ticks = static_cast<double>(m_source.read() - m_nStart);
    const double milliseconds = ticks / static_cast<double>(m_source.ticksPerSecond) * 1000.0;
    return unit == kSeconds ? milliseconds * 0.001 : milliseconds;
}

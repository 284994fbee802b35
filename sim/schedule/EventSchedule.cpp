#include "EventSchedule.h"

#include <algorithm>
#include <cmath>

namespace {

/// `steps` as a step number, or kNeverStep when it is not finite or beyond what a run could reach.
std::uint64_t wholeSteps(double steps) {
    // 2^63: every double below it converts exactly, and no run gets near it.
    constexpr double kBeyondAnyRun = 9223372036854775808.0;
    return std::isfinite(steps) && steps < kBeyondAnyRun ? static_cast<std::uint64_t>(steps) : kNeverStep;
}

} // namespace

std::uint64_t eventStep(double atS, double dtS) {
    if (atS == 0.0)
        return 1;
    const std::uint64_t steps = wholeSteps(std::round(atS / dtS));
    return steps == kNeverStep ? kNeverStep : steps + 1;
}

std::uint64_t stepsToRun(double runS, double dtS) {
    if (runS == 0.0)
        return 0;
    return wholeSteps(std::ceil(runS / dtS));
}

CEventSchedule::CEventSchedule(const std::vector<ScheduledEvent>& events, double dtS) : m_dtS(dtS) {
    Replace(events);
}

void CEventSchedule::Replace(const std::vector<ScheduledEvent>& events) {
    m_due.clear();
    m_due.reserve(events.size());
    for (const ScheduledEvent& event : events)
        m_due.push_back({eventStep(event.atS, m_dtS), event.change});
    std::stable_sort(m_due.begin(), m_due.end(), [](const Due& a, const Due& b) { return a.step < b.step; });
    m_next = 0;
    while (m_next < m_due.size() && m_due[m_next].step <= m_taken)
        ++m_next;
}

std::vector<SettingChange> CEventSchedule::TakeDue(std::uint64_t step) {
    m_taken = std::max(m_taken, step);
    std::vector<SettingChange> changes;
    for (; m_next < m_due.size() && m_due[m_next].step <= step; ++m_next)
        changes.push_back(m_due[m_next].change);
    return changes;
}

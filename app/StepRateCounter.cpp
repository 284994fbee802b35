#include "StepRateCounter.h"

#include <limits>

void CStepRateCounter::Clear() {
    m_nCount = 0;
    m_nNext = 0;
}

void CStepRateCounter::Add(double seconds, std::uint64_t steps) {
    if (m_nCount > 0 && steps < FromNewest(0).steps)
        Clear();
    m_readings[m_nNext] = {seconds, steps};
    m_nNext = (m_nNext + 1) % kCapacity;
    if (m_nCount < kCapacity)
        ++m_nCount;
}

double CStepRateCounter::Rate() const {
    if (m_nCount < 2)
        return std::numeric_limits<double>::quiet_NaN();
    const Reading& newest = FromNewest(0);
    std::size_t back = 1;
    while (back + 1 < m_nCount && newest.seconds - FromNewest(back + 1).seconds <= kWindowSeconds)
        ++back;
    const Reading& oldest = FromNewest(back);
    const double span = newest.seconds - oldest.seconds;
    if (!(span > 0.0))
        return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>(newest.steps - oldest.steps) / span;
}

const CStepRateCounter::Reading& CStepRateCounter::FromNewest(std::size_t back) const {
    return m_readings[(m_nNext + kCapacity - 1 - back) % kCapacity];
}

#include "DelayLine.h"

void CDelayLine::Push(double value) {
    if (m_ring.size() < kCapacity) {
        m_ring.push_back(value);
    } else {
        m_ring[m_nNext] = value;
    }
    m_nNext = m_nNext + 1 == kCapacity ? 0 : m_nNext + 1;
}

double CDelayLine::Delayed(std::size_t steps) const {
    if (steps >= m_ring.size()) {
        return 0.0;
    }
    // steps < m_ring.size() <= kCapacity: one wrap at most, and no division in the step's path.
    const std::size_t back = steps + 1;
    return m_ring[m_nNext >= back ? m_nNext - back : m_nNext + kCapacity - back];
}

void CDelayLine::Clear() {
    m_ring.clear();
    m_nNext = 0;
}

#include "DelayLine.h"

#include <algorithm>

void CDelayLine::Push(double value) {
    if (m_nCount == m_ring.size() && m_ring.size() < kCapacity) {
        Grow();
    }
    m_ring[m_nNext] = value;
    if (++m_nNext == m_ring.size()) {
        m_nNext = 0;
    }
    m_nCount = std::min(m_nCount + 1, m_ring.size());
}

double CDelayLine::Delayed(std::size_t steps) const {
    if (steps >= m_nCount) {
        return 0.0;
    }
    // steps < m_nCount <= m_ring.size(): one wrap at most, and no division in the step's path.
    const std::size_t back = steps + 1;
    return m_ring[m_nNext >= back ? m_nNext - back : m_nNext + m_ring.size() - back];
}

void CDelayLine::Clear() {
    m_nNext = 0;
    m_nCount = 0;
}

void CDelayLine::Grow() {
    // Only a full ring grows, so its oldest value sits at m_nNext.
    std::vector<double> larger(std::min(kCapacity, std::max(kFirstCapacity, 2 * m_ring.size())));
    const auto oldest = m_ring.begin() + static_cast<std::ptrdiff_t>(m_nNext);
    std::copy(m_ring.begin(), oldest, std::copy(oldest, m_ring.end(), larger.begin()));
    m_ring.swap(larger);
    m_nNext = m_nCount;
}

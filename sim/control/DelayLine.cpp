#include "DelayLine.h"

#include <algorithm>

double CDelayLine::Pass(double value, std::size_t steps) {
    steps = std::min(steps, kMaxDelay);
    if (steps >= m_ring.size()) {
        Lengthen(steps);
    }
    m_ring[m_nNext] = value;
    ++m_nPushes;
    const std::size_t size = m_ring.size();
    m_nNext = m_nNext + 1 == size ? 0 : m_nNext + 1;
    // steps < size: one wrap at most, and no division in the step's path.
    const std::size_t back = steps + 1;
    return m_ring[m_nNext >= back ? m_nNext - back : m_nNext + size - back];
}

void CDelayLine::Clear() {
    std::fill(m_ring.begin(), m_ring.end(), 0.0);
    m_nNext = 0;
    m_nPushes = 0;
    m_bLostValues = false;
}

/// Doubles the line at least, so that a dead time raised a little at a time reallocates only a few
/// times. The new older slots are what the run had before the oldest value kept: 0 before the run, and
/// once values have been overwritten, the oldest one kept, which is what a line that never lost a
/// value would pass in a steady state.
void CDelayLine::Lengthen(std::size_t steps) {
    const std::size_t oldSize = m_ring.size();
    const std::size_t newSize = std::min(std::max(steps + 1, 2 * oldSize), kMaxDelay + 1);
    m_bLostValues = m_bLostValues || m_nPushes > oldSize;
    std::vector<double> ring;
    ring.reserve(newSize);
    ring.assign(newSize - oldSize, m_bLostValues ? m_ring[m_nNext] : 0.0);
    ring.insert(ring.end(), m_ring.begin() + static_cast<std::ptrdiff_t>(m_nNext), m_ring.end());
    ring.insert(ring.end(), m_ring.begin(), m_ring.begin() + static_cast<std::ptrdiff_t>(m_nNext));
    m_ring.swap(ring);
    m_nNext = 0;
}

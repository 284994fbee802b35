#include "SampleHistory.h"

void SampleHistory::push_back(const Sample& sample) {
    ++m_nAppended;
    if (m_nSize < kCapacity) {
        m_ring[(m_nStart + m_nSize) % kCapacity] = sample;
        ++m_nSize;
    } else {
        m_ring[m_nStart] = sample;
        m_nStart = (m_nStart + 1) % kCapacity;
    }
}

#include "RunRecording.h"

#include <algorithm>
#include <new>

void RunRecording::push_back(const RecordedStep& step) {
    if (m_nCapacity == 0)
        return;
    ++m_nAppended;
    if (m_steps.size() < m_nCapacity) {
        if (m_steps.size() == m_steps.capacity())
            grow();
        if (m_steps.size() < m_nCapacity) {
            m_steps.push_back(step);
            return;
        }
    }
    m_steps[m_nStart] = step;
    m_nStart = m_nStart + 1 == m_nCapacity ? 0 : m_nStart + 1;
}

void RunRecording::grow() {
    // Grown here rather than by the vector, so that the last block stops at the capacity.
    try {
        m_steps.reserve(std::min(m_nCapacity, std::max(kFirstBlock, 2 * m_steps.capacity())));
    } catch (const std::bad_alloc&) {
        // Short of memory the run goes on: the recording keeps the length it has, dropping its oldest.
        m_nCapacity = m_steps.size();
    }
}

void RunRecording::clear() {
    m_steps.clear();
    m_nStart = 0;
    m_nAppended = 0;
}

void RunRecording::setCapacity(std::size_t capacity) {
    clear();
    m_steps.shrink_to_fit();
    m_nCapacity = capacity;
}

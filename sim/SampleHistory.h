#pragma once

#include "Sample.h"

#include <array>
#include <cstddef>
#include <cstdint>

/// The last kCapacity samples, oldest first, in a fixed ring: appending and dropping the oldest
/// cost nothing and never allocate, at a thousand steps a second in every window.
class SampleHistory {
public:
    static constexpr std::size_t kCapacity = 1500;

    bool empty() const { return m_nSize == 0; }
    std::size_t size() const { return m_nSize; }
    /// i = 0 is the oldest sample, size() - 1 the newest.
    const Sample& operator[](std::size_t i) const { return m_ring[(m_nStart + i) % kCapacity]; }
    const Sample& newest() const { return (*this)[m_nSize - 1]; }
    /// Samples appended since the history began, the dropped ones included: the newest sample's step
    /// number, counting from 1.
    std::uint64_t appended() const { return m_nAppended; }
    /// Appends at the end; when full, the oldest sample goes.
    void push_back(const Sample& sample);

private:
    std::array<Sample, kCapacity> m_ring{};
    std::size_t m_nStart = 0;
    std::size_t m_nSize = 0;
    std::uint64_t m_nAppended = 0;
};

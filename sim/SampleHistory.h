#pragma once

#include "Sample.h"

#include <array>
#include <cstddef>

/// The last kCapacity samples, oldest first, in a fixed ring: appending and dropping the oldest
/// cost nothing and never allocate, at a thousand steps a second in every window.
class SampleHistory {
public:
    static constexpr std::size_t kCapacity = 1500;

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    /// i = 0 is the oldest sample, size() - 1 the newest.
    const Sample& operator[](std::size_t i) const { return ring_[(start_ + i) % kCapacity]; }
    const Sample& newest() const { return (*this)[size_ - 1]; }
    /// Appends at the end; when full, the oldest sample goes.
    void push_back(const Sample& sample);

private:
    std::array<Sample, kCapacity> ring_{};
    std::size_t start_ = 0;
    std::size_t size_ = 0;
};

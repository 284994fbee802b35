#include "DelayLine.h"

#include <algorithm>

void DelayLine::push(double value) {
    if (count_ == ring_.size() && ring_.size() < kCapacity) {
        grow();
    }
    ring_[next_] = value;
    if (++next_ == ring_.size()) {
        next_ = 0;
    }
    count_ = std::min(count_ + 1, ring_.size());
}

double DelayLine::delayed(std::size_t steps) const {
    if (steps >= count_) {
        return 0.0;
    }
    // steps < count_ <= ring_.size(): one wrap at most, and no division in the step's path.
    const std::size_t back = steps + 1;
    return ring_[next_ >= back ? next_ - back : next_ + ring_.size() - back];
}

void DelayLine::clear() {
    next_ = 0;
    count_ = 0;
}

void DelayLine::grow() {
    // Only a full ring grows, so its oldest value sits at next_.
    std::vector<double> larger(std::min(kCapacity, std::max(kFirstCapacity, 2 * ring_.size())));
    const auto oldest = ring_.begin() + static_cast<std::ptrdiff_t>(next_);
    std::copy(ring_.begin(), oldest, std::copy(oldest, ring_.end(), larger.begin()));
    ring_.swap(larger);
    next_ = count_;
}

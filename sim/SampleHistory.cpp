#include "SampleHistory.h"

void SampleHistory::push_back(const Sample& sample) {
    if (size_ < kCapacity) {
        ring_[(start_ + size_) % kCapacity] = sample;
        ++size_;
    } else {
        ring_[start_] = sample;
        start_ = (start_ + 1) % kCapacity;
    }
}

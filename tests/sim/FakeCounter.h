#pragma once

#include "StepClock.h"

#include <cstdint>

/// A counter that moves on by a fixed number of ticks every time it is read.
struct FakeCounter {
    static inline std::int64_t now = 0;
    static inline std::int64_t ticksPerRead = 0;
    static std::int64_t read() { return now += ticksPerRead; }
    static CounterSource source(std::int64_t ticksPerSecond, std::int64_t ticks) {
        now = 0;
        ticksPerRead = ticks;
        return {read, ticksPerSecond};
    }
};

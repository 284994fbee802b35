#pragma once

#include <cstdint>

/// Where a stopwatch reads its time: a monotonic tick counter and the ticks it counts per second.
/// Tests put a fake counter here so that the figures computed from elapsed times become exact.
struct CounterSource {
    std::int64_t (*read)();
    std::int64_t ticksPerSecond;
};

/// The monotonic high-resolution counter of the platform.
CounterSource SteadyCounter();

/// A stopwatch over a counter: the step measures its own cost with it and the paint its frame time.
class CStepClock {
public:
    /// The unit Elapsed answers in; the numbers are those callers have always passed.
    enum Unit : int {
        kMilliseconds = 0,
        kSeconds = 1,
    };

    explicit CStepClock(CounterSource source = SteadyCounter()) : m_source(source) {}

    /// Remembers the counter's reading.
    void Start() { m_nStart = m_source.read(); }
    /// Time since Start in milliseconds, or in seconds when `unit` is kSeconds.
    double Elapsed(Unit unit = kMilliseconds) const;

private:
    CounterSource m_source;
    std::int64_t m_nStart = 0;
};

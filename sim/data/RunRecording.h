#pragma once

#include "Sample.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// One recorded step: its sample and what the step-response meter took besides it, so that a
/// response read back from the recording measures exactly as it did live.
struct RecordedStep {
    Sample sample;
    double pointBefore = 0.0;    ///< the point before the step
    double dt = 0.0;             ///< the step's simulated length in seconds
    bool setPointByHand = false; ///< the set point was changed with its trackbar held down
};

/// A window's whole run, step by step, oldest first, up to a capacity beyond which the oldest steps go.
/// The memory grows by doubling up to the capacity and is kept from then on, so appending never
/// allocates once the run is long, at a thousand steps a second in every window; a short run costs
/// little. At kCapacity steps of 96 bytes a window keeps at most 96 MB.
class RunRecording {
public:
    static constexpr std::size_t kCapacity = 1000000;
    /// The first allocation, in steps: a few seconds of a run at full speed.
    static constexpr std::size_t kFirstBlock = 4096;

    /// A recording of `capacity` steps; 0 records nothing (the command line keeps no recording).
    explicit RunRecording(std::size_t capacity = 0) : m_nCapacity(capacity) {}

    bool empty() const { return m_steps.empty(); }
    std::size_t size() const { return m_steps.size(); }
    std::size_t capacity() const { return m_nCapacity; }
    /// i = 0 is the oldest step kept, size() - 1 the newest.
    const RecordedStep& operator[](std::size_t i) const {
        return m_steps[m_nStart + i < m_steps.size() ? m_nStart + i : m_nStart + i - m_steps.size()];
    }
    /// The run's step number (from 1) of the step at i: the dropped steps count too.
    std::uint64_t stepNumber(std::size_t i) const { return m_nAppended - m_steps.size() + i + 1; }

    /// Appends at the end; when full, the oldest step goes.
    void push_back(const RecordedStep& step);
    /// Forgets every step, keeping the memory: the next step is the first of a new run.
    void clear();
    /// Forgets every step and records up to `capacity` steps from now on.
    void setCapacity(std::size_t capacity);

private:
    void grow();

    std::vector<RecordedStep> m_steps;
    std::size_t m_nCapacity;
    std::size_t m_nStart = 0;
    std::uint64_t m_nAppended = 0;
};

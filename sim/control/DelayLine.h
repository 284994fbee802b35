#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// The values of the last steps, newest last, for a dead time that may be switched on or lengthened at
/// any moment. The line is as long as the longest delay asked of it since it was made (at most
/// kMaxDelay + 1 values): a run without a dead time holds one value, and a line grows only when a longer
/// delay is asked for, never at an ordinary step.
class CDelayLine {
public:
    /// The longest delay in steps.
    static constexpr std::size_t kMaxDelay = 100000;

    /// Records this step's value and returns the one recorded `steps` pushes before it (0: the value
    /// itself), `steps` at most kMaxDelay. A time before the first push reads as 0. A delay longer than
    /// the line has held reaches back past what it kept: those steps read as the oldest value kept.
    double Pass(double value, std::size_t steps);
    /// Forgets every value; the memory is kept for the next run.
    void Clear();

private:
    void Lengthen(std::size_t steps);

    std::vector<double> m_ring = std::vector<double>(1, 0.0); // every slot a value; oldest at m_nNext
    std::size_t m_nNext = 0;
    std::uint64_t m_nPushes = 0; // since the last Clear
    bool m_bLostValues = false;  // some value was overwritten before the line grew
};

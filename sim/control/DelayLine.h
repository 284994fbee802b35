#pragma once

#include <cstddef>
#include <vector>

/// The values of the last kMaxDelay + 1 steps, newest last, for a dead time that may be switched on or
/// lengthened at any moment and must then pass on what really went in back then. The whole ring is
/// reserved when the line is made (address space only: a page is touched when the run first reaches
/// it), so recording a step never allocates.
class CDelayLine {
public:
    /// The longest delay in steps.
    static constexpr std::size_t kMaxDelay = 100000;

    CDelayLine() { m_ring.reserve(kCapacity); }

    /// Records the value of this step.
    void Push(double value);
    /// The value recorded `steps` pushes before the newest (0: the newest itself), at most kMaxDelay;
    /// 0 for a time before the first push.
    double Delayed(std::size_t steps) const;
    /// Forgets every value; the memory is kept for the next run.
    void Clear();

private:
    static constexpr std::size_t kCapacity = kMaxDelay + 1;

    std::vector<double> m_ring; // fills up to kCapacity values, then wraps
    std::size_t m_nNext = 0;    // where the next value goes
};

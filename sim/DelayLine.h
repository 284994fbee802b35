#pragma once

#include <cstddef>
#include <vector>

/// The values of the last kMaxDelay + 1 steps, newest last, for a dead time that may be switched on or
/// lengthened at any moment and must then pass on what really went in back then. The ring grows by
/// doubling up to its cap, so a step allocates only a handful of times in a whole run, never per step.
class CDelayLine {
public:
    /// The longest delay in steps.
    static constexpr std::size_t kMaxDelay = 100000;

    /// Records the value of this step.
    void Push(double value);
    /// The value recorded `steps` pushes before the newest (0: the newest itself), at most kMaxDelay;
    /// 0 for a time before the first push.
    double Delayed(std::size_t steps) const;
    /// Forgets every value; the memory is kept for the next run.
    void Clear();

private:
    static constexpr std::size_t kCapacity = kMaxDelay + 1;
    static constexpr std::size_t kFirstCapacity = 1024;

    void Grow();

    std::vector<double> m_ring;
    std::size_t m_nNext = 0;  // where the next value goes
    std::size_t m_nCount = 0; // values held, up to m_ring.size()
};

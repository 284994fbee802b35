#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

/// The rate at which a simulation really steps, counted over the last second from readings of its
/// step count taken a few times a second. Unlike the CPS figure (the inverse of one step's computing
/// time) it shows how many steps the window made, however the timer kept up.
class CStepRateCounter {
public:
    /// The span the rate is counted over.
    static constexpr double kWindowSeconds = 1.0;

    /// Forgets the readings, as for another window.
    void Clear();
    /// Adds a reading: the time in seconds and the steps the simulation has made. A count lower than
    /// the last one (a run that began again) starts the readings afresh.
    void Add(double seconds, std::uint64_t steps);
    /// Steps per second between the newest reading and the oldest one at most a second older (or the
    /// one before it, when the readings stalled); NaN while there are not two readings.
    double Rate() const;

private:
    struct Reading {
        double seconds;
        std::uint64_t steps;
    };
    /// Readings ten times a second fill a second with room to spare.
    static constexpr std::size_t kCapacity = 16;

    const Reading& FromNewest(std::size_t back) const;

    std::array<Reading, kCapacity> m_readings{};
    std::size_t m_nCount = 0;
    std::size_t m_nNext = 0;
};

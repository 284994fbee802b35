#pragma once

#include <cstdint>

/// The measurement noise's generator: SplitMix64, so that a seed gives the same sequence on every
/// platform and compiler, and a standard normal value from two of its draws (Box and Muller).
class CNoiseSource {
public:
    explicit CNoiseSource(std::uint64_t seed = 1) : m_nState(seed) {}

    /// Starts the sequence again from `seed`.
    void Restart(std::uint64_t seed) { m_nState = seed; }
    /// The next value, uniform in [0, 1) on 53 bits.
    double Uniform();
    /// A standard normal value from the next two uniform values.
    double Gaussian();

private:
    std::uint64_t m_nState;
};

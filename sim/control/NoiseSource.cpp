#include "NoiseSource.h"

#include <cmath>

double CNoiseSource::Uniform() {
    m_nState += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_nState;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double CNoiseSource::Gaussian() {
    // 1 - u1 lies in (0, 1], so the logarithm is always finite.
    const double u1 = Uniform();
    const double u2 = Uniform();
    return std::sqrt(-2.0 * std::log(1.0 - u1)) * std::cos(2.0 * M_PI * u2);
}

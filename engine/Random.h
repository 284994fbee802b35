#pragma once

#include <cstdint>

/// A linear congruential generator of whole numbers from 0 to 32767: state = state * 214013 + 2531011
/// (mod 2^32), answering bits 16 to 30. The same seed gives the same numbers in every run.
class Rand15 {
public:
    explicit Rand15(std::uint32_t seed = 1) : state_(seed) {}
    int next();

private:
    std::uint32_t state_;
};

/// The next number of the engine's one generator, shared by the whole process, seeded with 1 and
/// never reseeded.
int rand15();

/// "frand" for the draw r: lo + r * ((hi - lo) * K), K being the double nearest 1/32767.
double frandValue(double a, double b, int r);
/// "irand" for the draw r: a and b truncated, then the truncation of lo + r * ((hi + 1 - lo) * K).
double irandValue(double a, double b, int r);

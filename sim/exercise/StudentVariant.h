#pragma once

#include "NoiseSource.h"

#include <cstdint>
#include <string>

/// FNV-1a, 64 bits, of `bytes` (a student id's UTF-8 bytes).
std::uint64_t fnv1a64(const std::string& bytes);

/// A student's plant variant, one value per variant of the exercise's list: the same seed and student
/// id give the same values on every machine, and another id other values. The generator starts at
/// variantSeed XOR fnv1a64(id) and draws as the measurement noise does, one draw per variant in the
/// list's order, so the caller asks for the values in that order.
class CStudentVariantDraw {
public:
    CStudentVariantDraw(std::uint64_t variantSeed, const std::string& studentId);

    /// The next variant's value: min + u (max - min) for the next uniform u, on the grid of `step` from
    /// min when step > 0, within [min, max].
    double Next(double min, double max, double step);

private:
    CNoiseSource m_source;
};

#include "StudentVariant.h"

#include <algorithm>
#include <cmath>

std::uint64_t fnv1a64(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

CStudentVariantDraw::CStudentVariantDraw(std::uint64_t variantSeed, const std::string& studentId)
    : m_source(variantSeed ^ fnv1a64(studentId)) {}

double CStudentVariantDraw::Next(double min, double max, double step) {
    double value = min + m_source.Uniform() * (max - min);
    if (step > 0.0)
        value = min + step * std::round((value - min) / step);
    // Not std::clamp: a list whose min is above its max must not make this undefined.
    return std::min(std::max(value, min), max);
}

#include "Random.h"

#include "Truncation.h"

namespace {

constexpr double kOneOver32767 = 3.051850947599719e-05;

// Constant-initialised (the constructor is constexpr), so no thread-local initialisation wrapper is
// needed to reach it.
thread_local Rand15 threadGenerator;

} // namespace

int Rand15::next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

int rand15() {
    return threadGenerator.next();
}

FreshRandomScope::FreshRandomScope() : saved_(threadGenerator) {
    threadGenerator = Rand15();
}

FreshRandomScope::~FreshRandomScope() {
    threadGenerator = saved_;
}

double frandValue(double a, double b, int r) {
    const double lo = a < b ? a : b;
    const double hi = a < b ? b : a;
    return lo + r * ((hi - lo) * kOneOver32767);
}

double irandValue(double a, double b, int r) {
    const double first = trunc32(a);
    const double second = trunc32(b);
    const double lo = first < second ? first : second;
    const double hi = first < second ? second : first;
    return trunc32(lo + r * ((hi + 1 - lo) * kOneOver32767));
}

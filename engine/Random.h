#pragma once

#include <cstdint>

/// A linear congruential generator of whole numbers from 0 to 32767: state = state * 214013 + 2531011
/// (mod 2^32), answering bits 16 to 30. The same seed gives the same numbers in every run.
class Rand15 {
public:
    static constexpr std::uint32_t kInitialSeed = 1;

    constexpr explicit Rand15(std::uint32_t seed = kInitialSeed) : state_(seed) {}
    int next();

private:
    std::uint32_t state_;
};

/// The next number of the calling thread's generator. Each thread has its own, seeded with
/// Rand15::kInitialSeed when the thread starts and never reseeded, so the user-interface thread draws the
/// same sequence as ever and threads running simulations side by side never race on it.
int rand15();

/// Gives the calling thread a generator started afresh from the initial seed for the lifetime of the
/// scope, and its own generator back, where it was, on exit: a headless run (a tuning experiment, one
/// combination of a gain sweep) draws the same numbers whenever and wherever it runs, and leaves the
/// sequence of the simulation it was copied from untouched.
class FreshRandomScope {
public:
    FreshRandomScope();
    ~FreshRandomScope();
    FreshRandomScope(const FreshRandomScope&) = delete;
    FreshRandomScope& operator=(const FreshRandomScope&) = delete;

private:
    Rand15 saved_;
};

/// "frand" for the draw r: lo + r * ((hi - lo) * K), K being the double nearest 1/32767.
double frandValue(double a, double b, int r);
/// "irand" for the draw r: a and b truncated, then the truncation of lo + r * ((hi + 1 - lo) * K).
double irandValue(double a, double b, int r);

#pragma once

#include <cstddef>

/// gcd of a list of positive integers, folded from the left. Each element is checked in order: status
/// kGcdNotPositive for one <= 0, kGcdIntegers for a non-integer, with the value 0 at the first failing
/// element.
double listGcd(const double* args, std::size_t count, int& status);

/// lcm of a list of positive integers, folded from the left and exact however large (a result beyond
/// 2^53 is the nearest double, infinity beyond the double range). Checks as for gcd, with
/// kLcmNotPositive and kLcmIntegers.
double listLcm(const double* args, std::size_t count, int& status);

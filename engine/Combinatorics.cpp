#include "Combinatorics.h"

#include "StatusCodes.h"
#include "Truncation.h"

#include <algorithm>
#include <cmath>

namespace {

/// F(n) is finite up to here; above it the quotients of factorials would be infinity over infinity.
constexpr double kLargestFiniteFactorial = 170.0;

/// from × (from + 1) × … × to, multiplied in ascending order; 1 when from > to. Stops growing once
/// infinite, so no range costs more than a few hundred steps when from ≥ 1.
double ascendingProduct(double from, double to) {
    double product = 1.0;
    for (double factor = from; factor <= to && !std::isinf(product); factor += 1.0)
        product *= factor;
    return product;
}

/// nCr for n above kLargestFiniteFactorial: the product over i = 1..k of (n - k + i) / i with
/// k = min(r, n - r), each step a multiplication then a division, stopping once infinite.
double largeCombinations(double n, double r) {
    const double k = std::min(r, n - r);
    double value = 1.0;
    for (double i = 1.0; i <= k && !std::isinf(value); i += 1.0) {
        value *= n - k + i;
        value /= i;
    }
    return value;
}

} // namespace

double factorial(double v) {
    if (!isWholeInt32(v) || v < 0)
        return 0.0;
    double product = 1.0;
    for (double factor = 2.0; factor <= v && !std::isinf(product); factor += 1.0)
        product *= factor;
    return product;
}

double factorialOperator(double x, int& status) {
    if (!isWholeInt32(x) || x < 0) {
        status = kFactorialDomain;
        return 0.0;
    }
    return factorial(x);
}

double permutations(double n, double r, int& status) {
    const bool integers = isWholeInt32(n) && isWholeInt32(r);
    if (n < r)
        status = kNprOrder;
    else if (!integers)
        status = kNprIntegers;
    if (!integers)
        return 0.0;
    // Computed even when n < r, as the operator always has been; the caller ignores it then. The
    // quotient of factorials stays where it is finite, so every result it gave stays as it was.
    if (n <= kLargestFiniteFactorial || n < r)
        return factorial(n) / factorial(n - r);
    return ascendingProduct(n - r + 1.0, n);
}

double combinations(double n, double r, int& status) {
    if (n < r) {
        status = kNcrOrder;
        return 0.0;
    }
    if (!isWholeInt32(n) || !isWholeInt32(r)) {
        status = kNcrIntegers;
        return 0.0;
    }
    if (n <= kLargestFiniteFactorial)
        return permutations(n, r, status) / factorial(r);
    return largeCombinations(n, r);
}

double fibonacci(double x, int& status) {
    if (x < 1 || !isWholeInt32(x)) {
        status = kFibonacciDomain;
        return 0.0;
    }
    // Doubles hold every value up to fib(78) exactly, so the 32-bit results up to fib(46) are the same.
    double previous = 1.0;
    double current = 1.0;
    for (double i = 3.0; i <= x && !std::isinf(current); i += 1.0) {
        const double next = previous + current;
        previous = current;
        current = next;
    }
    return current;
}

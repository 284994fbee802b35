#include "Combinatorics.h"

#include "StatusCodes.h"
#include "Truncation.h"

#include <cmath>

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
    // Computed even when n < r, as the operator always has been; the caller ignores it then.
    return integers ? factorial(n) / factorial(n - r) : 0.0;
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
    return permutations(n, r, status) / factorial(r);
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

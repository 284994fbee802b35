#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// A strict weak order even with values that are not a number (which std::sort requires): they sort
// after every number and are equivalent to each other.
bool ascending(double a, double b) {
    return std::isnan(b) ? !std::isnan(a) : a < b;
}

double sum(const double* args, std::size_t count) {
    double total = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        total += args[i];
    return total;
}

} // namespace

double listMinimum(const double* args, std::size_t count) {
    double result = args[0];
    for (std::size_t i = 1; i < count; ++i)
        if (args[i] < result)
            result = args[i];
    return result;
}

double listMaximum(const double* args, std::size_t count) {
    double result = args[0];
    for (std::size_t i = 1; i < count; ++i)
        if (args[i] > result)
            result = args[i];
    return result;
}

double listMean(const double* args, std::size_t count) {
    return sum(args, count) / static_cast<double>(count);
}

double listMedian(double* args, std::size_t count) {
    std::sort(args, args + count, ascending);
    if (count % 2 == 0)
        return (args[count / 2 - 1] + args[count / 2]) * 0.5;
    return args[(count - 1) / 2];
}

double listMode(const double* args, std::size_t count) {
    // Positions sorted by value, equal values in written order: each run of equal values then starts
    // at the position its count is credited to. Sorting keeps long lists fast.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [args](std::size_t a, std::size_t b) { return ascending(args[a], args[b]); });
    std::size_t bestFirst = 0;
    std::size_t bestCount = 0;
    for (std::size_t run = 0; run < count;) {
        std::size_t end = run + 1;
        while (end < count && args[order[end]] == args[order[run]])
            ++end;
        const std::size_t first = order[run];
        if (end - run > bestCount || (end - run == bestCount && first < bestFirst)) {
            bestCount = end - run;
            bestFirst = first;
        }
        run = end;
    }
    return args[bestFirst];
}

double listVariance(const double* args, std::size_t count) {
    double squares = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        squares += std::pow(args[i], 2);
    const double n = static_cast<double>(count);
    return squares / n - std::pow(sum(args, count) / n, 2);
}

double listStdev(const double* args, std::size_t count) {
    return std::sqrt(listVariance(args, count));
}

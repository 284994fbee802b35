#pragma once

#include <cstddef>

// The statistical list functions. Each takes the evaluated arguments in the order written
// (at least one) and may reorder them.

/// The first smallest element; a later element replaces it only when strictly smaller.
double listMinimum(const double* args, std::size_t count);
/// The first largest element; a later element replaces it only when strictly larger.
double listMaximum(const double* args, std::size_t count);
/// The sum, added in order, divided by the count.
double listMean(const double* args, std::size_t count);
/// The middle element after an ascending sort, or the mean of the two middle ones. Values that are
/// not a number sort last.
double listMedian(double* args, std::size_t count);
/// The most frequent value (exact equality); on equal counts the one that appears first.
double listMode(const double* args, std::size_t count);
/// Population variance: the mean of the squares minus pow(mean, 2).
double listVariance(const double* args, std::size_t count);
/// The square root of the variance (a tiny negative variance from rounding gives a value that is not a
/// number).
double listStdev(const double* args, std::size_t count);

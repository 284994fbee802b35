#pragma once

#include <cstdint>
#include <functional>
#include <string>

/// Appends the row of one item; runs on any of the threads, so it must touch nothing shared.
using MakeRow = std::function<void(std::uint64_t item, std::string& row)>;
/// Takes the rows of a block of items, in the items' order; false stops the work.
using WriteRows = std::function<bool(const std::string& rows)>;
/// Told on the calling thread how many items are done, after each block.
using RowsDone = std::function<void(std::uint64_t done)>;

/// How a run of writeRowsInParallel ended.
enum class RowsOutcome {
    Written,
    WriteFailed, ///< `write` said false
    OutOfMemory, ///< a row could not be made
};

/// Makes the rows of items 0 to count - 1 on `jobs` threads (the calling one among them), a block of
/// items at a time, and hands each block's rows to `write` in the items' order: the output is the
/// same whatever the number of threads, and the memory held stays bounded however many items there
/// are. When fewer threads can be started than asked for, the others do the work.
RowsOutcome writeRowsInParallel(std::uint64_t count, unsigned jobs, const MakeRow& makeRow,
                                const WriteRows& write, const RowsDone& done = {});

#pragma once

#include <cstddef>

/// Replaces the program's operator new and delete, so that a test can make one allocation fail with
/// std::bad_alloc, as when memory runs out, and can see how large the allocations of a run were.
/// Link it only into test programs of their own: the sanitizers no longer see new and delete apart
/// from malloc and free there.
namespace AllocationFault {

/// The `n`-th allocation made on this thread from now on (1: the next one) throws std::bad_alloc;
/// the ones after it succeed again.
void FailAllocation(long n = 1);
/// Whether the failure asked for has not happened yet.
bool Pending();
/// Forgets a failure that has not happened.
void Disarm();

/// Starts counting this thread's allocations and measuring the largest one.
void StartWatching();
long AllocationCount();
std::size_t LargestAllocation();

} // namespace AllocationFault

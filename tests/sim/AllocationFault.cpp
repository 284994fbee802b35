#include "AllocationFault.h"

#include <cstdlib>
#include <new>

namespace {

thread_local long tl_untilFailure = 0; // 0: no failure asked for
thread_local long tl_count = 0;
thread_local std::size_t tl_largest = 0;

void* allocate(std::size_t size) {
    ++tl_count;
    if (size > tl_largest)
        tl_largest = size;
    if (tl_untilFailure > 0 && --tl_untilFailure == 0)
        throw std::bad_alloc();
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void* allocateOrNull(std::size_t size) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

namespace AllocationFault {

void FailAllocation(long n) {
    tl_untilFailure = n;
}

bool Pending() {
    return tl_untilFailure > 0;
}

void Disarm() {
    tl_untilFailure = 0;
}

void StartWatching() {
    tl_count = 0;
    tl_largest = 0;
}

long AllocationCount() {
    return tl_count;
}

std::size_t LargestAllocation() {
    return tl_largest;
}

} // namespace AllocationFault

void* operator new(std::size_t size) {
    return allocate(size);
}

void* operator new[](std::size_t size) {
    return allocate(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

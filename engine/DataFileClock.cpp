#include "DataFileClock.h"

#include <time.h>

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

} // namespace

FileTime DataFileClock::now() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return {static_cast<std::int64_t>(now.tv_sec), static_cast<std::int64_t>(now.tv_nsec)};
}

std::int64_t DataFileClock::steadyNanoseconds() const {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}

const DataFileClock& systemDataFileClock() {
    static const DataFileClock clock;
    return clock;
}

// In 128 bits, so that no time stamp, however far off, overflows.
bool isWithin(FileTime time, FileTime now, std::int64_t windowSeconds) {
    const auto nanoseconds = [](FileTime t) {
        return static_cast<__int128>(t.seconds) * kNanosecondsPerSecond + t.nanoseconds;
    };
    const __int128 difference = nanoseconds(time) - nanoseconds(now);
    const __int128 window = static_cast<__int128>(windowSeconds) * kNanosecondsPerSecond;
    return difference > -window && difference <= window;
}

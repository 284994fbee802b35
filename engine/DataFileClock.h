#pragma once

#include <cstdint>

/// A time as file systems write it: seconds and nanoseconds since 1970.
struct FileTime {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;

    bool operator==(const FileTime& other) const {
        return seconds == other.seconds && nanoseconds == other.nanoseconds;
    }
};

/// The two clocks the data-file cache consults; tests give the cache clocks of their own.
class DataFileClock {
public:
    virtual ~DataFileClock() = default;
    /// The wall clock, which modification times are taken from.
    virtual FileTime now() const;
    /// A clock that only moves forward, for the time between two checks of a file.
    virtual std::int64_t steadyNanoseconds() const;
};

/// The real clocks.
const DataFileClock& systemDataFileClock();

/// True when `time` lies within `windowSeconds` of `now`, before or after it.
bool isWithin(FileTime time, FileTime now, std::int64_t windowSeconds);

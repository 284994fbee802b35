#pragma once

#include "DataFileClock.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

/// What stat() tells about a file; a file that is replaced or written to gets a different stamp.
struct DataFileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    FileTime modified;
    FileTime changed;

    bool operator==(const DataFileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified == other.modified && changed == other.changed;
    }
};

/// A data file larger than this is not read: it is treated as unreadable, as a missing file is. The
/// shipped files take a few kilobytes, and the records of a file take a few times its size.
inline constexpr std::int64_t kMaxDataFileSize = 16 * 1024 * 1024;

/// Fills `identity` for the regular file at `path`. False when there is none: a missing file, or a
/// directory or pipe, which could not be read as a file.
bool identifyFile(const std::string& path, DataFileStamp& identity);

/// Reads the whole regular file at `path` into `content` and fills `identity` from the opened file.
/// False, with `content` unspecified, when it cannot be opened, is not a regular file once opened (a
/// pipe put in its place is never waited on) or is larger than kMaxDataFileSize.
bool readRegularFile(const std::string& path, std::string& content, DataFileStamp& identity);

enum class RegularFileRead {
    Ok,
    CannotOpen, ///< errno tells why
    NotRegular, ///< a directory, a pipe or a device
    TooLarge,
    CannotRead, ///< errno tells why
};

/// Reads the whole regular file at `path`, at most `maxSize` bytes, as readRegularFile does, and says
/// why not when it cannot.
RegularFileRead readRegularFileUpTo(const std::string& path, std::int64_t maxSize, std::string& content,
                                    DataFileStamp& identity);

/// The first of `folders` ("" is the working directory) that holds a regular file named `fileName`:
/// its path and identity. False when none does.
bool findDataFile(const std::vector<std::string>& folders, const std::string& fileName, std::string& path,
                  DataFileStamp& identity);

/// Modification times are only as fine as the file system's clock tick (up to two seconds), so a file
/// whose time stamp lies this close to now may be written again without changing its identity...
inline constexpr std::int64_t kTimestampGranularitySeconds = 2;
/// ... and such a file is read again at most this often, however often it is asked for. A time stamp
/// further in the future counts as settled, like an old one.
inline constexpr std::int64_t kUnsettledRecheckNanoseconds = 100'000'000;

/// The parsed content of one data file, kept by a DataFiles store for every engine built from it. Every
/// engine is built afresh, on every simulation step; the cache serves the parsed records for the cost
/// of one stat() while the file keeps its identity, and reads the file again as soon as it changes.
/// A failed read or parse (out of memory) leaves what the cache held as it was.
template <typename Table> class DataFileCache {
public:
    using Parse = Table (*)(std::string_view content);

    DataFileCache(std::string fileName, Parse parse, const DataFileClock& clock = systemDataFileClock())
        : fileName(std::move(fileName)), parse(parse), clock(clock) {}

    /// The records of the file as it is now, from the first of `folders` that holds it; none when it is
    /// missing or cannot be read.
    std::shared_ptr<const Table> load(const std::vector<std::string>& folders) {
        const FileTime now = clock.now();
        const std::int64_t steadyNow = clock.steadyNanoseconds();
        std::string path;
        DataFileStamp current;
        if (!findDataFile(folders, fileName, path, current))
            return none;
        std::lock_guard<std::mutex> lock(mutex);
        if (records && current == identity &&
            (settled || steadyNow - checkedAt < kUnsettledRecheckNanoseconds))
            return records;
        std::string content;
        DataFileStamp opened;
        if (!readRegularFile(path, content, opened))
            return none;
        records = std::make_shared<const Table>(parse(content));
        identity = opened;
        settled = !isWithin(opened.modified, now, kTimestampGranularitySeconds);
        checkedAt = steadyNow;
        return records;
    }

private:
    const std::string fileName;
    const Parse parse;
    const DataFileClock& clock;
    const std::shared_ptr<const Table> none = std::make_shared<const Table>();
    std::mutex mutex;
    std::shared_ptr<const Table> records;
    DataFileStamp identity;
    bool settled = false;
    std::int64_t checkedAt = 0;
};

#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <mutex>
#include <vector>

/// What stat() tells about a file; a file that is replaced or written to gets a different identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0; // kept apart from the nanoseconds: any time stamp fits
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds;
    }
};

/// Fills `identity` for the regular file at `path`. False when there is none: a missing file, or a
/// directory or pipe, which could not be read as a file (opening a pipe would even block).
bool identifyFile(const char* path, FileIdentity& identity);

/// The wall clock in whole seconds, the clock that file modification times are taken from.
std::int64_t wallClockSeconds();

/// Modification times are only as fine as the file system's clock tick (up to two seconds), so a file
/// written again this soon after it was read may keep its identity: such a file is read every time
/// until its time stamp is older than this.
inline constexpr std::int64_t kTimestampGranularitySeconds = 2;

/// The parsed content of one data file, kept by a DataFiles store for every engine built from it. Every
/// engine is built afresh, on every simulation step; the cache serves the parsed records for the cost
/// of one stat() while the file keeps its identity, and reads the file again as soon as it changes.
template <typename Record> class DataFileCache {
public:
    using Records = std::vector<Record>;
    using Reader = Records (*)(std::istream&);

    DataFileCache(const char* fileName, Reader read) : fileName_(fileName), read_(read) {}

    /// The records of the file as it is now, by its name relative to the working directory; none when
    /// it is missing or cannot be read.
    std::shared_ptr<const Records> load() {
        const std::int64_t now = wallClockSeconds();
        FileIdentity identity;
        if (!identifyFile(fileName_, identity))
            return empty_;
        std::lock_guard<std::mutex> lock(mutex_);
        if (records_ && settled_ && identity == identity_)
            return records_;
        std::ifstream in(fileName_, std::ios::binary);
        if (!in)
            return empty_;
        records_ = std::make_shared<const Records>(read_(in));
        identity_ = identity;
        settled_ = identity.modifiedSeconds < now - kTimestampGranularitySeconds;
        return records_;
    }

private:
    const char* fileName_;
    Reader read_;
    const std::shared_ptr<const Records> empty_ = std::make_shared<const Records>();
    std::mutex mutex_;
    std::shared_ptr<const Records> records_;
    FileIdentity identity_;
    bool settled_ = false;
};

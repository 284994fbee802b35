#include "DataFileCache.h"

#include <sys/stat.h>
#include <time.h>

bool identifyFile(const char* path, FileIdentity& identity) {
    struct stat status {};
    if (stat(path, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    identity.device = static_cast<std::uint64_t>(status.st_dev);
    identity.inode = static_cast<std::uint64_t>(status.st_ino);
    identity.size = static_cast<std::int64_t>(status.st_size);
    identity.modifiedSeconds = static_cast<std::int64_t>(status.st_mtim.tv_sec);
    identity.modifiedNanoseconds = static_cast<std::int64_t>(status.st_mtim.tv_nsec);
    return true;
}

std::int64_t wallClockSeconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec);
}

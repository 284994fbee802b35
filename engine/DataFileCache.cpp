#include "DataFileCache.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DataFileStamp identityOf(const struct stat& status) {
    DataFileStamp identity;
    identity.device = static_cast<std::uint64_t>(status.st_dev);
    identity.inode = static_cast<std::uint64_t>(status.st_ino);
    identity.size = static_cast<std::int64_t>(status.st_size);
    identity.modified = {static_cast<std::int64_t>(status.st_mtim.tv_sec),
                         static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
    identity.changed = {static_cast<std::int64_t>(status.st_ctim.tv_sec),
                        static_cast<std::int64_t>(status.st_ctim.tv_nsec)};
    return identity;
}

// Reads to the end, but never more than the size limit allows, whatever the file grows to meanwhile.
RegularFileRead readAll(int fd, std::int64_t maxSize, std::string& content) {
    char buffer[65536];
    while (true) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return RegularFileRead::Ok;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return RegularFileRead::CannotRead;
        }
        if (static_cast<std::int64_t>(content.size()) + got > maxSize)
            return RegularFileRead::TooLarge;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

bool identifyFile(const std::string& path, DataFileStamp& identity) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    identity = identityOf(status);
    return true;
}

RegularFileRead readRegularFileUpTo(const std::string& path, std::int64_t maxSize, std::string& content,
                                    DataFileStamp& identity) {
    // Without O_NONBLOCK, opening a pipe waits for a writer; the type is checked on what was opened,
    // since the name may have been given to another file meanwhile.
    const CFileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (file.get() < 0 || fstat(file.get(), &status) != 0)
        return RegularFileRead::CannotOpen;
    if (!S_ISREG(status.st_mode))
        return RegularFileRead::NotRegular;
    if (status.st_size > maxSize)
        return RegularFileRead::TooLarge;
    identity = identityOf(status);
    content.clear();
    content.reserve(static_cast<std::size_t>(status.st_size));
    return readAll(file.get(), maxSize, content);
}

bool readRegularFile(const std::string& path, std::string& content, DataFileStamp& identity) {
    return readRegularFileUpTo(path, kMaxDataFileSize, content, identity) == RegularFileRead::Ok;
}

bool findDataFile(const std::vector<std::string>& folders, const std::string& fileName, std::string& path,
                  DataFileStamp& identity) {
    for (const std::string& folder : folders) {
        path = folder.empty() ? fileName : folder + "/" + fileName;
        if (identifyFile(path, identity))
            return true;
    }
    return false;
}

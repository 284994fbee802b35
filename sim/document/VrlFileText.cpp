#include "VrlFileText.h"

#include "FileDescriptor.h"
#include "VrlJson.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(std::string& problem, const std::string& why) {
    problem = why;
    return false;
}

} // namespace

bool readVrlFileText(const std::string& path, std::string& text, std::string& problem) {
    text.clear();
    // Without O_NONBLOCK, opening a pipe waits for a writer; the type is checked on what was opened.
    const CFileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (file.get() < 0 || fstat(file.get(), &status) != 0)
        return fail(problem, std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return fail(problem, "not a regular file");
    char buffer[65536];
    while (true) {
        const ssize_t got = read(file.get(), buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(problem, std::strerror(errno));
        if (text.size() + static_cast<std::size_t>(got) > kMaxVrlBytes)
            return fail(problem, "the file is larger than 1 MB");
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

#include "RegularFile.h"

#include "FileNameEncoding.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool OpenRegularFileForReading(QFile& file, QString& reason) {
    const int descriptor =
        ::open(EncodeFileName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        reason = qt_error_string(ENOENT);
        return false;
    }
    // Reading a regular file never waits, whatever the flag says.
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        reason = file.errorString();
        return false;
    }
    return true;
}

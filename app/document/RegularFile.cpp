#include "RegularFile.h"

#include "FileNameEncoding.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// What a path that is not a regular file names instead, for the reason it is not read.
QString NotRegularText(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileErrorBox", "Is a folder, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileErrorBox", "Is not a regular file (a FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("FileErrorBox", "Is not a regular file (a device)");
    return QCoreApplication::translate("FileErrorBox", "Is not a regular file");
}

} // namespace

bool OpenRegularFileForReading(QFile& file, QString& reason) {
    const int descriptor =
        ::open(EncodeFileName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        reason = qt_error_string(errno);
        ::close(descriptor);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        reason = NotRegularText(status.st_mode);
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

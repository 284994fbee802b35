#include "SafeFileWrite.h"

#include <QSaveFile>

namespace {

/// Writes the whole of `content`. A write that a full disk cuts short returns what it wrote and no
/// reason; the attempt at the rest fails with the reason.
bool WriteAll(QIODevice& file, const QByteArray& content) {
    qint64 done = 0;
    while (done < content.size()) {
        const qint64 count = file.write(content.constData() + done, content.size() - done);
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

} // namespace

bool WriteFileSafely(const QString& path, const QByteArray& content, QString& problem) {
    QSaveFile file(path);
    // Unbuffered: the commit does not look at how its own last flush went (QTBUG-75077), so nothing
    // may be left for it to flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        problem = file.errorString();
        return false;
    }
    if (!WriteAll(file, content)) {
        problem = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        problem = file.errorString();
        return false;
    }
    return true;
}

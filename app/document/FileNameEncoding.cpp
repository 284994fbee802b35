#include "FileNameEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUtf8StringView>

namespace {

constexpr char16_t kKeptByteBase = 0xDC00;
constexpr int kLongestUtf8Sequence = 4;

bool IsKeptByte(const QString& name, qsizetype index) {
    const char16_t unit = name[index].unicode();
    const bool lowHalfOfAPair = index > 0 && name[index - 1].isHighSurrogate();
    return unit >= kKeptByteBase + 0x80 && unit <= kKeptByteBase + 0xFF && !lowHalfOfAPair;
}

} // namespace

QString DecodeFileName(const QByteArray& name) {
    QString decoded;
    qsizetype at = 0;
    while (at < name.size()) {
        // UTF-8 is prefix-free: at most one length makes a valid character here.
        int length = 1;
        while (length <= kLongestUtf8Sequence && !QUtf8StringView(name.mid(at, length)).isValidUtf8())
            ++length;
        if (length > kLongestUtf8Sequence) {
            decoded += QChar(kKeptByteBase + static_cast<unsigned char>(name[at]));
            ++at;
        } else {
            decoded += QString::fromUtf8(name.mid(at, length));
            at += length;
        }
    }
    return decoded;
}

QByteArray EncodeFileName(const QString& name) {
    QByteArray bytes;
    qsizetype textStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsKeptByte(name, i))
            continue;
        bytes += name.mid(textStart, i - textStart).toUtf8();
        bytes += static_cast<char>(name[i].unicode() - kKeptByteBase);
        textStart = i + 1;
    }
    return bytes + name.mid(textStart).toUtf8();
}

bool QtReachesFileName(const QString& name) {
    return QFile::encodeName(name) == EncodeFileName(name);
}

QString AbsoluteFileName(const QString& name) {
    return QFileInfo(QDir::current().absoluteFilePath(name)).absoluteFilePath();
}

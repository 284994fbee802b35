#include "DocumentFingerprint.h"

#include "FileNameEncoding.h"
#include "RegularFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

/// The hash of what `content` reads from where it is; empty when it cannot be read.
QByteArray HashOf(QIODevice& content) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return hash.addData(&content) ? hash.result() : QByteArray();
}

} // namespace

void CDocumentFingerprint::Remember(const QString& path, QIODevice& content) {
    const QFileInfo file(path);
    m_strPath = AbsoluteFileName(path);
    m_nSize = file.size();
    m_modified = file.lastModified();
    content.seek(0);
    m_hash = HashOf(content);
}

bool CDocumentFingerprint::ChangedOnDisk(const QString& path) const {
    const QFileInfo file(path);
    if (m_strPath.isEmpty() || AbsoluteFileName(path) != m_strPath || !file.exists())
        return false;
    if (!file.isFile() || file.size() != m_nSize || file.lastModified() != m_modified)
        return true;
    // Same size and time: a rewrite within the clock's resolution shows only in the content.
    QFile current(path);
    QString reason;
    return !OpenRegularFileForReading(current, reason) || HashOf(current) != m_hash;
}

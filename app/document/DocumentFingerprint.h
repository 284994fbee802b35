#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QIODevice;

/// What a document's file was when the document last read or wrote it: its path, size, modification
/// time and a hash of its content, so that a change by another program is noticed before the file is
/// saved over.
class CDocumentFingerprint {
public:
    /// Remembers the file `path` as holding what `content` reads from its start to its end.
    void Remember(const QString& path, QIODevice& content);
    void Forget() { m_strPath.clear(); }

    /// True when `path` is the file remembered and it is now something else: another size, time or
    /// content, or no longer a regular file. A file that is gone has nothing to lose: false.
    bool ChangedOnDisk(const QString& path) const;

private:
    QString m_strPath;
    qint64 m_nSize = 0;
    QDateTime m_modified;
    QByteArray m_hash;
};

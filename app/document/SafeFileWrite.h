#pragma once

#include <QByteArray>
#include <QString>

/// Writes `content` as the file `path` through a temporary file beside it that replaces the file only
/// once all of it is on disk: a failure (full disk, no permission) leaves the old file whole and no
/// half-written one. False with the reason in `problem`.
bool WriteFileSafely(const QString& path, const QByteArray& content, QString& problem);

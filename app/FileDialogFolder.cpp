#include "FileDialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kFolderKey = "Settings/FileDialogFolder";

QString DefaultFolder() {
    const QFileInfo current(QDir::currentPath());
    return current.isWritable() ? current.absoluteFilePath() : QDir::homePath();
}

} // namespace

QString FileDialogFolder() {
    const QString remembered = QSettings().value(QLatin1String(kFolderKey)).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : DefaultFolder();
}

void RememberFileDialogFolder(const QString& chosenFile) {
    QSettings().setValue(QLatin1String(kFolderKey), QFileInfo(chosenFile).absolutePath());
}

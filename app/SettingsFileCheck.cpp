#include "SettingsFileCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

/// A folder that cannot exist, /dev/null being no folder: settings there read nothing and keep nothing.
const QLatin1String kNowhere("/dev/null/vorlint-settings");

constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

/// Why the settings file `file` is not read, null when it may be.
const char* UnfitReason(const QFileInfo& file) {
    if (!file.exists())
        return nullptr;
    if (!file.isFile())
        return "it is not a regular file";
    return file.size() > kMaxSettingsBytes ? "it is larger than 1 MB" : nullptr;
}

/// Whether the folder holds one of the files QSettings reads for this application that it should not
/// read: the application's own or its organization's. Says so on standard error.
bool HoldsUnfitSettingsFile(const QString& folder) {
    const QString organization = folder + QLatin1Char('/') + QCoreApplication::organizationName();
    const QString names[] = {organization + QLatin1Char('/') + QCoreApplication::applicationName(),
                             organization};
    return std::any_of(std::begin(names), std::end(names), [](const QString& name) {
        const QFileInfo file(name + QLatin1String(".conf"));
        const char* reason = UnfitReason(file);
        if (reason != nullptr)
            std::fprintf(stderr, "vorlint: the settings file %s is ignored: %s\n",
                         QFile::encodeName(file.filePath()).constData(), reason);
        return reason != nullptr;
    });
}

} // namespace

void IgnoreUnfitSettingsFiles() {
    // The user's folder first, then the system's, as QSettings looks for its files.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!folders.isEmpty() && HoldsUnfitSettingsFile(folders.takeFirst()))
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, kNowhere);
    if (std::any_of(folders.cbegin(), folders.cend(), HoldsUnfitSettingsFile))
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, kNowhere);
}

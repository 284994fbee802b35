#include "SettingsFileCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

/// A folder that cannot exist, /dev/null being no folder: settings there read nothing and keep nothing.
const QLatin1String kNowhere("/dev/null/vorlint-settings");

/// Whether the folder holds one of the files QSettings reads for this application that is not a
/// regular file: the application's own or its organization's.
bool HoldsIrregularSettingsFile(const QString& folder) {
    const QString organization = folder + QLatin1Char('/') + QCoreApplication::organizationName();
    const QString names[] = {organization + QLatin1Char('/') + QCoreApplication::applicationName(),
                             organization};
    return std::any_of(std::begin(names), std::end(names), [](const QString& name) {
        const QFileInfo file(name + QLatin1String(".conf"));
        return file.exists() && !file.isFile();
    });
}

} // namespace

void IgnoreIrregularSettingsFiles() {
    // The user's folder first, then the system's, as QSettings looks for its files.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!folders.isEmpty() && HoldsIrregularSettingsFile(folders.takeFirst()))
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, kNowhere);
    if (std::any_of(folders.cbegin(), folders.cend(), HoldsIrregularSettingsFile))
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, kNowhere);
}

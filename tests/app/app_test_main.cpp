#include "AppTestSupport.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#ifdef VORLINT_INSTALL_TRANSLATIONS
#include "InterfaceTranslations.h"
#endif

#include <gtest/gtest.h>

#include <clocale>

// The application tests need a QApplication and draw off screen unless told otherwise. Their settings
// (the recent-file list) go to a folder of their own, never to the user's. The locale comes from the
// environment, as in the application; the interface shows its texts as written unless the program is
// built to start as the application does, with the translations of the user's language. A modal
// dialog no test answers fails the test that met it.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    if (!settingsDir.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "");
#ifdef VORLINT_INSTALL_TRANSLATIONS
    StoredInterfaceLanguage() = InstallInterfaceTranslations(application);
#endif
    const UnexpectedDialogGuard guard;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "DataSearch.h"
#include "FileNameEncoding.h"
#include "HelpAndVersion.h"
#include "InterfaceTranslations.h"
#include "VorlintApp.h"
#include "VorlintIdentity.h"

#include <QApplication>

int main(int argc, char** argv) {
    AnswerHelpOrVersion(argc, argv);
    QApplication application(argc, argv);
    // Wayland compositors find the window's icon and name through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLINT_APP_ID));
    searchDataFilesFor(argc > 0 ? argv[0] : nullptr);
    CVorlintApp app(InstallInterfaceTranslations(application));
    // QApplication has taken its own options out of argv; the rest are ours.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(DecodeFileName(argv[i]));
    if (!app.InitInstance(arguments))
        return 1;
    return QApplication::exec();
}

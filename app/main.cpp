#include "DataSearch.h"
#include "VorlintApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    searchDataFilesFor(argc > 0 ? argv[0] : nullptr);
    CVorlintApp app;
    // QApplication has taken its own options out of argv; the rest are ours.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!app.InitInstance(arguments))
        return 1;
    return QApplication::exec();
}

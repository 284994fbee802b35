#include "HelpAndVersion.h"

#include "VorlintIdentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>

void AnswerHelpOrVersion(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // Qt's own options (-platform, -style, -reverse) are left for the application: read as clusters of
    // one-letter options, "-reverse" would ask for the version.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Simulates, in real time, a process regulated by a PID controller, in as many\n"
        "windows as you open. Qt's own options, such as -platform or -style, are accepted too."));
    // Not Qt's help option: its --help-all would list Qt's options, which only a GUI application knows.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A Vorlint simulation (.vrl) to open; without it a new "
                                                "simulation starts."),
                                 QStringLiteral("[file]"));
    // Options the parser does not know belong to Qt, which reads them when the application starts.
    parser.parse(arguments);
    if (!parser.isSet(help) && !parser.isSet(version))
        return;

    // The answers name the program and its version through the core application, which needs no display.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLINT_VERSION));
    if (parser.isSet(version))
        parser.showVersion();
    parser.showHelp();
}

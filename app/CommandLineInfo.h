#pragma once

#include <QString>
#include <QStringList>

/// What the command line asks the program to do at start-up: a new document by default, or the
/// document named by the first argument that is not an option.
struct CCommandLineInfo {
    enum Shell { FileNew, FileOpen };

    Shell m_nShellCommand = FileNew;
    QString m_strFileName;

    /// Reads the arguments that follow the program name.
    void ParseCommandLine(const QStringList& arguments);
};

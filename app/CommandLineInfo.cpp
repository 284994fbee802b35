#include "CommandLineInfo.h"

void CCommandLineInfo::ParseCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        const bool isOption = argument.startsWith('-') && argument.size() > 1;
        if (!isOption && m_nShellCommand == FileNew) {
            m_nShellCommand = FileOpen;
            m_strFileName = argument;
        }
    }
}

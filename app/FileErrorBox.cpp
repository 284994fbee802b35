#include "FileErrorBox.h"

#include <QApplication>
#include <QMessageBox>

QString OutOfMemoryText() {
    return QCoreApplication::translate("FileErrorBox", "Out of memory");
}

void ReportFileError(const char* message, const QString& fileName, const QString& reason) {
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(),
                         QCoreApplication::translate("FileErrorBox", message) + QStringLiteral("\n\n") +
                             fileName + QStringLiteral(": ") + reason);
}

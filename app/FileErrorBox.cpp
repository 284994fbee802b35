#include "FileErrorBox.h"

#include <QApplication>
#include <QMessageBox>

void ReportFileError(const char* message, const QString& fileName, const QString& reason) {
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(),
                         QString::fromLatin1(message) + QStringLiteral("\n\n") + fileName +
                             QStringLiteral(": ") + reason);
}

#include "ChangedFileQuestion.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("ChangedFileQuestion", text);
}

} // namespace

ChangedFileAnswer AskAboutChangedFile(const QString& pathName) {
    QMessageBox box(
        QMessageBox::Warning, QApplication::applicationName(),
        Text(QT_TRANSLATE_NOOP("ChangedFileQuestion",
                               "O arquivo foi alterado por outro programa desde que foi aberto.")),
        QMessageBox::NoButton, QApplication::activeWindow());
    box.setInformativeText(pathName);
    const QPushButton* overwrite = box.addButton(
        Text(QT_TRANSLATE_NOOP("ChangedFileQuestion", "Sobrescrever")), QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton(Text(QT_TRANSLATE_NOOP("ChangedFileQuestion", "Salvar como...")),
                                        QMessageBox::AcceptRole);
    QPushButton* cancel =
        box.addButton(Text(QT_TRANSLATE_NOOP("ChangedFileQuestion", "Cancelar")), QMessageBox::RejectRole);
    // The safe answers come first to hand: Enter saves elsewhere, Escape cancels.
    box.setDefaultButton(saveAs);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return ChangedFileAnswer::Overwrite;
    return box.clickedButton() == saveAs ? ChangedFileAnswer::SaveAs : ChangedFileAnswer::Cancel;
}

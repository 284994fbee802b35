#include "FieldTint.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace {

const QColor kInvalidBackground(255, 204, 204);

void showTint(QLineEdit& edit, bool bInvalid) {
    const QColor background =
        bInvalid ? kInvalidBackground : QApplication::palette(&edit).color(QPalette::Base);
    if (edit.palette().color(QPalette::Base) == background)
        return;
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, background);
    edit.setPalette(palette);
}

} // namespace

void tintWhenInvalid(QLineEdit& edit, std::function<bool(const QString& text)> isValid) {
    QObject::connect(&edit, &QLineEdit::textChanged, &edit,
                     [&edit, isValid = std::move(isValid)](const QString& text) {
                         showTint(edit, !text.trimmed().isEmpty() && !isValid(text));
                     });
}

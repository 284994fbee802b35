#include "SeedEdit.h"

#include "FieldTint.h"
#include "WholeNumberText.h"

CSeedEdit::CSeedEdit(const std::string& digits, QWidget* parent)
    : QLineEdit(QString::fromStdString(digits), parent), m_digits(digits) {
    setAlignment(Qt::AlignRight);
    tintWhenInvalid(
        *this, [](const QString& text) { return !seedDigitsOfText(text.trimmed().toStdString()).empty(); });
}

std::string CSeedEdit::Digits() const {
    const std::string typed = seedDigitsOfText(text().trimmed().toStdString());
    return typed.empty() ? m_digits : typed;
}

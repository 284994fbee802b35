#pragma once

#include <functional>

class QLineEdit;
class QString;

/// Gives `edit` a light red background whenever its text is not blank and `isValid` refuses it, so
/// that a student sees at once that the field is not read as typed. The value is still read as the
/// panels' rules say; the tint only shows.
void tintWhenInvalid(QLineEdit& edit, std::function<bool(const QString& text)> isValid);

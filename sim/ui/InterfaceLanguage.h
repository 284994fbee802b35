#pragma once

#include <QString>

/// The language the interface was translated to at start-up ("pt_BR", "en"), so that what is not a
/// translated text, such as the formula guide, can follow it. Empty while the interface shows its
/// texts as written, which is also all that a program that never sets it sees.
QString InterfaceLanguage();
void SetInterfaceLanguage(const QString& language);

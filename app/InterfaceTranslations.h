#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

/// The translation of Vorlint's interface for the first of the user's languages (most preferred
/// first, as QLocale::uiLanguages gives them) that has one: "pt_BR" for any Portuguese, "en" for any
/// English; empty when none has, and the interface shows its texts as written.
QString TranslationLanguage(const QStringList& uiLanguages);

/// Installs, by the system locale, the translation of Vorlint's texts and Qt's own for its dialogs
/// and buttons. Called once at start-up, before any window is made. Returns the language of the
/// translation installed (as TranslationLanguage gives it), empty when none was.
QString InstallInterfaceTranslations(QCoreApplication& application);

#include "InterfaceTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <functional>

namespace {

/// The languages Vorlint has a translation to, compiled into the program as
/// :/i18n/vorlint_<name>.qm.
struct Translation {
    QLocale::Language language;
    const char* name;
};

const Translation kTranslations[] = {
    {QLocale::Portuguese, "pt_BR"},
    {QLocale::English, "en"},
};

/// Installs a translator for the application's lifetime; false when there is no such translation.
bool InstallTranslator(QCoreApplication& application, const std::function<bool(QTranslator&)>& load) {
    auto* translator = new QTranslator(&application);
    if (load(*translator) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString TranslationLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        for (const Translation& translation : kTranslations) {
            if (translation.language == language)
                return QString::fromLatin1(translation.name);
        }
    }
    return QString();
}

QString InstallInterfaceTranslations(QCoreApplication& application) {
    const QString language = TranslationLanguage(QLocale::system().uiLanguages());
    const bool installed =
        !language.isEmpty() && InstallTranslator(application, [&](QTranslator& translator) {
            return translator.load(QStringLiteral("vorlint_") + language, QStringLiteral(":/i18n"));
        });
    // Qt's dialogs speak the interface's language; without a translation of ours, the user's.
    const QLocale qtLocale = language.isEmpty() ? QLocale::system() : QLocale(language);
    InstallTranslator(application, [&](QTranslator& translator) {
        return translator.load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return installed ? language : QString();
}

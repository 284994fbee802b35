#include "InterfaceLanguage.h"

namespace {

QString& StoredLanguage() {
    static QString language;
    return language;
}

} // namespace

QString InterfaceLanguage() {
    return StoredLanguage();
}

void SetInterfaceLanguage(const QString& language) {
    StoredLanguage() = language;
}

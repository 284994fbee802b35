#include "RangeText.h"

#include <QCoreApplication>

namespace {

QString translated(const char* words) {
    return QCoreApplication::translate("NumberRange", words);
}

} // namespace

QString TranslatedRangeText(const NumberRange& range) {
    const RangeWords words = rangeWords(range);
    QString text = translated(words.bounds);
    text.replace(QLatin1String("%1"), translated(words.noun))
        .replace(QLatin1String("%2"), QString::fromStdString(words.ends[0]))
        .replace(QLatin1String("%3"), QString::fromStdString(words.ends[1]));
    return words.either != nullptr ? translated(words.either).replace(QLatin1String("%1"), text) : text;
}

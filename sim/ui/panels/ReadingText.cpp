#include "ReadingText.h"

#include "PanelText.h"
#include "RoundTripNumber.h"

#include <algorithm>
#include <cmath>

QString FormatReading(double value, int decimals, const char* unit) {
    if (std::isnan(value))
        return QStringLiteral("–");
    QString text = formatPanelNumber(value, {decimals, unit});
    // A value that rounds to zero reads as zero, whatever its sign ("0,0", not "-0,0").
    const bool roundsToZero = std::none_of(text.cbegin(), text.cend(),
                                           [](QChar c) { return c.isDigit() && c != QLatin1Char('0'); });
    if (roundsToZero && text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    return text;
}

QString FormatSignificant(double value, int significantDigits, const char* unit) {
    if (std::isnan(value))
        return QStringLiteral("–");
    std::string text;
    appendNumber(text, value, significantDigits);
    return QString::fromStdString(text).replace(QLatin1Char('.'), QLatin1Char(',')) + QString::fromUtf8(unit);
}

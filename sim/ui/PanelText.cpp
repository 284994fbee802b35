#include "PanelText.h"

#include "CLocaleNumber.h"

#include <cmath>
#include <limits>

double parsePanelNumber(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace(',', '.');
    const char* end = nullptr;
    const double value = cLocaleLeadingNumber(bytes.constData(), &end);
    return std::isfinite(value) ? value : 0.0;
}

QString formatPanelNumber(double value, PanelNumberFormat format) {
    QString text = QString::fromStdString(cLocaleFixed(value, format.decimals));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text + QLatin1String(format.suffix);
}

std::uint32_t parsePanelUnsigned(const QString& text) {
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (i < text.size() && text.at(i) == QLatin1Char('+'))
        ++i;
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        const std::uint32_t digit = c - u'0';
        if (value > (kMax - digit) / 10)
            return kMax;
        value = value * 10 + digit;
    }
    return value;
}

QString formatPanelUnsigned(std::uint32_t value) {
    return QString::number(value);
}

#include "PanelText.h"

#include "CLocaleNumber.h"

#include <cmath>
#include <limits>

namespace {

/// The leading number of a panel text, read with a decimal comma or point, whatever its value. With
/// `aloneInText`, also tells whether there is a number and only blanks follow it.
double readLeadingNumber(const QString& text, bool* aloneInText = nullptr) {
    QByteArray bytes = text.toUtf8();
    bytes.replace(',', '.');
    const char* end = nullptr;
    const double value = cLocaleLeadingNumber(bytes.constData(), &end);
    if (aloneInText != nullptr)
        *aloneInText = end != bytes.constData() && QByteArray(end).trimmed().isEmpty();
    return value;
}

/// Where the digits of a count begin: after leading blanks and an optional "+".
int countDigitsStart(const QString& text) {
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (i < text.size() && text.at(i) == QLatin1Char('+'))
        ++i;
    return i;
}

bool isDecimalDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

double parsePanelNumber(const QString& text) {
    const double value = readLeadingNumber(text);
    return std::isfinite(value) ? value : 0.0;
}

bool isPanelNumber(const QString& text) {
    bool aloneInText = false;
    const double value = readLeadingNumber(text, &aloneInText);
    return aloneInText && std::isfinite(value);
}

QString formatPanelNumber(double value, PanelNumberFormat format) {
    QString text = QString::fromStdString(cLocaleFixed(value, format.decimals));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text + QLatin1String(format.suffix);
}

std::uint32_t parsePanelUnsigned(const QString& text) {
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t value = 0;
    for (int i = countDigitsStart(text); i < text.size() && isDecimalDigit(text.at(i)); ++i) {
        const std::uint32_t digit = text.at(i).unicode() - u'0';
        if (value > (kMax - digit) / 10)
            return kMax;
        value = value * 10 + digit;
    }
    return value;
}

bool isPanelUnsigned(const QString& text) {
    const int start = countDigitsStart(text);
    int i = start;
    while (i < text.size() && isDecimalDigit(text.at(i)))
        ++i;
    return i > start && text.mid(i).trimmed().isEmpty();
}

QString formatPanelUnsigned(std::uint32_t value) {
    return QString::number(value);
}

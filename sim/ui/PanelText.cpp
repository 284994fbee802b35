#include "PanelText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

/// The "C" locale, so that a decimal-comma user locale never changes how the panels read numbers.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

double parsePanelNumber(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace(',', '.');
    const double value = strtod_l(bytes.constData(), nullptr, cLocale());
    return std::isfinite(value) ? value : 0.0;
}

QString formatPanelNumber(double value, PanelNumberFormat format) {
    // The widest fixed-point double: 309 integer digits, a sign, a point and the decimals.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, format.decimals);
    QString text = QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
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

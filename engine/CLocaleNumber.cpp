#include "CLocaleNumber.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <locale.h>

namespace {

/// A private "C" locale: strtod follows the process locale, which a user's decimal-comma locale breaks.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

std::string cLocaleFixed(double x, int decimals) {
    // The widest fixed-point double: a sign, 309 integer digits, the point and the decimals.
    std::string text(static_cast<std::size_t>(decimals) + 320, '\0');
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, decimals).ptr;
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

double cLocaleLeadingNumber(const char* text, const char** end) {
    *end = text;
    const locale_t locale = cLocale();
    if (locale == static_cast<locale_t>(nullptr))
        return 0.0;
    char* stop = nullptr;
    const double value = strtod_l(text, &stop, locale);
    *end = stop;
    return value;
}

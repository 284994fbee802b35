#include "DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace {

/// value × numerator ÷ denominator rounded to the nearest integer, for the non-negative values of a
/// dialog layout (negative values round symmetrically).
int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogBaseUnits dialogBaseUnits(const QFontMetrics& metrics) {
    static const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int lettersWidth = metrics.horizontalAdvance(kLetters);
    return {(lettersWidth / 26 + 1) / 2, metrics.height()};
}

QRect dialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits base) {
    const int left = scaleRounded(dialogUnits.x(), base.x, 4);
    const int top = scaleRounded(dialogUnits.y(), base.y, 8);
    const int right = scaleRounded(dialogUnits.x() + dialogUnits.width(), base.x, 4);
    const int bottom = scaleRounded(dialogUnits.y() + dialogUnits.height(), base.y, 8);
    return QRect(left, top, right - left, bottom - top);
}

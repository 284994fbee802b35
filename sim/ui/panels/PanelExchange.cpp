#include "PanelExchange.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {

/// The text to show for `field` when `current` no longer means it (or is empty); a null string
/// when the current text may stay.
QString numberTextToLoad(const QString& current, double field, PanelNumberFormat format) {
    if (!current.isEmpty() && parsePanelNumber(current) == field)
        return QString();
    return formatPanelNumber(field, format);
}

double trackbarValue(const QSlider& slider, double atMinimum, double atMaximum) {
    const double minimum = slider.minimum();
    const double maximum = slider.maximum();
    if (minimum == maximum)
        return atMinimum;
    return (slider.value() * (atMaximum - atMinimum) + maximum * atMinimum - minimum * atMaximum) /
           (maximum - minimum);
}

/// The position for `field`, truncated toward zero; a value off the scale stops at its end, as the
/// trackbar itself would.
int trackbarPosition(const QSlider& slider, double field, double atMinimum, double atMaximum) {
    const double minimum = slider.minimum();
    const double maximum = slider.maximum();
    const double position =
        ((maximum - minimum) * field + minimum * atMaximum - maximum * atMinimum) / (atMaximum - atMinimum);
    return static_cast<int>(std::clamp(position, minimum, maximum));
}

} // namespace

void exchangeNumber(QLineEdit& edit, double& field, bool bSave, PanelNumberFormat format) {
    if (bSave) {
        field = parsePanelNumber(edit.text());
        return;
    }
    const QString text = numberTextToLoad(edit.text(), field, format);
    if (!text.isNull())
        edit.setText(text);
}

void loadDisplay(QLabel& label, double field, PanelNumberFormat format) {
    const QString text = numberTextToLoad(label.text(), field, format);
    if (!text.isNull())
        label.setText(text);
}

void exchangeUnsigned(QLineEdit& edit, std::uint32_t& field, bool bSave) {
    const std::uint32_t shown = parsePanelUnsigned(edit.text());
    if (bSave)
        field = shown;
    else if (shown != field)
        edit.setText(formatPanelUnsigned(field));
}

void exchangeCheck(QAbstractButton& box, bool& field, bool bSave) {
    if (bSave)
        field = box.isChecked();
    else if (box.isChecked() != field)
        box.setChecked(field);
}

void exchangeTrackbar(QSlider& slider, double& field, bool bSave, double atMinimum, double atMaximum) {
    if (bSave) {
        field = trackbarValue(slider, atMinimum, atMaximum);
        return;
    }
    // A field that is not a number has no position; the thumb stays where it is.
    if (std::isnan(field) || field == trackbarValue(slider, atMinimum, atMaximum))
        return;
    slider.setValue(trackbarPosition(slider, field, atMinimum, atMaximum));
}

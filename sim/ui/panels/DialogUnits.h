#pragma once

#include <QRect>

class QFontMetrics;

/// A dialog's base units in pixels: the average character width and the character height of its font.
struct DialogBaseUnits {
    int x;
    int y;
};

/// Measures the base units as the dialog manager does: the width of the 52 Latin letters averaged
/// and rounded, and the font's line height.
DialogBaseUnits dialogBaseUnits(const QFontMetrics& metrics);

/// Converts a rectangle in dialog units (a quarter of the average character width across, an eighth
/// of the character height down) to pixels, rounding each edge to the nearest pixel.
QRect dialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits base);

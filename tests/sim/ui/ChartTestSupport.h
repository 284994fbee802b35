#pragma once

#include "VorlintView.h"

#include <QColor>
#include <QImage>
#include <QPainter>

/// The chart's colours, as the painter's pens draw them.
namespace ChartColor {
inline const QColor kWhite(255, 255, 255);
inline const QColor kGreen(0, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kCyan(0, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kGrey(128, 128, 128);
} // namespace ChartColor

/// What OnDraw puts on a fresh image of the view's size (magenta where nothing was copied).
inline QImage renderView(CVorlintView& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    view.OnDraw(painter, view.rect());
    return image;
}

/// How many pixels of row `y` have `color`.
inline int countInRow(const QImage& image, int y, const QColor& color) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y) == color ? 1 : 0;
    return count;
}

#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct DialogUnitCase {
    QRect dialogUnits;
    DialogBaseUnits base;
    QRect pixels;
};

class DialogUnitConversion : public ::testing::TestWithParam<DialogUnitCase> {};

TEST_P(DialogUnitConversion, ScalesEachEdgeAndRounds) {
    EXPECT_EQ(dialogUnitsToPixels(GetParam().dialogUnits, GetParam().base), GetParam().pixels);
}

// With base units 6 × 13 a dialog unit is 1.5 pixels across and 1.625 down; each edge rounds on
// its own, so a width can differ by one from the rounded width.
INSTANTIATE_TEST_SUITE_P(
    Rectangles, DialogUnitConversion,
    ::testing::Values(DialogUnitCase{QRect(0, 0, 4, 8), {6, 13}, QRect(0, 0, 6, 13)},
                      DialogUnitCase{QRect(5, 21, 54, 12), {6, 13}, QRect(8, 34, 81, 20)},
                      DialogUnitCase{QRect(1, 1, 1, 1), {6, 13}, QRect(2, 2, 1, 1)},
                      DialogUnitCase{QRect(0, 0, 449, 48), {7, 16}, QRect(0, 0, 786, 96)},
                      DialogUnitCase{QRect(0, 0, 0, 0), {6, 13}, QRect(0, 0, 0, 0)}));

TEST(DialogBaseUnitsTest, AverageLetterWidthAndLineHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const DialogBaseUnits base = dialogBaseUnits(metrics);
    const double average =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
        52.0;
    EXPECT_NEAR(base.x, average, 1.0);
    EXPECT_EQ(base.y, metrics.height());
}

TEST(DialogBaseUnitsTest, RoundsTheAverageLetterWidthToTheNearestPixel) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    bool roundedUp = false;
    for (int pixels = 6; pixels <= 40; ++pixels) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(letters);
        const long nearest = std::lround(width / 52.0);
        EXPECT_EQ(dialogBaseUnits(metrics).x, nearest) << pixels << " px, letters " << width;
        roundedUp = roundedUp || nearest != width / 52;
    }
    EXPECT_TRUE(roundedUp) << "no size told rounding from truncation";
}

} // namespace

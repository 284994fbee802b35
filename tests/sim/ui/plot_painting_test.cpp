#include "BrokenLine.h"
#include "PlotPaintScope.h"
#include "PlotTicks.h"
#include "PlotValueSpan.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PlotPaintingTest, BrokenLineLeavesAGapWhereAPointIsNoNumber) {
    const QPainterPath path = BrokenLine({{0, 0}, {1, 1}, {2, NAN}, {3, 3}, {4, 4}, {5, INFINITY}});
    ASSERT_EQ(path.elementCount(), 4);
    EXPECT_TRUE(path.elementAt(0).isMoveTo());
    EXPECT_TRUE(path.elementAt(1).isLineTo());
    EXPECT_TRUE(path.elementAt(2).isMoveTo());
    EXPECT_EQ(QPointF(path.elementAt(2)), QPointF(3, 3));
    EXPECT_TRUE(path.elementAt(3).isLineTo());
}

TEST(PlotPaintingTest, ValueSpanLeavesAPartOfItsRangeAsRoom) {
    PlotValueSpan span;
    EXPECT_TRUE(span.Empty());
    EXPECT_DOUBLE_EQ(span.Low(), -0.05);
    EXPECT_DOUBLE_EQ(span.High(), 1.05);
    span.Include(5.0);
    EXPECT_DOUBLE_EQ(span.Low(), 4.0); // a single value: 1 either way
    EXPECT_DOUBLE_EQ(span.High(), 6.0);
    span.Include(NAN);
    span.Include(-INFINITY);
    span.Include(25.0);
    EXPECT_DOUBLE_EQ(span.Low(), 4.0);
    EXPECT_DOUBLE_EQ(span.High(), 26.0);
}

// Steps of 1, 2 or 5 times a power of ten, at most six over the span (by hand: 1.1 / 6 > 0.1, so 0.2).
TEST(PlotPaintingTest, TicksFallOnRoundValuesInsideTheSpan) {
    const std::vector<double> unit = PlotTicks(-0.05, 1.05, 6);
    ASSERT_EQ(unit.size(), 6u);
    for (std::size_t k = 0; k < unit.size(); ++k)
        EXPECT_DOUBLE_EQ(unit[k], 0.2 * static_cast<double>(k));
    EXPECT_EQ(PlotTicks(950.0, 2450.0, 6), (std::vector<double>{1000.0, 1500.0, 2000.0}));
    EXPECT_EQ(PlotTicks(0.0, 7.3, 6), (std::vector<double>{0.0, 2.0, 4.0, 6.0}));
    EXPECT_TRUE(PlotTicks(1.0, 1.0, 6).empty());
}

TEST(PlotPaintingTest, ScopePaintsOnlyItsTargetAndGivesThePainterBack) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    {
        const PlotPaintScope scope(painter, QRectF(10, 20, 20, 10));
        EXPECT_EQ(scope.Frame(), QRectF(0, 0, 20, 10));
        painter.fillRect(QRectF(-100, -100, 300, 300), Qt::red); // clipped to the target
    }
    EXPECT_TRUE(painter.transform().isIdentity());
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(image.pixelColor(15, 25), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 35), QColor(Qt::black));
}

} // namespace

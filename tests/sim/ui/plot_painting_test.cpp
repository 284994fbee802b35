#include "BrokenLine.h"
#include "PlotPaintScope.h"
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

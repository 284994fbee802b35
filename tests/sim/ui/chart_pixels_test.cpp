#include "ChartTestSupport.h"
#include "FakeCounter.h"

#include <QApplication>
#include <QResizeEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace ChartColor;

constexpr int kLegendRows = 14;

/// A view of the given size with its pixmap sized as a shown window's would be.
class ChartPixels : public ::testing::Test {
protected:
    void Size(int width, int height) {
        view.resize(width, height);
        view.show();
    }
    /// Appends `count` samples, all equal to `sample`.
    void Append(const Sample& sample, int count = 1) {
        for (int i = 0; i < count; ++i)
            view.m_history.push_back(sample);
    }
    void ShowOnlyPoint() {
        view.m_bShowError = view.m_bShowProportional = view.m_bShowIntegral = false;
        view.m_bShowDerivative = view.m_bShowPower = false;
    }
    int Middle() const { return view.height() / 2; }

    CVorlintView view;
};

TEST_F(ChartPixels, EmptyHistoryDrawsLegendAndZeroLineOnWhite) {
    Size(400, 200);
    const QImage image = renderView(view);
    EXPECT_EQ(countInRow(image, Middle() - 1, kGrey), 400);
    for (int y = kLegendRows; y < image.height(); ++y) {
        if (y != Middle() - 1) {
            ASSERT_EQ(countInRow(image, y, kWhite), 400) << "row " << y;
        }
    }
    EXPECT_GT(countInRow(image, 12, kGreen), 0);
    EXPECT_GT(countInRow(image, 12, kRed), 0);
}

TEST_F(ChartPixels, SetPointOf3000LiesTwentyRowsBelowTheTop) {
    for (int height : {100, 279, 300, 601}) {
        Size(200, height);
        view.m_history = SampleHistory();
        Append({3000.0, 20.0});
        const QImage image = renderView(view);
        EXPECT_GT(countInRow(image, 20, kGreen), 100) << "height " << height;
        EXPECT_EQ(countInRow(image, 19, kGreen), 0) << "height " << height;
        EXPECT_EQ(countInRow(image, 21, kGreen), 0) << "height " << height;
    }
}

TEST_F(ChartPixels, SetPointOfZeroLiesOnTheLastRow) {
    Size(200, 300);
    Append({0.0, 1500.0});
    const QImage image = renderView(view);
    EXPECT_GT(countInRow(image, 299, kGreen), 100);
    EXPECT_EQ(countInRow(image, 298, kGreen), 0);
}

TEST_F(ChartPixels, ASingleSampleDrawsNoSegment) {
    Size(200, 300);
    Append({0.0, 1500.0, 50.0, 100.0, 200.0, 300.0, 400.0});
    const QImage image = renderView(view);
    for (const QColor& series : {kRed, kBlue, kCyan, kYellow}) {
        for (int y = kLegendRows; y < image.height(); ++y)
            ASSERT_EQ(countInRow(image, y, series), 0) << "row " << y;
    }
}

TEST_F(ChartPixels, ZeroErrorLiesOnTheZeroLine) {
    Size(200, 300);
    ShowOnlyPoint();
    view.m_bShowError = true;
    Append({3000.0, 3000.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 50);
    const QImage image = renderView(view);
    EXPECT_GE(countInRow(image, Middle() - 1, kYellow), 48);
    EXPECT_EQ(countInRow(image, Middle() - 2, kYellow), 0);
    EXPECT_EQ(countInRow(image, Middle(), kYellow), 0);
    EXPECT_EQ(image.pixelColor(0, Middle() - 1), kGrey);
}

TEST_F(ChartPixels, NarrowViewShowsTheNewestSamplesAndNeverColumnZero) {
    Size(200, 300);
    ShowOnlyPoint();
    Append({0.0, 2400.0}, 1300);
    Append({0.0, 600.0}, 200);
    ASSERT_EQ(view.m_history.size(), 1500u);
    const QImage image = renderView(view);
    // y(v) = bottom − v × (height − 21) ÷ 3000 − 1
    const int oldRow = static_cast<int>(300 - 2400 * 279 / 3000.0 - 1);
    const int newRow = static_cast<int>(300 - 600 * 279 / 3000.0 - 1);
    for (int y = oldRow - 2; y <= oldRow + 2; ++y)
        EXPECT_EQ(countInRow(image, y, kGreen), 0) << "row " << y;
    for (int x = 2; x < 200; ++x)
        ASSERT_EQ(image.pixelColor(x, newRow), kGreen) << "column " << x;
}

TEST_F(ChartPixels, ColumnZeroIsNeverDrawn) {
    Size(100, 300);
    ShowOnlyPoint();
    view.m_bShowError = true;
    for (int i = 0; i < 300; ++i)
        Append({0.0, 20.0, 0.0, 0.0, 0.0, 0.0, i % 2 == 0 ? 2000.0 : -2000.0});
    const QImage image = renderView(view);
    int columnZero = 0;
    int columnOne = 0;
    for (int y = kLegendRows; y < 300; ++y) {
        columnZero += image.pixelColor(0, y) == kYellow ? 1 : 0;
        columnOne += image.pixelColor(1, y) == kYellow ? 1 : 0;
    }
    EXPECT_EQ(columnZero, 0);
    EXPECT_GT(columnOne, 0) << "the last segment ends in column 1";
}

TEST_F(ChartPixels, WithEveryOptionalSeriesOffOnlySetPointAndPointRemain) {
    Size(300, 300);
    ShowOnlyPoint();
    for (int i = 0; i < 400; ++i)
        Append({1000.0, 20.0 + i * 5, 100.0 - i * 0.25, 2000.0 - i * 10, 500.0, -700.0, 1000.0 - i * 3});
    const QImage image = renderView(view);
    int green = 0;
    for (int y = kLegendRows; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            ASSERT_TRUE(color == kWhite || color == kGreen || color == kGrey) << x << "," << y;
            green += color == kGreen ? 1 : 0;
        }
    }
    EXPECT_GT(green, 300);
}

TEST_F(ChartPixels, SeriesAreDrawnOnTheirScales) {
    Size(200, 300);
    view.m_bShowError = view.m_bShowDerivative = false;
    // Power 100 stands where a point of 3000 would; the terms are ±3000 a quarter of the plot height
    // (69 rows) from the middle.
    Append({0.0, 20.0, 100.0, -3000.0, 3000.0, 0.0, 0.0}, 20);
    const QImage image = renderView(view);
    EXPECT_GE(countInRow(image, 20, kRed), 15);
    EXPECT_GE(countInRow(image, 150 - 69 - 1, kBlue), 15);
    EXPECT_GE(countInRow(image, 150 + 69 - 1, kBlack), 15);
}

TEST_F(ChartPixels, HugeAndNonNumberValuesAreClampedOrSkipped) {
    Size(200, 300);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Append({0.0, 1e300, -1e300, inf, -inf, nan, 1e18}, 10);
    Append({nan, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 10);
    const QImage image = renderView(view);
    EXPECT_EQ(countInRow(image, 299, kGreen), 0) << "a set point that is not a number draws no line";
    // The point comes down from far above the window to 20 between the tenth and the eleventh sample.
    EXPECT_GT(countInRow(image, kLegendRows + 1, kGreen), 0);
}

TEST_F(ChartPixels, MinimisingKeepsThePixmap) {
    Size(200, 300);
    Append({3000.0, 20.0});
    QResizeEvent minimised(QSize(0, 0), view.size());
    QApplication::sendEvent(&view, &minimised);
    const QImage image = renderView(view);
    EXPECT_GT(countInRow(image, 20, kGreen), 100);
    EXPECT_EQ(countInRow(image, 150, Qt::magenta), 0);
}

TEST_F(ChartPixels, ResizingReplacesThePixmapWithOneOfTheNewSize) {
    Size(100, 100);
    view.resize(400, 300);
    const QImage image = renderView(view);
    EXPECT_EQ(countInRow(image, 299, Qt::magenta), 0);
    EXPECT_EQ(countInRow(image, 300 / 2 - 1, kGrey), 400);
}

TEST_F(ChartPixels, PaintingSetsTheFramesPerSecondFigure) {
    Size(200, 300);
    Append({0.0, 20.0}, 200);
    renderView(view);
    EXPECT_GT(view.m_dFps, 0.0);
}

TEST_F(ChartPixels, FramesPerSecondIsTheInverseOfThePaintsOwnTime) {
    Size(200, 300);
    view.SetCounterSource(FakeCounter::source(1000000, 400)); // 400 us between start and reading
    renderView(view);
    EXPECT_EQ(view.m_dFps, 2500.0);
}

} // namespace

#include "ChartCursor.h"
#include "ChartGeometry.h"
#include "ChartPainter.h"
#include "ChartPens.h"
#include "ChartTestSupport.h"
#include "PanelText.h"
#include "TraceRaster.h"
#include "TraceRasterCheck.h"
#include "WideSegmentStamp.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace ChartColor;

/// A run of 600 steps of 10 ms through a set-point step, with every series moving and the proportional
/// term zigzagging.
SampleHistory steppedRun() {
    SampleHistory history;
    for (int k = 1; k <= 600; ++k) {
        const double t = k * 0.01;
        const double point = 20.0 + 1480.0 * (1.0 - std::exp(-t) * std::cos(3.0 * t));
        const double error = 1500.0 - point;
        const double zigzag = k % 2 == 0 ? 300.0 : -300.0;
        history.push_back({1500.0, point, std::fmod(k * 0.7, 100.0), error * 0.4 + zigzag, 300.0 - k,
                           -2.0 * error, error, t});
    }
    return history;
}

QImage paint(const SampleHistory& history, const ChartStyle& style, QSize size = QSize(500, 300)) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintChart(painter, QRect(QPoint(0, 0), size), history, CWindowState(), style);
    return image;
}

ChartStyle styleWith(ChartPalette palette, bool showScale) {
    ChartStyle style;
    style.palette = palette;
    style.showScale = showScale;
    return style;
}

// The traces go straight into the image's pixels only where that draws what the engine draws: a
// pixmap (painted by the engine alone) and an image must come out the same, clipping, gaps and all.
TEST(ChartStyle, TheImageShortcutDrawsWhatTheEngineDraws) {
    ASSERT_TRUE(TraceRasterMatchesEngine());
    SampleHistory history = steppedRun();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int k = 0; k < 40; ++k) // huge values, gaps and a wrap of the power near the newest samples
        history.push_back({1500.0, k % 7 == 0 ? nan : 1e300 * (k % 3 - 1), k % 2 == 0 ? 0.0 : 100.0, 0, 0, 0,
                           k % 5 == 0 ? nan : 4000.0 - k * 200.0, 6.0 + k * 0.01});
    for (const QSize size : {QSize(500, 300), QSize(90, 41)}) {
        QPixmap pixmap(size);
        {
            QPainter painter(&pixmap);
            PaintChart(painter, QRect(QPoint(0, 0), size), history, CWindowState(), ChartStyle());
        }
        EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_RGB32), paint(history, ChartStyle(), size))
            << size.width();
    }
}

// Steep two-pixel segments are copied from the engine's drawing of one segment of the same rise:
// wherever one lies, up and down, up to the steepest kept and beyond, it must come out as the engine
// draws it there.
TEST(ChartStyle, SteepWideSegmentsComeOutAsTheEngineDrawsThem) {
    const QPen pen = CreateChartPens(ChartPalette::Standard).point;
    constexpr int kHeight = kLargestStampedRise + 40;
    for (int rise = -kLargestStampedRise - 5; rise <= kLargestStampedRise + 5;
         rise += rise % 7 == 0 ? 1 : 3) {
        const int yNewer = (rise >= 0 ? 5 : kHeight - 5) + rise % 3;
        QImage engine(12, kHeight, QImage::Format_RGB32);
        engine.fill(Qt::white);
        QImage raster = engine.copy();
        CTraceRaster direct(raster, pen, Qt::TransparentMode);
        if (!direct.DrawSegment(5, yNewer, yNewer + rise)) {
            QPainter painter(&raster);
            painter.setPen(pen);
            painter.drawLine(6, yNewer, 5, yNewer + rise);
        }
        QPainter painter(&engine);
        painter.setPen(pen);
        painter.drawLine(6, yNewer, 5, yNewer + rise);
        painter.end();
        ASSERT_EQ(engine, raster) << "rise " << rise;
    }
}

// The scales are drawn over the picture at its edges and move nothing of it.
TEST(ChartStyle, ScaleOnlyAddsLabelsAtTheEdges) {
    const SampleHistory history = steppedRun();
    constexpr int kStrip = 40;
    constexpr int kBottomRows = 20;
    for (const ChartPalette palette : {ChartPalette::Standard, ChartPalette::HighContrast}) {
        const QImage plain = paint(history, styleWith(palette, false));
        const QImage scaled = paint(history, styleWith(palette, true));
        int left = 0, right = 0, bottom = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) == scaled.pixel(x, y))
                    continue;
                const bool inLeft = x < kStrip;
                const bool inRight = x >= plain.width() - kStrip;
                const bool inBottom = y >= plain.height() - kBottomRows;
                ASSERT_TRUE(inLeft || inRight || inBottom) << x << "," << y;
                left += inLeft && scaled.pixelColor(x, y) == kGrey ? 1 : 0;
                right += inRight && scaled.pixelColor(x, y) == kGrey ? 1 : 0;
                bottom += inBottom && !inLeft && !inRight && scaled.pixelColor(x, y) == kGrey ? 1 : 0;
            }
        }
        EXPECT_GT(left, 20) << "the point's scale";
        EXPECT_GT(right, 20) << "the power's scale";
        EXPECT_GT(bottom, 10) << "the time axis";
    }
}

// The high-contrast palette covers the same pixels in other colours: no pure yellow, and a set point
// of its own colour, still dashed.
TEST(ChartStyle, HighContrastRecoloursTheSamePixels) {
    const SampleHistory history = steppedRun();
    const QImage standard = paint(history, ChartStyle());
    const QImage contrast = paint(history, styleWith(ChartPalette::HighContrast, false));
    for (int y = 0; y < standard.height(); ++y) {
        for (int x = 0; x < standard.width(); ++x) {
            ASSERT_EQ(standard.pixelColor(x, y) == kWhite, contrast.pixelColor(x, y) == kWhite)
                << x << "," << y;
            ASSERT_NE(contrast.pixelColor(x, y), kYellow) << x << "," << y;
        }
    }
    // The set point of 1500 is dashed across the chart in black, away from the point's blue.
    const int setPointRow = static_cast<int>(300 - 1500 * 279 / 3000.0 - 1);
    EXPECT_GT(countInRow(contrast, setPointRow, kBlack), 100);
    EXPECT_GT(countInRow(contrast, setPointRow, kWhite), 50);
}

TEST(ChartCursor, ReadsTheSampleDrawnAtTheColumnAndItsAge) {
    const SampleHistory history = steppedRun();
    CWindowState window;
    window.m_bShowProportional = window.m_bShowIntegral = window.m_bShowDerivative = false;
    const QRect client(0, 0, 500, 300);
    // Column 400 shows the sample 100 steps before the newest, 1 s earlier at 10 ms a step.
    const Sample& sample = history[history.size() - 101];
    EXPECT_EQ(ChartCursorLines(client, history, window, 400),
              QStringList({QStringLiteral("há 1,000 s"), QStringLiteral("SetPoint: 1500,0"),
                           QStringLiteral("Point: ") + formatPanelNumber(sample.point, {1, ""}),
                           QStringLiteral("Erro: ") + formatPanelNumber(sample.error, {1, ""}),
                           QStringLiteral("Potência: ") + formatPanelNumber(sample.power, {1, " %"})}));
    EXPECT_TRUE(ChartCursorLines(client, history, window, 0).isEmpty()) << "column 0 is never drawn";
    // 800 columns wide, the oldest of the 600 samples stands at column 201, 5.99 s before the newest.
    const QRect wide(0, 0, 800, 300);
    EXPECT_EQ(ChartCursorLines(wide, history, window, 201).first(), QStringLiteral("há 5,990 s"));
    EXPECT_TRUE(ChartCursorLines(wide, history, window, 200).isEmpty()) << "no sample there";
}

// The measurement is a thin dark-green line and a line of the cursor's box only in a run that measures
// apart; otherwise the chart is what it always was, pixel for pixel.
TEST(ChartCursor, TheMeasurementShowsOnlyWhenItDifferedFromThePoint) {
    SampleHistory measured;
    const SampleHistory plain = steppedRun();
    for (std::size_t i = 0; i < plain.size(); ++i) {
        Sample sample = plain[i];
        sample.measurement = 1000.0;
        measured.push_back(sample);
    }
    const QRect client(0, 0, 500, 300);
    auto paintWith = [&client](const SampleHistory& history, const CWindowState& window) {
        QImage image(client.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        PaintChart(painter, client, history, window, ChartStyle());
        return image;
    };
    CWindowState window;
    EXPECT_EQ(paintWith(measured, window), paint(plain, ChartStyle()));
    EXPECT_EQ(ChartCursorLines(client, measured, window, 400).size(), 8);

    window.m_bShowMeasurement = true;
    const int row = static_cast<int>(300 - 1000 * 279 / 3000.0 - 1);
    EXPECT_GT(countInRow(paintWith(measured, window), row, QColor(0, 128, 0)), 300);
    EXPECT_EQ(ChartCursorLines(client, measured, window, 400).back(), QStringLiteral("Medição: 1000,0"));
}

TEST(ChartCursor, FollowsTheMouseOverTheViewAndLeavesWithIt) {
    CVorlintView view;
    view.resize(500, 300);
    view.show();
    view.m_history = steppedRun();
    const QColor cursorGrey(64, 64, 64);
    auto cursorRows = [&view, &cursorGrey](int x) {
        const QImage image = renderView(view);
        int rows = 0;
        for (int y = ChartGeometry::kLegendRows; y < image.height(); ++y)
            rows += image.pixelColor(x, y) == cursorGrey ? 1 : 0;
        return rows;
    };
    EXPECT_EQ(cursorRows(250), 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(250, 150), view.mapToGlobal(QPointF(250, 150)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_TRUE(view.IsCursorShown());
    EXPECT_GT(cursorRows(250), 200);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&view, &leave);
    EXPECT_FALSE(view.IsCursorShown());
    EXPECT_EQ(cursorRows(250), 0);
}

} // namespace

#include "ChartGeometry.h"
#include "ChartPainter.h"
#include "ChartTestSupport.h"
#include "FrameTestSupport.h"
#include "HistoryChart.h"
#include "HistoryRange.h"
#include "HistoryView.h"
#include "SettingsTable.h"

#include <QToolBar>

#include <cmath>

namespace {

/// How many pixels of row `y` in [left, right) are black.
int blackIn(const QImage& image, int y, int left, int right) {
    int count = 0;
    for (int x = left; x < right; ++x)
        count += image.pixelColor(x, y) == ChartColor::kBlack ? 1 : 0;
    return count;
}

// Over time, each column draws the set point its sample had (black and dashed in high contrast); by
// default the newest set point runs across the whole width.
TEST(SetPointOverTime, EachColumnDrawsItsSamplesSetPoint) {
    SampleHistory history;
    for (int k = 1; k <= 600; ++k)
        history.push_back({k <= 300 ? 1000.0 : 2000.0, 20.0, 0, 0, 0, 0, 0, k * 0.1});
    CWindowState pointOnly;
    pointOnly.m_bShowError = pointOnly.m_bShowProportional = pointOnly.m_bShowIntegral = false;
    pointOnly.m_bShowDerivative = pointOnly.m_bShowPower = false;
    ChartStyle style;
    style.palette = ChartPalette::HighContrast;
    const QRect client(0, 0, 500, 300);
    const ChartGeometry geometry(client);
    const int oldRow = ChartGeometry::toPixel(geometry.absoluteY(1000.0));
    const int newRow = ChartGeometry::toPixel(geometry.absoluteY(2000.0));
    for (const bool overTime : {false, true}) {
        style.setPointOverTime = overTime;
        QImage image(client.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        PaintChart(painter, client, history, pointOnly, style);
        // The oldest 300 samples stand at columns 1 to 200, the newer ones right of them.
        EXPECT_EQ(blackIn(image, oldRow, 10, 190) > 100, overTime);
        EXPECT_EQ(blackIn(image, newRow, 10, 190) > 50, !overTime);
        EXPECT_GT(blackIn(image, newRow, 210, 490), 100);
    }
}

using HistoryViewTest = FrameTest;

void Apply(CChildFrame& frame, const char* key, double number) {
    SettingValue value;
    value.number = number;
    frame.ApplySettings({{settingByFileKey(key), value}});
}

// A step the live chart no longer holds is measured from the recording as the meter measured it live:
// a click at the step in the history shows the meter's own figures, bit for bit.
TEST_F(HistoryViewTest, ClickAtAStepThatLeftTheLiveChartGivesTheMetersFigures) {
    Apply(frame, "pid", 1);
    Apply(frame, "kp", 0.5);
    Apply(frame, "ki", 2.0);
    Apply(frame, "kd", 0.01);
    for (int i = 0; i < 100; ++i)
        View().Step();
    Apply(frame, "setPoint", 1500.0);
    for (int i = 0; i < 2000; ++i)
        View().Step();
    ASSERT_EQ(View().m_history[0].setPoint, 1500.0); // the live chart no longer holds the step

    CHistoryView history(View());
    history.resize(900, 480);
    history.show();
    history.Chart()->FitAll();
    CHistoryChart& chart = *history.Chart();
    const int x = chart.XOfColumn(chart.Range().ColumnOf(101.0)) + 2; // a little beside the step
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(x, chart.height() / 2));

    const StepResponseFigures live = View().m_stepResponse.Figures();
    const StepResponseFigures recorded = history.PickedResponse().figures;
    EXPECT_EQ(recorded.responseStartStep, 101.0);
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        const double a = live.*field.value;
        const double b = recorded.*field.value;
        EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << field.name << ": " << a << " vs " << b;
    }
    EXPECT_EQ(history.DataCsv(true).count('\n'), 2101); // the header and every step of the run
}

// "Fit all" keeps the whole run in view while it grows, until the user scrolls; every tool of the
// toolbars stays reachable at the window's opening size, none hidden behind the overflow button.
TEST_F(HistoryViewTest, FitAllFollowsTheRunAndTheToolbarsFit) {
    for (int i = 0; i < 100; ++i)
        View().Step();
    CHistoryView history(View());
    history.show();
    for (QToolBar* bar : history.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions())
            EXPECT_TRUE(action->isSeparator() || bar->widgetForAction(action)->isVisible())
                << action->text().toStdString() << " at " << history.width() << " px";
    }
    CHistoryChart& chart = *history.Chart();
    chart.FitAll();
    std::size_t first = 99;
    std::size_t last = 0;
    for (int round = 1; round <= 2; ++round) {
        for (int i = 0; i < 100; ++i)
            View().Step();
        history.Refresh();
        chart.VisibleIndices(first, last);
        EXPECT_EQ(first, 0u) << round;
        EXPECT_EQ(last, View().m_recording.size() - 1) << round;
    }
    chart.ScrollTo(50.0);
    for (int i = 0; i < 100; ++i)
        View().Step();
    history.Refresh();
    chart.VisibleIndices(first, last);
    EXPECT_GT(first, 0u);
}

// Between two refreshes a full recording drops steps the range still starts at: the chart then
// shows the oldest kept step in their place.
TEST_F(HistoryViewTest, PaintsWhileAFullRecordingDropsItsOldest) {
    View().m_recording.setCapacity(100);
    for (int i = 0; i < 150; ++i)
        View().Step();
    CHistoryView history(View());
    history.show();
    history.Chart()->FitAll();
    for (int i = 0; i < 30; ++i)
        View().Step();
    EXPECT_FALSE(history.Chart()->grab().isNull());
    std::size_t index = 99;
    ASSERT_TRUE(history.Chart()->IndexAt(0, index));
    EXPECT_EQ(index, 0u);
}

} // namespace

// 1001 steps over 101 columns: ten steps a column when fitted; zooming keeps the step under the mouse,
// and the zoom stops at eight columns a step and at the whole recording.
TEST(HistoryRange, FitsZoomsAndScrollsOnExactSteps) {
    HistoryRange range;
    range.SetBounds(1, 1001, 101);
    range.FitAll();
    EXPECT_EQ(range.StepsPerColumn(), 10.0);
    EXPECT_EQ(range.StepAt(100), 1001u);
    range.Zoom(2.0, 50);
    EXPECT_EQ(range.StepAt(50), 501u);
    EXPECT_EQ(range.StepAt(0), 251u);
    range.ShowNewest();
    EXPECT_EQ(range.FirstStep(), 501.0);
    EXPECT_TRUE(range.ShowsNewest());
    range.ScrollColumns(-10);
    EXPECT_EQ(range.FirstStep(), 451.0);
    EXPECT_FALSE(range.ShowsNewest());
    range.Zoom(1000.0, 0);
    EXPECT_EQ(range.StepsPerColumn(), 0.125);
    range.Zoom(1e-6, 0);
    EXPECT_EQ(range.StepsPerColumn(), 10.0);
    EXPECT_EQ(range.FirstStep(), 1.0);
}

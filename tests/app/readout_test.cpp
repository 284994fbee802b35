#include "ActiveWindowReadout.h"
#include "AppTestSupport.h"
#include "CommandIds.h"
#include "ElidedLabel.h"
#include "FakeCounter.h"
#include "PanelText.h"
#include "RangedEdit.h"
#include "SetPointStepDlg.h"
#include "StepRateCounter.h"
#include "StepResponseDock.h"
#include "ui/FakeStepTimer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

using ReadoutTest = AppTest;
using namespace CommandId;

// Every chart option is off until chosen; a choice reaches every window, those opened later and
// the next start of the program.
TEST_F(ReadoutTest, ChartOptionsReachEveryWindowAndAreRemembered) {
    EXPECT_FALSE(Action(ViewHighContrast).isChecked());
    EXPECT_FALSE(Action(ViewScale).isChecked());
    EXPECT_FALSE(Action(ViewSetPointOverTime).isChecked());
    EXPECT_EQ(ActiveView().Style().palette, ChartPalette::Standard);
    EXPECT_FALSE(ActiveView().Style().showScale);
    EXPECT_FALSE(ActiveView().Style().setPointOverTime);

    Trigger(FileNew);
    Trigger(ViewHighContrast);
    Trigger(ViewScale);
    Trigger(ViewSetPointOverTime);
    Trigger(FileNew);
    for (CMdiChild* window : Windows()) {
        EXPECT_EQ(window->View()->Style().palette, ChartPalette::HighContrast);
        EXPECT_TRUE(window->View()->Style().showScale);
        EXPECT_TRUE(window->View()->Style().setPointOverTime);
    }
    Trigger(ViewHighContrast);

    m_app.reset();
    m_app = std::make_unique<CVorlintApp>();
    ASSERT_TRUE(m_app->InitInstance({}));
    EXPECT_FALSE(Action(ViewHighContrast).isChecked());
    EXPECT_TRUE(Action(ViewScale).isChecked());
    EXPECT_TRUE(Action(ViewSetPointOverTime).isChecked());
    EXPECT_EQ(ActiveView().Style().palette, ChartPalette::Standard);
    EXPECT_TRUE(ActiveView().Style().showScale);
    EXPECT_TRUE(ActiveView().Style().setPointOverTime);
}

QString Figure(CMainFrame& frame, const char* name) {
    return frame.StepResponseDock()->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The status bar and the dock read the active window when the readout refreshes: the newest sample,
// the run's simulated time, the steps counted over the last second and the step-response figures.
TEST_F(ReadoutTest, StatusBarAndDockReadTheActiveWindow) {
    CActiveWindowReadout& readout = *Frame().Readout();
    CVorlintView& view = ActiveView();
    view.SetCounterSource(FakeCounter::source(1000, 0)); // the test sets the time
    // The test makes every step itself: Start must not arm a real timer whose tick could slip in.
    view.SetStepTimer(std::make_unique<CFakeStepTimer>());
    readout.Refresh();
    // Before the first step: what the window holds.
    EXPECT_EQ(readout.Pane()->text(),
              QStringLiteral("SetPoint 0,0   Point 20,0   Potência 0,0 %   Tempo 0,000 s   0 passos/s"));
    EXPECT_TRUE(Frame().StepResponseDock()->isHidden());
    Trigger(ViewStepResponse);
    EXPECT_FALSE(Frame().StepResponseDock()->isHidden());
    EXPECT_TRUE(Action(ViewStepResponse).isChecked());
    EXPECT_EQ(Figure(Frame(), "setpoint"), QStringLiteral("–"));

    SessionScript::SetUpPid(*Active(), 1000.0, 0.05, 2.0, 0.0);
    for (int i = 0; i < 30; ++i)
        view.OnTimer();
    FakeCounter::now = 2000;
    readout.Refresh();
    // Start and Stop pause the run; they do not begin another.
    Trigger(SimStart);
    Trigger(SimStop);
    Trigger(SimStart);
    for (int i = 0; i < 20; ++i)
        view.OnTimer();
    FakeCounter::now = 2500; // 20 steps in half a second
    readout.Refresh();

    const Sample& newest = view.m_history.newest();
    EXPECT_EQ(readout.Pane()->text(),
              QStringLiteral("SetPoint 1000,0   Point %1   Potência %2   Tempo 5,000 s   "
                             "40 passos/s")
                  .arg(formatPanelNumber(newest.point, {1, ""}), formatPanelNumber(newest.power, {1, " %"})));
    EXPECT_EQ(Figure(Frame(), "response_start_step"), QStringLiteral("1"));
    EXPECT_EQ(Figure(Frame(), "initial_point"), QStringLiteral("20,0"));
    EXPECT_EQ(Figure(Frame(), "setpoint"), QStringLiteral("1000,0"));
    EXPECT_EQ(Figure(Frame(), "steady_state_error"), formatPanelNumber(newest.error, {1, ""}));
    // Figures do not move the dock's edge (which would shift tiled windows), and its title fits.
    CStepResponseDock& dock = *Frame().StepResponseDock();
    const int width = dock.width();
    StepResponseFigures large;
    large.itae = -12345678.9;
    dock.ShowFigures(large);
    EXPECT_EQ(dock.width(), width);
    EXPECT_LT(dock.fontMetrics().horizontalAdvance(dock.windowTitle()), width);
    // A stopped window makes no steps, whatever the last second counted.
    Trigger(SimStop);
    readout.Refresh();
    EXPECT_TRUE(readout.Pane()->text().endsWith(QStringLiteral("Tempo 5,000 s   0 passos/s")));

    // A formula that fails says so until it gives a number again; the point stays put.
    EXPECT_TRUE(readout.PlantFailurePane()->isHidden());
    const double point = view.m_dPoint;
    view.m_strFormula = "0,5*p";
    view.OnTimer();
    readout.Refresh();
    EXPECT_EQ(view.m_dPoint, point);
    EXPECT_FALSE(readout.PlantFailurePane()->isHidden());
    EXPECT_EQ(readout.PlantFailurePane()->FullText(), view.PlantFailureNote());
    EXPECT_TRUE(view.PlantFailureNote().contains(QStringLiteral("não vírgula")))
        << view.PlantFailureNote().toStdString();
    // The note takes the room the readout leaves: cut, whole in its tooltip, the readout whole beside it.
    Frame().resize(900, Frame().height());
    QApplication::processEvents();
    EXPECT_GE(readout.Pane()->width(), readout.Pane()->sizeHint().width());
    EXPECT_TRUE(readout.PlantFailurePane()->text().endsWith(QChar(0x2026)))
        << readout.PlantFailurePane()->text().toStdString();
    EXPECT_EQ(readout.PlantFailurePane()->toolTip(), view.PlantFailureNote());
    view.m_strFormula = "0.5*p";
    view.OnTimer();
    readout.Refresh();
    EXPECT_TRUE(readout.PlantFailurePane()->isHidden());

    Trigger(FileClose);
    readout.Refresh();
    EXPECT_EQ(readout.Pane()->text(), QString());
    EXPECT_EQ(Figure(Frame(), "setpoint"), QStringLiteral("–"));
}

TEST_F(ReadoutTest, ASetPointStepGivesTheFiguresOfTheSameStepRunHeadless) {
    CVorlintView& view = ActiveView();
    SessionScript::SetUpPid(*Active(), 1200.0, 0.05, 2.0, 0.0);
    for (int i = 0; i < 300; ++i)
        view.OnTimer();
    ModalAnswer answer([](QWidget* widget) {
        auto& dialog = *qobject_cast<CSetPointStepDlg*>(widget);
        // The panels' numbers, whatever the system's decimal mark; out of the trackbar's travel is refused.
        const auto type = [&dialog](const char* text) {
            dialog.Edit()->selectAll();
            QTest::keyClicks(dialog.Edit(), QString::fromLatin1(text));
        };
        type("3000,5");
        EXPECT_FALSE(dialog.OkButton()->isEnabled());
        type("2199,75");
        EXPECT_EQ(dialog.SetPoint(), 2199.75);
        type("2200.0");
        dialog.OkButton()->click();
    });
    Trigger(SimSetPointStep);
    for (int i = 0; i < 300; ++i)
        view.OnTimer();

    // sim --mode pid --kp 0.05 --ki 2 --setpoint 1200 --steps 600 --at 301:setpoint=2200
    CSimulation headless;
    headless.InitialUpdate();
    headless.SetControlMode(CSimulation::ControlMode::Pid);
    headless.m_dKp = 0.05;
    headless.SetKi(2.0);
    for (int step = 1; step <= 600; ++step) {
        headless.m_dSetPoint = step <= 300 ? 1200.0 : 2200.0;
        headless.Step();
    }
    const StepResponseFigures expected = headless.m_stepResponse.Figures();
    const StepResponseFigures shown = view.m_stepResponse.Figures();
    EXPECT_EQ(shown.responseStartStep, 301.0);
    for (const auto& field : kStepResponseFigureFields)
        EXPECT_EQ(std::isnan(shown.*field.value) ? -1.0 : shown.*field.value,
                  std::isnan(expected.*field.value) ? -1.0 : expected.*field.value)
            << field.name;
    EXPECT_FALSE(view.m_stepResponse.StillChanging());
}

TEST(StepRateCounter, CountsTheStepsOfTheLastSecond) {
    CStepRateCounter counter;
    EXPECT_TRUE(std::isnan(counter.Rate()));
    std::uint64_t steps = 0;
    for (int tenth = 0; tenth <= 20; ++tenth) {
        counter.Add(tenth * 0.1, steps);
        steps += tenth < 10 ? 50 : 100; // 500 steps a second, then 1000
    }
    EXPECT_NEAR(counter.Rate(), 1000.0, 1e-6);
    counter.Add(2.1, 10); // the run began again
    EXPECT_TRUE(std::isnan(counter.Rate()));
    counter.Add(2.2, 90);
    EXPECT_NEAR(counter.Rate(), 800.0, 1e-6);
}

// Readings a quarter of a second apart keep the sums exact: 400 steps a second, then none.
TEST(StepRateCounter, FallsToNoneWhenTheCountStallsAndSpansAStalledTimer) {
    CStepRateCounter counter;
    const std::uint64_t steps[] = {0, 100, 200, 300, 400, 400, 400};
    for (int quarter = 0; quarter < 7; ++quarter)
        counter.Add(quarter * 0.25, steps[quarter]);
    EXPECT_EQ(counter.Rate(), 200.0) << "back to the reading exactly a second old";
    counter.Add(1.75, 400);
    counter.Add(2.0, 400);
    EXPECT_EQ(counter.Rate(), 0.0);
    counter.Add(4.0, 900); // no reading for two seconds: the one before stands in
    EXPECT_EQ(counter.Rate(), 250.0);
}

} // namespace

#include "AppTestSupport.h"
#include "ChartPicture.h"
#include "ChildFrame.h"
#include "CommandIds.h"
#include "DialogPanel.h"
#include "DialogTemplates.h"
#include "HistoryView.h"
#include "LabReport.h"
#include "RunHistoryWindow.h"
#include "SessionScript.h"
#include "SpeedSelector.h"
#include "StepResponseFigureTexts.h"
#include "ui/FakeStepTimer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include <cmath>

namespace {

using RunStudyTest = AppTest;

QLineEdit& Field(CMdiChild& window, int id) {
    return *window.Frame()->findChild<QLineEdit*>(QString::number(id));
}

// n× makes "Real" the simulated step over n, in whole milliseconds (halves up), "máxima" 1 ms; the
// selector shows the speed a window runs at, and none for a "Real" of no speed.
TEST_F(RunStudyTest, SpeedSelectorSetsRealFromTheSimulatedStep) {
    QComboBox& speed = *Frame().SpeedSelector()->Combo();
    CVorlintView& view = ActiveView();
    ASSERT_EQ(speed.count(), 7);
    EXPECT_EQ(speed.itemText(0), QStringLiteral("1× = tempo real"));
    EXPECT_EQ(view.m_nRealStepMs, 1u); // the default stays
    EXPECT_EQ(speed.currentText(), QStringLiteral("máxima"));

    const std::pair<int, std::uint32_t> dt100[] = {{0, 100}, {1, 50}, {2, 20}, {3, 10},
                                                   {4, 5},   {5, 2},  {6, 1}};
    // A running window's timer takes the new period at once.
    view.SetStepTimer(std::make_unique<CFakeStepTimer>());
    Trigger(CommandId::SimStart);
    for (const auto& [index, realMs] : dt100) {
        speed.setCurrentIndex(index);
        emit speed.activated(index);
        EXPECT_EQ(view.m_nRealStepMs, realMs) << index;
        EXPECT_EQ(Field(*Active(), ControlId::RealStep).text().toUInt(), realMs);
        EXPECT_EQ(view.TimerPeriodMs(), static_cast<int>(realMs));
    }
    // 150 ms at 20× is 7.5 ms: 8; at 1× 10 s is beyond the timer's periods: its longest, 4999 ms.
    Field(*Active(), ControlId::SimStep).setText(QStringLiteral("150"));
    emit speed.activated(4);
    EXPECT_EQ(view.m_nRealStepMs, 8u);
    Field(*Active(), ControlId::SimStep).setText(QStringLiteral("10000"));
    emit speed.activated(0);
    EXPECT_EQ(view.m_nRealStepMs, 4999u);
    view.m_nRealStepMs = 7;
    Frame().SpeedSelector()->Refresh();
    EXPECT_EQ(speed.currentIndex(), -1);
}

// The menu opens one history window per simulation window, drawn with the set point over time.
TEST_F(RunStudyTest, HistoryMenuOpensTheWindowsRecording) {
    CVorlintView& view = ActiveView();
    for (int i = 0; i < 20; ++i)
        view.OnTimer();
    Trigger(CommandId::ViewRunHistory);
    Trigger(CommandId::ViewRunHistory);
    const QList<CHistoryView*> windows = view.findChildren<CHistoryView*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_EQ(windows.front()->DataCsv(true).count('\n'), 21); // the header and every step
}

/// kStepResponseFigureFields[2].
constexpr std::size_t kSetPointFigure = 2;

/// The line of `report` that gives the figure `figure`.
QString FigureLine(const CLabReport& report, std::size_t figure) {
    for (const QString& line : report.Lines()) {
        if (line.startsWith(StepResponseFigureName(figure) + QLatin1String(": ")) &&
            line.contains(QStringLiteral(" — ")))
            return line;
    }
    return QString();
}

/// Every "Name: value" entry of `report`'s setup lines.
QStringList SetupEntriesOf(const CLabReport& report) {
    return report.Lines().join(QStringLiteral("   ")).split(QStringLiteral("   "));
}

// The history window's report gives the response picked there, not the window's latest: its figures,
// its chart from its start to its settling, and the setup it ran under, not the one set since.
TEST_F(RunStudyTest, AReportFromTheHistoryListsTheResponsePickedThereWithItsSetupAndChart) {
    CVorlintView& view = ActiveView();
    SessionScript::SetUpPid(*Active(), 1200.0, 0.05, 2.0, 0.0);
    for (int i = 0; i < 300; ++i)
        view.OnTimer();
    Active()->Frame()->ApplySettings({setPointChange(2200.0)});
    for (int i = 0; i < 300; ++i)
        view.OnTimer();
    Active()->Frame()->ApplySettings({setPointChange(2400.0), {settingByFileKey("realStepMs"), {20.0, ""}}});
    for (int i = 0; i < 5; ++i)
        view.OnTimer();
    CHistoryView& history = ShowRunHistory(view, QStringLiteral("lab.vrl"));
    ASSERT_TRUE(history.PickResponseNear(0));
    EXPECT_TRUE(FigureLine(CLabReport(view, ResponseRun(view, history.PickedResponse()),
                                      QStringLiteral("lab.vrl"), QDateTime()),
                           kSetPointFigure)
                    .contains(QLatin1String(": 1200,0")));

    ASSERT_TRUE(history.PickResponseNear(300));
    const LabReportRun run = ResponseRun(view, history.PickedResponse());
    const double settling = history.PickedResponse().figures.settlingTimeS;
    ASSERT_LT(settling, 29.0) << "it settles before the next change";
    EXPECT_EQ(run.firstShownStep, 301u);
    EXPECT_EQ(run.lastShownStep, 301u + static_cast<std::uint64_t>(std::llround(settling / 0.1)));
    const CLabReport picked(view, run, QStringLiteral("lab.vrl"), QDateTime());
    EXPECT_TRUE(FigureLine(picked, kSetPointFigure).contains(QLatin1String(": 2200,0")));
    const QStringList setup = SetupEntriesOf(picked);
    EXPECT_TRUE(setup.contains(QStringLiteral("Set point: 2200")) &&
                setup.contains(QStringLiteral("Real (ms): 1")))
        << setup.join('|').toStdString();
    EXPECT_TRUE(picked.PdfBytes().startsWith("%PDF"));

    // The window's own report gives its latest response, not yet settled, with the setup of now.
    const LabReportRun live = LiveRun(view);
    EXPECT_EQ(live.firstShownStep, 601u);
    EXPECT_EQ(live.lastShownStep, 605u);
    const CLabReport latest(view, QStringLiteral("lab.vrl"), QDateTime());
    EXPECT_TRUE(FigureLine(latest, kSetPointFigure).contains(QLatin1String(": 2400,0")));
    const QStringList now = SetupEntriesOf(latest);
    EXPECT_TRUE(now.contains(QStringLiteral("Set point: 2400")) &&
                now.contains(QStringLiteral("Real (ms): 20")))
        << now.join('|').toStdString();
}

// At full speed a hand's drag comes tens of steps apart: held down, the trackbar's changes still make a
// ramp, and a report made right after it gives no figure; a change typed as far apart is a step.
TEST_F(RunStudyTest, AHandsDragIsARampWhoseReportGivesNoFigure) {
    CVorlintView& view = ActiveView();
    QSlider& setPoint = *Active()->Frame()->SliderPanel()->Control<QSlider>(ControlId::SetPoint);
    for (int i = 0; i < 30; ++i)
        view.OnTimer();
    setPoint.setSliderDown(true);
    for (int move = 0; move < 3; ++move) {
        setPoint.setValue(setPoint.value() - 20000);
        for (int i = 0; i < 20; ++i)
            view.OnTimer();
    }
    setPoint.setSliderDown(false);
    view.OnTimer();
    EXPECT_TRUE(view.m_stepResponse.StillChanging());

    const CLabReport report(view, QStringLiteral("lab.vrl"), QDateTime());
    const QString changing = QStringLiteral("O set point ainda estava mudando");
    EXPECT_TRUE(report.Lines().contains(changing));
    for (std::size_t f = 0; f < kStepResponseFigureFields.size(); ++f)
        EXPECT_TRUE(FigureLine(report, f).startsWith(StepResponseFigureName(f) + QStringLiteral(": – — ")))
            << FigureLine(report, f).toStdString();
    const std::optional<QString> words = PdfWords(report.PdfBytes(), Path(QStringLiteral("ramp.pdf")));
    if (words) {
        EXPECT_TRUE(words->contains(changing));
        for (std::size_t f = 0; f < kStepResponseFigureFields.size(); ++f)
            EXPECT_TRUE(words->contains(StepResponseFigureName(f) + QStringLiteral(": – — ")))
                << StepResponseFigureName(f).toStdString();
    }

    for (int i = 0; i < 20; ++i)
        view.OnTimer();
    setPoint.setValue(setPoint.value() - 20000);
    view.OnTimer();
    EXPECT_FALSE(view.m_stepResponse.StillChanging()) << "not held, 21 steps after the drag";
}

} // namespace

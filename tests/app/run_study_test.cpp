#include "AppTestSupport.h"
#include "ChartPicture.h"
#include "ChildFrame.h"
#include "CommandIds.h"
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

// The history window's report gives the response picked there, not the window's latest.
TEST_F(RunStudyTest, AReportFromTheHistoryListsTheResponsePickedThere) {
    CVorlintView& view = ActiveView();
    SessionScript::SetUpPid(*Active(), 1200.0, 0.05, 2.0, 0.0);
    for (int i = 0; i < 300; ++i)
        view.OnTimer();
    Active()->Frame()->ApplySettings({setPointChange(2200.0)});
    for (int i = 0; i < 300; ++i)
        view.OnTimer();
    CHistoryView& history = ShowRunHistory(view, QStringLiteral("lab.vrl"));
    ASSERT_TRUE(history.PickResponseNear(0));
    const std::unique_ptr<CChartPicture> shown = history.ChartPicture(false);
    const CLabReport picked(view, {*shown, history.PickedResponse()}, QStringLiteral("lab.vrl"), QDateTime());
    const auto setPointLine = [](const CLabReport& report) {
        for (const QString& line : report.Lines()) {
            if (line.startsWith(StepResponseFigureName(kSetPointFigure) + QLatin1String(": ")) &&
                line.contains(QStringLiteral(" — ")))
                return line;
        }
        return QString();
    };
    EXPECT_TRUE(setPointLine(picked).contains(QLatin1String(": 1200,0")))
        << setPointLine(picked).toStdString();
    EXPECT_TRUE(setPointLine(CLabReport(view, QStringLiteral("lab.vrl"), QDateTime()))
                    .contains(QLatin1String(": 2200,0")));
    EXPECT_TRUE(picked.PdfBytes().startsWith("%PDF"));
}

} // namespace

#include "AppTestSupport.h"
#include "BodeCsv.h"
#include "CommandIds.h"
#include "FrequencyDlg.h"
#include "FrequencyLabTexts.h"
#include "SettingsTable.h"
#include "SimulationSetup.h"
#include "TuningLab.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>

#include <cmath>
#include <string_view>

namespace {

using FrequencyDialogTest = AppTest;

/// The row of the figure the command line calls `name`.
int RowOf(const char* name) {
    for (std::size_t i = 0; i < kFrequencyFigureFields.size(); ++i) {
        if (std::string_view(kFrequencyFigureFields[i].name) == name)
            return static_cast<int>(i);
    }
    return -1;
}

QString Cell(const CFrequencyDlg& dialog, const char* figure, int column) {
    return dialog.FiguresTable()->item(RowOf(figure), column)->text();
}

FrequencyAnalysis AnalysisOf(const CVorlintView& view) {
    FrequencyRequest request;
    request.operatingPoint = TuningSetPoint(view.m_dSetPoint);
    return AnalyzeFrequency(SetupOf(view), {view.m_dKp, view.m_dKi, view.m_dKd}, request);
}

/// Every analytic figure the dialog shows is the frequency lab's, as the dialog writes it.
void ExpectFiguresOf(const CFrequencyDlg& dialog, const FrequencyAnalysis& expected) {
    for (std::size_t i = 0; i < kFrequencyFigureFields.size(); ++i) {
        const double value = expected.figures.*kFrequencyFigureFields[i].value;
        EXPECT_EQ(dialog.FiguresTable()->item(static_cast<int>(i), CFrequencyDlg::AnalyticColumn)->text(),
                  CFrequencyDlg::FigureText(i, value))
            << kFrequencyFigureFields[i].name;
    }
}

CFrequencyDlg& OpenDialog(CMainFrame& frame) {
    SessionScript::Trigger(frame, CommandId::SimFrequency);
    QList<CFrequencyDlg*> dialogs = frame.findChildren<CFrequencyDlg*>();
    EXPECT_EQ(dialogs.size(), 1);
    return *dialogs.front();
}

TEST_F(FrequencyDialogTest, ShowsTheLabsFiguresOfTheWindowAndFollowsItsSettingsAndItsRelay) {
    CVorlintView& view = ActiveView();
    // A linear plant: a = 0.9 and b = 0.5 everywhere, and 0.5 = 0.1·p0 / t0 holds p0 = 100 with t0 = 20.
    SettingTarget target{view, &view};
    applyChanges(target, {formulaChange("0.9*p + 0.5*t"), setPointChange(100.0)});
    view.m_dynamicsSettings.deadTimeS = 0.5;
    view.m_dynamicsSettings.lagCount = 2;
    view.m_dynamicsSettings.lagTauS = 1.0;
    applyChanges(target, pidGainChanges({0.1, 2.0, 0.0}));
    CFrequencyDlg& dialog = OpenDialog(Frame());
    const FrequencyAnalysis before = AnalysisOf(view);
    ExpectFiguresOf(dialog, before);
    const int analytic = CFrequencyDlg::AnalyticColumn;
    EXPECT_EQ(Cell(dialog, "p0", analytic), QStringLiteral("100"));
    EXPECT_EQ(Cell(dialog, "t0", analytic), QStringLiteral("20"));
    EXPECT_EQ(Cell(dialog, "a", analytic), QStringLiteral("0,9"));
    EXPECT_EQ(Cell(dialog, "b", analytic), QStringLiteral("0,5"));
    ASSERT_TRUE(std::isfinite(before.figures.ku) && std::isfinite(before.figures.gainMargin));
    EXPECT_EQ(dialog.CurvesCsv().toStdString(), BodeCsv(before.bode));
    EXPECT_EQ(Cell(dialog, "ku", CFrequencyDlg::RelayColumn), QString()) << "no relay has run";

    // The relay's Ku 10 % above the analytic one and its Tu 5 % below.
    view.RememberRelayCycle({before.figures.ku * 1.1, before.figures.tu * 0.95});
    EXPECT_EQ(Cell(dialog, "ku", CFrequencyDlg::RelayColumn),
              CFrequencyDlg::FigureText(RowOf("ku"), before.figures.ku * 1.1));
    EXPECT_EQ(Cell(dialog, "ku", CFrequencyDlg::DifferenceColumn), QStringLiteral("10,0 %"));
    EXPECT_EQ(Cell(dialog, "tu", CFrequencyDlg::DifferenceColumn), QStringLiteral("-5,0 %"));

    // Twice the proportional gain halves the gain margin; the relay still holds for the same plant.
    applyChanges(target, pidGainChanges({0.2, 2.0, 0.0}));
    dialog.RefreshIfChanged();
    const FrequencyAnalysis after = AnalysisOf(view);
    EXPECT_NE(after.figures.gainMargin, before.figures.gainMargin);
    ExpectFiguresOf(dialog, after);
    EXPECT_EQ(Cell(dialog, "ku", CFrequencyDlg::DifferenceColumn), QStringLiteral("10,0 %"));

    // Another plant: the relay's figures were found on the old one.
    view.m_dynamicsSettings.deadTimeS = 0.3;
    dialog.RefreshIfChanged();
    ExpectFiguresOf(dialog, AnalysisOf(view));
    EXPECT_EQ(Cell(dialog, "ku", CFrequencyDlg::RelayColumn), QString());
    EXPECT_EQ(Cell(dialog, "ku", CFrequencyDlg::DifferenceColumn), QString());
}

TEST_F(FrequencyDialogTest, AMissingFigureReadsADashWithItsReasonAndTheDialogClosesWithItsWindow) {
    // The default first-order plant, no gains.
    CFrequencyDlg& dialog = OpenDialog(Frame());
    const int analytic = CFrequencyDlg::AnalyticColumn;
    EXPECT_EQ(Cell(dialog, "p0", analytic), QStringLiteral("1500"));
    for (const char* missing : {"ku", "tu", "gain_margin", "phase_margin_deg", "crossover_rad_s"})
        EXPECT_EQ(Cell(dialog, missing, analytic), QStringLiteral("–")) << missing;
    for (const char* why : {FrequencyLabText::kPlantPhaseAtNyquistOnly, FrequencyLabText::kLoopIsZero}) {
        EXPECT_TRUE(dialog.ReasonsLabel()->text().contains(QCoreApplication::translate("FrequencyLab", why)))
            << dialog.ReasonsLabel()->text().toStdString();
    }
    EXPECT_EQ(dialog.FiguresTable()->item(RowOf("ku"), analytic)->toolTip(),
              QCoreApplication::translate("FrequencyLab", FrequencyLabText::kPlantPhaseAtNyquistOnly));

    QPointer<CFrequencyDlg> open(&dialog);
    Trigger(CommandId::FileClose);
    for (int round = 0; round < 3; ++round) // the window, then the dialog it closes, go later
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

TEST_F(FrequencyDialogTest, AnUnstablePlantShowsNoMarginsAndNoMsAndSaysWhyOnce) {
    // p·1.1 − 200 + t holds 1500 at t0 = 50 with a = 1.1.
    CVorlintView& view = ActiveView();
    SettingTarget target{view, &view};
    applyChanges(target, {formulaChange("p*1.1 - 200 + t"), setPointChange(1500.0)});
    applyChanges(target, pidGainChanges({0.5, 0.0, 0.0}));
    CFrequencyDlg& dialog = OpenDialog(Frame());
    for (const char* missing : {"gain_margin", "phase_margin_deg", "crossover_rad_s", "ms"})
        EXPECT_EQ(Cell(dialog, missing, CFrequencyDlg::AnalyticColumn), QStringLiteral("–")) << missing;
    const QString why = QCoreApplication::translate("FrequencyLab", FrequencyLabText::kPlantUnstable);
    EXPECT_EQ(dialog.ReasonsLabel()->text().count(why), 1) << dialog.ReasonsLabel()->text().toStdString();
    EXPECT_TRUE(dialog.ReasonsLabel()->text().contains(QStringLiteral("Ms: ") + why));
}

} // namespace

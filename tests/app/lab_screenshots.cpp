#include "ChildFrame.h"
#include "CommandIds.h"
#include "CompareResponsesWindow.h"
#include "FrequencyDlg.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "PlantControllerDlg.h"
#include "ResponseComparison.h"
#include "ScreenshotSupport.h"
#include "SettingsTable.h"
#include "TuningDlg.h"
#include "VorlintView.h"

#include <QApplication>
#include <QMdiArea>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <cstdio>

namespace {

constexpr int kTimeoutMs = 60000;

/// The plant of the tuning-lab page: the default formula behind 0.5 s of dead time and two lags of 1 s.
void SetUpExamplePlant(CVorlintView& view) {
    view.m_dynamicsSettings.deadTimeS = 0.5;
    view.m_dynamicsSettings.lagCount = 2;
    view.m_dynamicsSettings.lagTauS = 1.0;
    view.m_dSetPoint = 1200.0;
}

bool TakeTuningDialog(CVorlintView& view, const QString& path) {
    CTuningDlg dialog(view, {});
    dialog.show();
    dialog.StepTestButton()->click();
    QSignalSpy finished(&dialog, &CTuningDlg::tuningFinished);
    dialog.RunExperiment();
    if (!finished.wait(kTimeoutMs))
        return false;
    QTableWidget& rules = *dialog.RulesTable();
    for (int row = 0; row < rules.rowCount(); ++row) {
        if (rules.item(row, 0)->text() == QLatin1String("IMC PID"))
            rules.selectRow(row);
    }
    return SaveGrab(dialog, path);
}

bool TakePlantDialog(CVorlintView& view, const QString& path) {
    CPlantControllerDlg dialog(SettingSource(view, &view), {});
    dialog.show();
    return SaveGrab(dialog, path);
}

/// The frequency dialog of the frequency-lab page's example: its plant at the set point 1500 with the
/// relay's Ziegler-Nichols PID, and beside Ku and Tu what that page's relay run found.
bool TakeFrequencyDialog(CVorlintView& view, const QString& path) {
    SettingTarget target{view, &view};
    applyChanges(target, {setPointChange(1500.0)});
    applyChanges(target, pidGainChanges({0.043680388385247515, 62.956565024364728, 0.030029908963059564}));
    view.RememberRelayCycle({0.072800647308745858, 5.4999344233306822});
    CFrequencyDlg dialog(view);
    dialog.resize(780, 860);
    dialog.show();
    return SaveGrab(dialog, path);
}

/// Three windows on the example plant, proportional control at three gains, compared 15 s into
/// their responses.
bool TakeComparison(CMainFrame& frame, const QString& path) {
    for (int i = 0; i < 2; ++i)
        frame.Action(CommandId::FileNew)->trigger();
    double kp = 0.005;
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = static_cast<CMdiChild*>(window);
        CVorlintView& view = *child->View();
        SetUpExamplePlant(view);
        view.SetPid(true);
        view.m_dKp = kp;
        kp *= 2.0;
        child->Frame()->ExchangePanels(false);
        for (int step = 0; step < 150; ++step)
            view.Step();
    }
    CCompareResponsesWindow& comparison = ShowResponseComparison(frame);
    comparison.Refresh();
    // The size it opens at on a screen large enough for it.
    comparison.FitToContents(QSize(4000, 4000));
    return SaveGrab(comparison, path);
}

} // namespace

// Takes the pictures of the tuning-lab page, in the interface's language: the tuning dialog after a step test
// on the page's example plant, the plant-and-controller dialog with that plant, the frequency-lab page's
// frequency dialog and three windows' responses compared. Usage: vorlint-lab-screenshots TUNING.png PLANT.png
// FREQUENCY.png COMPARE.png
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s TUNING.png PLANT.png FREQUENCY.png COMPARE.png\n", argv[0]);
        return 2;
    }
    CScreenshotApp vorlint(application);
    if (!vorlint.Started())
        return 1;
    CMainFrame& frame = vorlint.Frame();
    CVorlintView& view = *frame.ActiveChild()->View();
    SetUpExamplePlant(view);
    const bool taken = TakeTuningDialog(view, QString::fromLocal8Bit(argv[1])) &&
                       TakePlantDialog(view, QString::fromLocal8Bit(argv[2])) &&
                       TakeFrequencyDialog(view, QString::fromLocal8Bit(argv[3])) &&
                       TakeComparison(frame, QString::fromLocal8Bit(argv[4]));
    return taken ? 0 : 1;
}

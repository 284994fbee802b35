#include "ActiveWindowReadout.h"
#include "CommandIds.h"
#include "ExerciseDlg.h"
#include "ExerciseDock.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "PlantControllerDlg.h"
#include "ScreenshotSupport.h"
#include "SessionScript.h"
#include "SettingsTable.h"
#include "VorlintApp.h"
#include "VorlintDoc.h"
#include "VorlintView.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

/// The exercise of the exercises page, as its example file writes it.
constexpr char kPageExercise[] = R"({"format": "vorlint", "version": 1,
    "windows": [{"pid": true, "kp": 0.5, "ki": 20, "setPoint": 1500}],
    "exercise": {"title": "Degrau de 1500 para 2000",
        "instructions": "Ajuste Kp e Ki para um sobressinal de no máximo 5 %.", "runS": 30,
        "events": [{"atS": 10, "setPoint": 2000}],
        "checks": [{"figure": "overshoot_pct", "max": 5}, {"figure": "settling_time_s", "max": 8, "window": 1}]}})";

/// The step from rest to 1500 with the page's gains, held to three limits it does not meet after 30 s.
constexpr char kDockExercise[] = R"({"format": "vorlint", "version": 1,
    "windows": [{"pid": true, "kp": 0.5, "ki": 20, "setPoint": 1500}],
    "exercise": {"title": "Degrau de 20 para 1500",
        "instructions": "Ajuste Kp e Ki para um sobressinal de no máximo 5 % e uma acomodação em até 8 s.",
        "checks": [{"figure": "overshoot_pct", "max": 5}, {"figure": "settling_time_s", "max": 8},
                   {"figure": "steady_state_error", "min": -1, "max": 1}]}})";

/// A student's file whose plant, the tuning lab's, is hidden.
constexpr char kHiddenPlant[] = R"({"format": "vorlint", "version": 1, "exercise": {"hidePlant": true},
    "windows": [{"pid": true, "kp": 0.5, "ki": 20, "setPoint": 1500,
                 "deadTimeS": 0.5, "lagCount": 2, "lagTauS": 1}]})";

constexpr int kSimulatedSteps = 300;

/// Writes `content` to `name` in `folder` and opens it as the active document.
CVorlintDoc* Open(CVorlintApp& app, const QTemporaryDir& folder, const QString& name, const char* content) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0)
        return nullptr;
    file.close();
    return dynamic_cast<CVorlintDoc*>(app.OpenDocumentFile(path));
}

bool TakeEditor(const CVorlintDoc& document, const QString& path) {
    CExerciseDlg dialog(document.GetExercise(), 1);
    dialog.resize(560, 620);
    dialog.show();
    return SaveGrab(dialog, path);
}

/// The top of the dock beside the window after 30 simulated seconds of its run.
bool TakeDock(CMainFrame& frame, const QString& path) {
    SessionScript::Trigger(frame, CommandId::ViewExercise);
    CVorlintView& view = *frame.ActiveChild()->View();
    for (int step = 0; step < kSimulatedSteps; ++step)
        view.OnTimer();
    frame.Readout()->Refresh();
    CExerciseDock& dock = *frame.ExerciseDock();
    frame.resizeDocks({&dock}, {300}, Qt::Horizontal);
    // The dock runs the frame's height; its top holds all there is to see.
    return SaveGrab(dock, path, QRect(0, 0, 300, 260));
}

/// The dialog as Simulation > Plant and controller... opens it on the hidden plant's window.
bool TakeHiddenPlant(CMainFrame& frame, const QString& path) {
    CVorlintView& view = *frame.ActiveChild()->View();
    CPlantControllerDlg dialog(SettingSource(view, &view), {}, nullptr, view.PlantHidden());
    dialog.show();
    return SaveGrab(dialog, path);
}

} // namespace

// Takes the pictures of the exercises page in the interface's language: the exercise editor with the
// page's exercise, the Exercise dock after a run that fails its checks and the plant-and-controller dialog
// of a hidden plant. Usage: vorlint-exercise-screenshots EDITOR.png DOCK.png HIDDEN.png
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s EDITOR.png DOCK.png HIDDEN.png\n", argv[0]);
        return 2;
    }
    CScreenshotApp vorlint(application, QSize(1100, 700));
    if (!vorlint.Started())
        return 1;
    CVorlintApp& app = vorlint.App();
    CMainFrame& frame = vorlint.Frame();
    const QTemporaryDir folder;
    const CVorlintDoc* page = Open(app, folder, QStringLiteral("exercise.vrl"), kPageExercise);
    if (page == nullptr || !TakeEditor(*page, QString::fromLocal8Bit(argv[1])))
        return 1;
    if (Open(app, folder, QStringLiteral("dock.vrl"), kDockExercise) == nullptr ||
        !TakeDock(frame, QString::fromLocal8Bit(argv[2])))
        return 1;
    if (Open(app, folder, QStringLiteral("hidden.vrl"), kHiddenPlant) == nullptr ||
        !TakeHiddenPlant(frame, QString::fromLocal8Bit(argv[3])))
        return 1;
    return 0;
}

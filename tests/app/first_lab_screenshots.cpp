#include "ChildFrame.h"
#include "EventsDlg.h"
#include "HistoryView.h"
#include "LabReport.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "RangedEdit.h"
#include "RunHistoryWindow.h"
#include "ScreenshotSupport.h"
#include "SessionScript.h"
#include "SetPointStepDlg.h"
#include "SettingsTable.h"
#include "VorlintView.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cstdio>

namespace {

/// The step of the page: 2200 typed over the set point 1200.
bool TakeSetPointStep(const QString& path) {
    CSetPointStepDlg dialog(1200.0);
    dialog.show();
    dialog.Edit()->selectAll();
    QTest::keyClicks(dialog.Edit(), QStringLiteral("2200"));
    return SaveGrab(dialog, path);
}

/// The page's scheduled step: the set point to 1500 at 0.3 s.
bool TakeEvents(const QString& path) {
    CEventsDlg dialog({{0.3, setPointChange(1500.0)}});
    dialog.show();
    return SaveGrab(dialog, path);
}

/// The page's run, its step made, as a report.
bool WriteReport(CMdiChild& window, const QString& path) {
    SessionScript::SetUpPid(window, 1200.0, 0.01, 20.0, 0.002);
    CVorlintView& view = *window.View();
    // The command-line sample's run: the step to 2200 before step 300 (--at 300), 600 steps in all.
    for (int step = 1; step < 300; ++step)
        view.OnTimer();
    window.Frame()->ApplySettings({setPointChange(2200.0)});
    for (int step = 300; step <= 600; ++step)
        view.OnTimer();
    const QByteArray pdf =
        CLabReport(view, QStringLiteral("first-lab.vrl"), QDateTime(QDate(2026, 12, 8), QTime(9, 30)))
            .PdfBytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
}

/// The run's history with the step to 2200 picked, its figures beside it.
bool TakeHistory(CVorlintView& view, const QString& path) {
    CHistoryView& history = ShowRunHistory(view, QStringLiteral("first-lab.vrl"));
    history.resize(1100, 560);
    history.Refresh();
    return history.PickResponseNear(300) && SaveGrab(history, path);
}

} // namespace

// Takes the pictures of the first-lab page in the interface's language: the set-point step dialog,
// the events dialog, the lab report of the page's run (as a PDF, for the script to turn into a
// picture) and that run's history. Usage: vorlint-first-lab-screenshots STEP.png EVENTS.png REPORT.pdf
// HISTORY.png
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s STEP.png EVENTS.png REPORT.pdf HISTORY.png\n", argv[0]);
        return 2;
    }
    CScreenshotApp vorlint(application, QSize(1100, 700));
    if (!vorlint.Started())
        return 1;
    CMainFrame& frame = vorlint.Frame();
    const bool taken = TakeSetPointStep(QString::fromLocal8Bit(argv[1])) &&
                       TakeEvents(QString::fromLocal8Bit(argv[2])) &&
                       WriteReport(*frame.ActiveChild(), QString::fromLocal8Bit(argv[3])) &&
                       TakeHistory(*frame.ActiveChild()->View(), QString::fromLocal8Bit(argv[4]));
    return taken ? 0 : 1;
}

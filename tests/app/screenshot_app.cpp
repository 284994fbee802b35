#include "MainFrame.h"
#include "MdiChild.h"
#include "SessionScript.h"
#include "VorlintApp.h"
#include "VorlintView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

/// A 10 ms simulated step makes the plant slow enough for the controller's transient to fill a chart.
constexpr std::uint32_t kSimStepMs = 10;
constexpr int kTimeoutMs = 20000;

void SetUpWindow(CMdiChild& window, double setPoint, double kp, double ki, double kd) {
    window.View()->m_nSimStepMs = kSimStepMs;
    SessionScript::SetUpPid(window, setPoint, kp, ki, kd);
}

} // namespace

// Takes the picture of the README: three tiled simulation windows, two of them running a PID
// simulation, photographed once the first chart is full. Usage: vorlint-screenshot OUTPUT.png
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    CVorlintApp app;
    if (!app.InitInstance({}))
        return 1;
    CMainFrame& frame = *app.MainFrame();
    frame.resize(1280, 860);
    QApplication::processEvents();
    const std::vector<CMdiChild*> windows = SessionScript::OpenThreeTiledRunningTwo(frame);
    SetUpWindow(*windows[0], 1500.0, 0.02, 5.0, 0.0);
    SetUpWindow(*windows[1], 2200.0, 0.03, 8.0, 0.01);

    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const CVorlintView& first = *windows[0]->View();
        const bool chartFull = first.m_history.size() >= static_cast<std::size_t>(first.width());
        if (!chartFull && clock.elapsed() < kTimeoutMs)
            return;
        poll.stop();
        QApplication::exit(frame.grab().save(output) ? 0 : 1);
    });
    poll.start(20);
    return QApplication::exec();
}

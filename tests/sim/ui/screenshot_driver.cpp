// Opens Vorlint as a user would, sets up a PID simulation in its first window through the panels,
// runs it through a set-point change with the chart's scales and the step-response figures shown,
// stops, hovers over the response and saves a picture of the main window (argv[1]).
#include "ChildFrame.h"
#include "CommandIds.h"
#include "DialogTemplates.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "VorlintApp.h"
#include "VorlintView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

template <typename T> T* control(CChildFrame* frame, int id) {
    return frame->findChild<T*>(QString::number(id));
}

void type(CChildFrame* frame, int id, const char* text) {
    QLineEdit* edit = control<QLineEdit>(frame, id);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

/// Runs the event loop for `milliseconds` (QTest::qWait would sleep between its rounds and starve
/// the simulation's 1 ms timer).
void runFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

/// The set point trackbar's position for a set point (3000 at the top, 0 at the bottom).
int setPointPosition(double setPoint) {
    return static_cast<int>((3000.0 - setPoint) * 100.0);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    CVorlintApp app;
    if (!app.InitInstance({}))
        return 1;
    CMainFrame* mainFrame = app.MainFrame();
    mainFrame->resize(1180, 760);
    mainFrame->show();
    CMdiChild* child = mainFrame->ActiveChild();
    if (child == nullptr)
        return 1;
    child->showMaximized();
    CChildFrame* frame = child->Frame();
    runFor(200);

    using namespace ControlId;
    QTest::mouseClick(control<QCheckBox>(frame, Pid), Qt::LeftButton);
    type(frame, Kp, "0,01");
    type(frame, Ki, "20");
    type(frame, Kd, "0,002");
    mainFrame->Action(CommandId::ViewScale)->trigger();
    mainFrame->Action(CommandId::ViewStepResponse)->trigger();
    QSlider* setPoint = control<QSlider>(frame, SetPoint);
    setPoint->setValue(setPointPosition(1200.0));
    mainFrame->Action(CommandId::SimStart)->trigger();
    runFor(400);
    setPoint->setValue(setPointPosition(2200.0));
    runFor(600);
    mainFrame->Action(CommandId::SimStop)->trigger();
    // The readout refreshes ten times a second; the cursor reads the response a little after the step.
    CVorlintView* view = frame->View();
    QTest::mouseMove(view, QPoint(view->width() - 480, view->height() / 2));
    runFor(300);

    const bool saved = mainFrame->grab().save(QString::fromLocal8Bit(argv[1]));
    std::printf("%s: %zu steps, %s, %s\n", saved ? "saved" : "not saved", frame->View()->m_history.size(),
                qPrintable(frame->findChild<QWidget*>(QString::number(Cps))->property("text").toString()),
                qPrintable(frame->findChild<QWidget*>(QString::number(Fps))->property("text").toString()));
    return saved ? 0 : 1;
}

#include "SessionScript.h"

#include "ChildFrame.h"
#include "CommandIds.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "VorlintView.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>

namespace SessionScript {

void Trigger(CMainFrame& frame, int commandId) {
    frame.Action(commandId)->trigger();
    QApplication::processEvents();
}

std::vector<CMdiChild*> Windows(const CMainFrame& frame) {
    std::vector<CMdiChild*> windows;
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* child = qobject_cast<CMdiChild*>(window); child != nullptr && child->isVisible())
            windows.push_back(child);
    }
    return windows;
}

void Activate(CMainFrame& frame, CMdiChild& window) {
    frame.MdiArea()->setActiveSubWindow(&window);
    QApplication::processEvents();
}

std::vector<CMdiChild*> OpenThreeTiledRunningTwo(CMainFrame& frame) {
    Trigger(frame, CommandId::FileNew);
    Trigger(frame, CommandId::FileNew);
    Trigger(frame, CommandId::WindowTile);
    std::vector<CMdiChild*> windows = Windows(frame);
    for (std::size_t i = 0; i < 2 && i < windows.size(); ++i) {
        Activate(frame, *windows[i]);
        Trigger(frame, CommandId::SimStart);
    }
    return windows;
}

void SetUpPid(CMdiChild& window, double setPoint, double kp, double ki, double kd) {
    CVorlintView& view = *window.View();
    view.m_bPid = true;
    view.m_bOnOff = false;
    view.m_dSetPoint = setPoint;
    view.m_dKp = kp;
    view.m_dKi = ki;
    view.m_dKd = kd;
    window.Frame()->ExchangePanels(false);
}

} // namespace SessionScript

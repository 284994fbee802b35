#pragma once

#include <vector>

class CMainFrame;
class CMdiChild;

/// Drives the main window as a user does, through its commands.
namespace SessionScript {

/// Runs a command as its menu item, toolbar button or key would.
void Trigger(CMainFrame& frame, int commandId);
/// The simulation windows, oldest first.
std::vector<CMdiChild*> Windows(const CMainFrame& frame);
/// Makes a window the active one, as a click on it does.
void Activate(CMainFrame& frame, CMdiChild& window);
/// From the start-up window: opens two more new documents, tiles the three windows, then makes the
/// first and the second active in turn and starts each; the third stays stopped. Returns the three.
std::vector<CMdiChild*> OpenThreeTiledRunningTwo(CMainFrame& frame);
/// Puts a window in PID mode with these settings, shown in its panels.
void SetUpPid(CMdiChild& window, double setPoint, double kp, double ki, double kd);

} // namespace SessionScript

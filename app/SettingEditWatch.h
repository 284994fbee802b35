#pragma once

#include <functional>

class CChildFrame;

/// Calls `edited` whenever the user changes a setting in the window's panels: typing in an edit,
/// clicking a check box, moving a trackbar, clicking an up-down arrow. What the program writes into
/// the panels itself (every step refreshes them) does not count, so a running simulation changes
/// nothing that needs saving.
void WatchSettingEdits(CChildFrame& frame, const std::function<void()>& edited);

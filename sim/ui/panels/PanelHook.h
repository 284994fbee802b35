#pragma once

#include "SettingsTable.h"

#include <vector>

/// What a view asks of the panels around it. The frame that holds the panels installs itself in its
/// view, so that the view's step, paint and initial update reach the panels without the view knowing
/// the frame.
class CPanelHook {
public:
    /// Copies the panels' values into the view (bSave) or the view's values into the panels.
    virtual void ExchangePanels(bool bSave) = 0;
    /// Gives the trackbars their ranges and tick frequency.
    virtual void PrepareTrackbars() = 0;
    /// Puts `changes` into the view and the panels as if typed and clicked.
    virtual void ApplySettings(const std::vector<SettingChange>& changes) = 0;

protected:
    ~CPanelHook() = default;
};

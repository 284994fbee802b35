#pragma once

#include "VrlDocument.h"

class CVorlintView;

// The settings of one simulation window as its entry in a `.vrl` document, through the settings table:
// a new setting is one row there.

/// Every setting of the window the file keeps, its scheduled events, and `kept` (what the window's entry
/// held that this version does not know). The accessors serve both directions, hence the non-const
/// view; nothing in it changes.
VrlWindowSetup CollectWindowSetup(CVorlintView& view, const KeptJson& kept);

/// Gives a window that has just had its initial update the settings of a read entry (a key the file
/// lacks leaves the window's default) and its events; returns what the window is to keep for saving.
KeptJson ApplyWindowSetup(const VrlWindowSetup& setup, CVorlintView& view);

#pragma once

#include <QIcon>

/// The 16 × 15 toolbar image of a command, drawn for Vorlint; a null icon for a command that has no
/// toolbar button.
QIcon ToolbarIcon(int commandId);

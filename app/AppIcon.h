#pragma once

#include <QIcon>

/// Vorlint's icon, in every size drawn for it: the main window, the simulation windows and the About box.
QIcon VorlintIcon();

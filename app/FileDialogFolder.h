#pragma once

#include <QString>

/// The folder the file dialogs (Open, Save As, the exports) start in: the one a file was last chosen
/// in, remembered in the program's settings; before any choice the current folder, or the home
/// folder when the program runs where it cannot write (as when started from its installed data
/// folder).
QString FileDialogFolder();
/// Remembers the folder of a file the user chose in a file dialog.
void RememberFileDialogFolder(const QString& chosenFile);

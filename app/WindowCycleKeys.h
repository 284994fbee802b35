#pragma once

class QMdiArea;
class QWidget;

/// The keys that go round the simulation windows in the order they were opened: Ctrl+F6 and
/// Ctrl+Tab to the next, Ctrl+Shift+F6 and Ctrl+Shift+Tab to the previous. They work wherever the
/// focus is in `frame`, also in a panel's edit.
void AddWindowCycleKeys(QWidget& frame, QMdiArea& area);

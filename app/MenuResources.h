#pragma once

#include <QList>

class CCommandTable;
class QMenu;
class QWidget;

namespace MenuResource {
constexpr int kNoDocument = 128; ///< the main frame without a simulation window
constexpr int kDocument = 129;   ///< while a simulation window is active
} // namespace MenuResource

/// Builds the popups of a menu resource, in order, from the command table's actions. The recent-file
/// list appears as its placeholder command, which the main frame replaces by the files.
QList<QMenu*> BuildMenuResource(int resourceId, const CCommandTable& commands, QWidget* parent);

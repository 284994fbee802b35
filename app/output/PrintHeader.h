#pragma once

#include <QStringList>

class CVorlintView;
class QDateTime;

/// The lines printed above a window's chart: the document's title, the plant formula, the control
/// mode with the gains (as the panels show them), and when it was printed.
QStringList PrintHeaderLines(const CVorlintView& view, const QString& title, const QDateTime& printedAt);

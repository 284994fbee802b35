#pragma once

#include "SettingsTable.h"

#include <QString>
#include <QStringList>

class CVorlintView;
class QDateTime;
class QFont;
class QPaintDevice;

/// A window's whole setup as printed pages tell it: the plant formula, the control mode with the gains
/// (as the panels show them), then from the settings table the set point, power and step times, and
/// a line each for the plant, controller and sensor options. A hidden plant's formula and dynamics
/// read "planta oculta".
QStringList WindowSetupLines(const CVorlintView& view);
/// The same of the settings `window` holds, its plant hidden when `plantHidden`.
QStringList WindowSetupLines(const SettingSource& window, bool plantHidden);

/// The lines printed above a window's chart: the document's title, the window's setup and when it was
/// printed.
QStringList PrintHeaderLines(const CVorlintView& view, const QString& title, const QDateTime& printedAt);

/// A date and time as printed pages write it in the interface's language: "09/03/2026 14:05" in
/// Portuguese, ISO 8601 "2026-03-09 14:05" in English.
QString DateText(const QDateTime& when);

/// `line` broken into lines no wider than `width` in `font` on `device`: between words, inside a word
/// only when the word alone is wider (a long formula).
QStringList WrapHeaderLine(const QString& line, const QFont& font, double width, QPaintDevice* device);

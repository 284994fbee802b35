#pragma once

#include "SettingsTable.h"

#include <QString>
#include <QStringList>

/// A setting's value as a reader of the interface's language sees it: a number to six significant
/// digits with a decimal comma, a count or a seed as all its digits, a choice or flag by its
/// translated word.
QString SettingValueText(const SettingRow& row, const SettingValue& value);

/// The settings of `group` that have a name in the interface, each as "Name: value", in the table's
/// order: what a printed page or a report says of a window's setup. With `plantHidden` the plant's
/// dynamics read "Name: planta oculta".
QStringList SetupEntries(const SettingSource& window, SettingGroup group, bool plantHidden);

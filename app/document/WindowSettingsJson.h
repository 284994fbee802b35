#pragma once

#include "ScheduledEvent.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <vector>

class CVorlintView;

// The settings of one simulation window as the object of its entry in a `.vrl` file. The keys and
// the members they stand for are one table (WindowSettingsJson.cpp): a new setting is one row there.

/// The window's settings as a JSON object, written over `unknownKeys` (keys this version does not
/// know, kept from the file the window came from), its scheduled events as `events`: the kept list
/// when the window still runs what it lists, else an entry for each change (no key for none). The accessors
/// serve both directions, hence the non-const view; nothing in it changes.
QJsonObject WindowSettingsToJson(CVorlintView& view, const QJsonObject& unknownKeys);

/// Scheduled events as a `.vrl` lists them (a window's, an exercise's): an entry for each change.
QJsonArray EventsToJson(const std::vector<ScheduledEvent>& events);

/// Checks the types and values of every key the table knows; false with what is wrong, the key first
/// ("kp: expected a finite number"), in `problem`. Keys it does not know are not looked at.
bool CheckWindowSettings(const QJsonObject& object, QString& problem);

/// Gives a window that has just had its initial update the settings of a checked object; a key it
/// lacks leaves the window's default; its `events` become the window's scheduled events. Returns the
/// keys the table does not know, the events among them.
QJsonObject ApplyWindowSettings(const QJsonObject& object, CVorlintView& view);

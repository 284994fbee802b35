#pragma once

#include "Exercise.h"

#include <QJsonObject>

/// `exercise` as the `exercise` object of a `.vrl` (docs/vrl-format.md), written over `kept`, the object
/// the document had: keys this version does not know stay, and a list of events or checks the editing
/// left as it was goes back as it came, keys inside its entries too. A field at its absent value (an
/// empty text, hidePlant off, no runS, no events, no checks; a check's missing limit, window 0) has no key.
QJsonObject ExerciseToJson(const Exercise& exercise, const QJsonObject& kept);

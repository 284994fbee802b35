#pragma once

#include "JsonValue.h"

#include <QJsonValue>

/// `value` as the toolkit-free JSON the simulation's readers take, so that the events and the exercise
/// of a `.vrl` are checked by the same code in the application and the command line.
JsonValue PlainJson(const QJsonValue& value);

#pragma once

#include "Exercise.h"
#include "JsonValue.h"

#include <string>

/// The most windows a check may name: a `.vrl` holds at most this many.
inline constexpr std::size_t kMaxExerciseWindow = 100;

/// Reads an `exercise` object; every field is optional, keys it does not know are passed over. False
/// with what is wrong, the field first ("checks[1].figure: expected one of ..."), in `problem`.
bool readExercise(const JsonValue& object, Exercise& exercise, std::string& problem);

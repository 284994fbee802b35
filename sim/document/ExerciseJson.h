#pragma once

#include "Exercise.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>

/// The most windows a check may name: a `.vrl` holds at most this many.
inline constexpr std::size_t kMaxExerciseWindow = 100;
/// The most checks an exercise holds.
inline constexpr std::size_t kMaxExerciseChecks = 1000;

/// Reads an `exercise` object; every field is optional, keys it does not know are passed over. False
/// with what is wrong, the field first ("checks[1].figure: expected one of ..."), in `problem`.
bool readExercise(const nlohmann::json& object, Exercise& exercise, std::string& problem);

/// `exercise` as the `exercise` object of a `.vrl`, written over `kept`, the object the file had: keys
/// this version does not know stay, and a list the editing left as it was goes back as it came, keys
/// inside its entries too. A field at its absent value (an empty text, hidePlant and locked off, no
/// runS, no seed, empty lists; a check's missing limit, window 0, a variant's step 0) has no key.
nlohmann::json exerciseToJson(const Exercise& exercise, const nlohmann::json& kept);

/// Puts `list` under `key` of `object`, unless `object` holds a list there that reads as the same
/// (`listOfKept`), which then stays as it came; an empty list has no key.
void putListUnlessSame(nlohmann::json& object, const char* key, const nlohmann::json& list,
                       const nlohmann::json& listOfKept);

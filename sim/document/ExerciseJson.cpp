#include "ExerciseJson.h"

#include "EventsJson.h"
#include "NumberRange.h"
#include "SettingsJson.h"
#include "StepResponseFigures.h"
#include "TranslationMark.h"
#include "WholeNumberText.h"

#include <cmath>

namespace {

using json = nlohmann::json;

/// Reads the member `key` of `object` when there is one; false with "KEY: expected WHAT" when `fits`
/// refuses it.
template <typename Fits>
bool readMember(const json& object, const char* key, const char* what, Fits fits, const json*& member,
                std::string& problem) {
    const auto found = object.find(key);
    member = found != object.end() ? &*found : nullptr;
    if (member == nullptr || fits(*member))
        return true;
    problem = std::string(key) + ": expected " + what;
    return false;
}

bool isText(const json& value) {
    return value.is_string();
}
bool isFlag(const json& value) {
    return value.is_boolean();
}
bool isList(const json& value) {
    return value.is_array();
}
bool isFinite(const json& value) {
    return value.is_number() && std::isfinite(value.get<double>());
}

bool readText(const json& object, const char* key, std::string& text, std::string& problem) {
    const json* member = nullptr;
    if (!readMember(object, key, QT_TRANSLATE_NOOP("ReaderProblem", "a text"), isText, member, problem))
        return false;
    if (member != nullptr)
        text = member->get<std::string>();
    return true;
}

bool readFlag(const json& object, const char* key, bool& flag, std::string& problem) {
    const json* member = nullptr;
    if (!readMember(object, key, QT_TRANSLATE_NOOP("ReaderProblem", "true or false"), isFlag, member, problem))
        return false;
    flag = member != nullptr && member->get<bool>();
    return true;
}

bool readLimit(const json& object, const char* key, double& limit, std::string& problem) {
    const json* member = nullptr;
    if (!readMember(object, key, "a finite number", isFinite, member, problem))
        return false;
    if (member != nullptr)
        limit = member->get<double>();
    return true;
}

/// Reads the list under `key` when there is one, each entry an object read by `readEntry`; false with
/// "KEY[i].FIELD: ..." in `problem`.
template <typename Entry, typename ReadEntry>
bool readList(const json& object, const char* key, std::size_t maxEntries, const char* entriesName,
              std::vector<Entry>& entries, ReadEntry readEntry, std::string& problem) {
    const json* list = nullptr;
    if (!readMember(object, key, QT_TRANSLATE_NOOP("ReaderProblem", "a list"), isList, list, problem))
        return false;
    if (list != nullptr && list->size() > maxEntries) {
        problem = std::string(key) + ": more than " + std::to_string(maxEntries) + " " + entriesName;
        return false;
    }
    for (std::size_t i = 0; list != nullptr && i < list->size(); ++i) {
        Entry entry;
        const json& item = (*list)[i];
        if (!item.is_object() || !readEntry(item, entry, problem)) {
            problem = std::string(key) + "[" + std::to_string(i) + "]" +
                      (item.is_object()
                           ? "." + problem
                           : std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object"));
            return false;
        }
        entries.push_back(entry);
    }
    return true;
}

std::string figureNames() {
    std::string names;
    for (const StepResponseFigureField& field : kStepResponseFigureFields)
        names += (names.empty() ? "" : ", ") + std::string(field.name);
    return names;
}

bool readFigure(const json& check, std::size_t& figure, std::string& problem) {
    const auto name = check.find("figure");
    for (figure = 0; name != check.end() && name->is_string() && figure < kStepResponseFigureFields.size();
         ++figure) {
        if (name->get_ref<const std::string&>() == kStepResponseFigureFields[figure].name)
            return true;
    }
    problem = "figure: expected one of " + figureNames();
    return false;
}

bool minAboveMax(double min, double max, std::string& problem) {
    if (min <= max)
        return false;
    problem = std::string("min: ") + QT_TRANSLATE_NOOP("ReaderProblem", "above max");
    return true;
}

bool readCheck(const json& object, ExerciseCheck& check, std::string& problem) {
    const json* window = nullptr;
    const auto isWindow = [](const json& value) {
        if (!value.is_number())
            return false;
        const double number = value.get<double>();
        return number >= 1.0 && number <= kMaxExerciseWindow && number == std::floor(number);
    };
    if (!readFigure(object, check.figure, problem) || !readLimit(object, "min", check.min, problem) ||
        !readLimit(object, "max", check.max, problem) ||
        !readMember(object, "window", "a whole number from 1 to 100", isWindow, window, problem))
        return false;
    if (window != nullptr)
        check.window = static_cast<std::size_t>(window->get<double>());
    return !minAboveMax(check.min, check.max, problem);
}

bool readVariantKey(const json& object, ExerciseVariant& variant, std::string& problem) {
    const auto key = object.find("key");
    for (const SettingRow& row : settingRows()) {
        if (key != object.end() && key->is_string() && row.fileKey != nullptr &&
            row.kind == SettingKind::Number && key->get_ref<const std::string&>() == row.fileKey) {
            variant.row = &row;
            return true;
        }
    }
    problem = std::string("key: expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "a number setting's key");
    return false;
}

bool readVariant(const json& object, ExerciseVariant& variant, std::string& problem) {
    if (!readVariantKey(object, variant, problem))
        return false;
    const NumberRange range = fileRange(*variant.row);
    const auto inRange = [range](const json& value) {
        return value.is_number() && isInRange(value.get<double>(), range);
    };
    const auto notNegative = [](const json& value) {
        return value.is_number() && isInRange(value.get<double>(), NumberRange::NotNegative);
    };
    const json* min = nullptr;
    const json* max = nullptr;
    const json* step = nullptr;
    if (!readMember(object, "min", rangeText(range), inRange, min, problem) ||
        !readMember(object, "max", rangeText(range), inRange, max, problem) ||
        !readMember(object, "step", rangeText(NumberRange::NotNegative), notNegative, step, problem))
        return false;
    if (min == nullptr || max == nullptr) {
        problem = std::string(min == nullptr ? "min" : "max") + ": expected " + rangeText(range);
        return false;
    }
    variant.min = min->get<double>();
    variant.max = max->get<double>();
    variant.step = step != nullptr ? step->get<double>() : 0.0;
    return !minAboveMax(variant.min, variant.max, problem);
}

bool readVariantSeed(const json& object, Exercise& exercise, std::string& problem) {
    const json* seed = nullptr;
    const auto isSeed = [](const json& value) { return !seedDigitsOfJson(value).empty(); };
    if (!readMember(object, "variantSeed", kSeedInFile, isSeed, seed, problem))
        return false;
    exercise.hasVariantSeed = seed != nullptr;
    exercise.variantSeed = seed != nullptr ? std::stoull(seedDigitsOfJson(*seed)) : 0;
    return true;
}

bool readRunS(const json& object, Exercise& exercise, std::string& problem) {
    const json* runS = nullptr;
    const auto notNegative = [](const json& value) {
        return value.is_number() && isInRange(value.get<double>(), NumberRange::NotNegative);
    };
    if (!readMember(object, "runS", rangeText(NumberRange::NotNegative), notNegative, runS, problem))
        return false;
    exercise.hasRunS = runS != nullptr;
    exercise.runS = runS != nullptr ? runS->get<double>() : 0.0;
    return true;
}

bool readExerciseEvents(const json& object, Exercise& exercise, std::string& problem) {
    const auto events = object.find("events");
    if (events == object.end() || readEvents(*events, exercise.events, problem))
        return true;
    problem = "events" + problem;
    return false;
}

json checksToJson(const std::vector<ExerciseCheck>& checks) {
    json list = json::array();
    for (const ExerciseCheck& check : checks) {
        json entry{{"figure", kStepResponseFigureFields[check.figure].name}};
        if (check.HasMin())
            entry["min"] = numberJson(check.min);
        if (check.HasMax())
            entry["max"] = numberJson(check.max);
        if (check.window != 0)
            entry["window"] = check.window;
        list.push_back(std::move(entry));
    }
    return list;
}

json variantsToJson(const std::vector<ExerciseVariant>& variants) {
    json list = json::array();
    for (const ExerciseVariant& variant : variants) {
        json entry{{"key", variant.row->fileKey}, {"min", numberJson(variant.min)}, {"max", numberJson(variant.max)}};
        if (variant.step != 0.0)
            entry["step"] = numberJson(variant.step);
        list.push_back(std::move(entry));
    }
    return list;
}

} // namespace

bool readExercise(const json& object, Exercise& exercise, std::string& problem) {
    problem.clear();
    exercise = Exercise();
    if (!object.is_object()) {
        problem = std::string("expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object");
        return false;
    }
    return readText(object, "title", exercise.title, problem) &&
           readText(object, "instructions", exercise.instructions, problem) &&
           readFlag(object, "hidePlant", exercise.hidePlant, problem) && readRunS(object, exercise, problem) &&
           readExerciseEvents(object, exercise, problem) &&
           readList(object, "checks", kMaxExerciseChecks, "checks", exercise.checks, readCheck, problem) &&
           readFlag(object, "locked", exercise.locked, problem) && readVariantSeed(object, exercise, problem) &&
           readList(object, "variants", kMaxExerciseChecks, "variants", exercise.variants, readVariant,
                    problem);
}

void putListUnlessSame(json& object, const char* key, const json& list, const json& listOfKept) {
    if (object.contains(key) && list == listOfKept)
        return;
    object.erase(key);
    if (!list.empty())
        object[key] = list;
}

json exerciseToJson(const Exercise& exercise, const json& kept) {
    // What the document holds was checked when read, so it reads again; nothing kept gives no lists.
    Exercise before;
    std::string problem;
    readExercise(kept, before, problem);
    json object = kept.is_object() ? kept : json::object();
    for (const char* key : {"title", "instructions", "hidePlant", "runS", "locked", "variantSeed"})
        object.erase(key);
    if (!exercise.title.empty())
        object["title"] = exercise.title;
    if (!exercise.instructions.empty())
        object["instructions"] = exercise.instructions;
    if (exercise.hidePlant)
        object["hidePlant"] = true;
    if (exercise.hasRunS)
        object["runS"] = numberJson(exercise.runS);
    if (exercise.locked)
        object["locked"] = true;
    if (exercise.hasVariantSeed)
        object["variantSeed"] = seedJson(std::to_string(exercise.variantSeed));
    putListUnlessSame(object, "events", eventsToJson(exercise.events), eventsToJson(before.events));
    putListUnlessSame(object, "checks", checksToJson(exercise.checks), checksToJson(before.checks));
    putListUnlessSame(object, "variants", variantsToJson(exercise.variants), variantsToJson(before.variants));
    return object;
}

#include "ExerciseJson.h"

#include "EventsJson.h"
#include "NumberRange.h"
#include "StepResponseFigures.h"
#include "TranslationMark.h"

#include <algorithm>
#include <cmath>

namespace {

using Type = JsonValue::Type;

/// Reads the member `key` of `object` when there is one; false with "KEY: expected WHAT" when it is not
/// of `type` or `fits` refuses its value.
template <typename Fits>
bool readMember(const JsonValue& object, const char* key, Type type, const char* what, Fits fits,
                const JsonValue*& member, std::string& problem) {
    member = object.find(key);
    if (member == nullptr || (member->type == type && fits(*member)))
        return true;
    problem = std::string(key) + ": expected " + what;
    return false;
}

bool anyValue(const JsonValue&) {
    return true;
}
bool isFinite(const JsonValue& value) {
    return std::isfinite(value.number);
}

bool readText(const JsonValue& object, const char* key, std::string& text, std::string& problem) {
    const JsonValue* member = nullptr;
    if (!readMember(object, key, Type::String, QT_TRANSLATE_NOOP("ReaderProblem", "a text"), anyValue, member,
                    problem))
        return false;
    if (member != nullptr)
        text = member->text;
    return true;
}

bool readLimit(const JsonValue& object, const char* key, double& limit, std::string& problem) {
    const JsonValue* member = nullptr;
    if (!readMember(object, key, Type::Number, "a finite number", isFinite, member, problem))
        return false;
    if (member != nullptr)
        limit = member->number;
    return true;
}

std::string figureNames() {
    std::string names;
    for (std::size_t figure = 0; figure < kCheckFigureCount; ++figure)
        names += (names.empty() ? "" : ", ") + std::string(checkFigureName(figure));
    return names;
}

bool readFigure(const JsonValue& check, std::size_t& figure, std::string& problem) {
    const JsonValue* name = check.find("figure");
    for (figure = 0; name != nullptr && name->type == Type::String && figure < kCheckFigureCount; ++figure) {
        if (name->text == checkFigureName(figure))
            return true;
    }
    problem = "figure: expected one of " + figureNames();
    return false;
}

/// A check's atS must be the time of one of the exercise's events: its response is theirs.
bool readCheckAtS(const JsonValue& object, const std::vector<ScheduledEvent>& events, ExerciseCheck& check,
                  std::string& problem) {
    const JsonValue* atS = nullptr;
    const auto isEventTime = [&events](const JsonValue& value) {
        return std::any_of(events.begin(), events.end(),
                           [&value](const ScheduledEvent& event) { return event.atS == value.number; });
    };
    if (!readMember(object, "atS", Type::Number, "the time of one of the exercise's events", isEventTime, atS,
                    problem))
        return false;
    check.hasAtS = atS != nullptr;
    check.atS = atS != nullptr ? atS->number : 0.0;
    return true;
}

bool readCheckFields(const JsonValue& object, const std::vector<ScheduledEvent>& events, ExerciseCheck& check,
                     std::string& problem) {
    const JsonValue* window = nullptr;
    const auto isWindow = [](const JsonValue& value) {
        return value.number >= 1.0 && value.number <= kMaxExerciseWindow &&
               value.number == std::floor(value.number);
    };
    if (!readFigure(object, check.figure, problem) || !readLimit(object, "min", check.min, problem) ||
        !readLimit(object, "max", check.max, problem) ||
        !readMember(object, "window", Type::Number, "a whole number from 1 to 100", isWindow, window,
                    problem) ||
        !readCheckAtS(object, events, check, problem))
        return false;
    if (window != nullptr)
        check.window = static_cast<std::size_t>(window->number);
    if (check.min > check.max) {
        problem = std::string("min: ") + QT_TRANSLATE_NOOP("ReaderProblem", "above max");
        return false;
    }
    return true;
}

bool readChecks(const JsonValue& object, const std::vector<ScheduledEvent>& events,
                std::vector<ExerciseCheck>& checks, std::string& problem) {
    const JsonValue* list = nullptr;
    if (!readMember(object, "checks", Type::Array, QT_TRANSLATE_NOOP("ReaderProblem", "a list"), anyValue,
                    list, problem))
        return false;
    for (std::size_t i = 0; list != nullptr && i < list->items.size(); ++i) {
        ExerciseCheck check;
        const JsonValue& entry = list->items[i];
        if (!entry.isObject() || !readCheckFields(entry, events, check, problem)) {
            problem = "checks[" + std::to_string(i) + "]" +
                      (entry.isObject()
                           ? "." + problem
                           : std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object"));
            return false;
        }
        checks.push_back(check);
    }
    return true;
}

bool readRunS(const JsonValue& object, Exercise& exercise, std::string& problem) {
    const JsonValue* runS = nullptr;
    const auto notNegative = [](const JsonValue& value) {
        return isInRange(value.number, NumberRange::NotNegative);
    };
    if (!readMember(object, "runS", Type::Number, rangeText(NumberRange::NotNegative).c_str(), notNegative,
                    runS, problem))
        return false;
    exercise.hasRunS = runS != nullptr;
    exercise.runS = runS != nullptr ? runS->number : 0.0;
    return true;
}

bool readExerciseEvents(const JsonValue& object, Exercise& exercise, std::string& problem) {
    const JsonValue* events = object.find("events");
    if (events == nullptr || readEvents(*events, exercise.events, problem))
        return true;
    problem = "events" + problem;
    return false;
}

} // namespace

bool readExercise(const JsonValue& object, Exercise& exercise, std::string& problem) {
    problem.clear();
    exercise = Exercise();
    if (!object.isObject()) {
        problem = std::string("expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object");
        return false;
    }
    const JsonValue* hidePlant = nullptr;
    if (!readText(object, "title", exercise.title, problem) ||
        !readText(object, "instructions", exercise.instructions, problem) ||
        !readMember(object, "hidePlant", Type::Bool, QT_TRANSLATE_NOOP("ReaderProblem", "true or false"),
                    anyValue, hidePlant, problem) ||
        !readRunS(object, exercise, problem) || !readExerciseEvents(object, exercise, problem) ||
        !readChecks(object, exercise.events, exercise.checks, problem))
        return false;
    exercise.hidePlant = hidePlant != nullptr && hidePlant->boolean;
    return true;
}

#include "VrlDocument.h"

#include "EventsJson.h"
#include "ExerciseJson.h"
#include "JsonReader.h"
#include "RoundTripNumber.h"
#include "SettingsJson.h"

#include <cmath>

namespace {

using Type = JsonValue::Type;

bool checkFormat(const JsonValue& root, std::string& problem) {
    const JsonValue* format = root.find("format");
    if (!root.isObject() || format == nullptr || format->type != Type::String || format->text != "vorlint") {
        problem = "not a Vorlint file (it lacks \"format\": \"vorlint\")";
        return false;
    }
    const JsonValue* version = root.find("version");
    if (version == nullptr || version->type != Type::Number || version->number < 1.0 ||
        version->number != std::floor(version->number)) {
        problem = "version: expected a whole number from 1";
        return false;
    }
    if (version->number > VrlDocument::kVersion) {
        problem = "version " + numberText(version->number) +
                  " comes from a newer Vorlint; this one reads version " +
                  std::to_string(VrlDocument::kVersion);
        return false;
    }
    return true;
}

bool readWindow(const JsonValue& object, VrlWindowSetup& window, std::string& problem) {
    if (!object.isObject()) {
        problem = ": expected an object";
        return false;
    }
    const JsonValue* events = object.find("events");
    if (!readSettingChanges(object, window.settings, problem)) {
        problem = "." + problem;
        return false;
    }
    if (events != nullptr && !readEvents(*events, window.events, problem)) {
        problem = ".events" + problem;
        return false;
    }
    return true;
}

bool readWindows(const JsonValue& root, std::vector<VrlWindowSetup>& windows, std::string& problem) {
    const JsonValue* list = root.find("windows");
    if (list == nullptr)
        return true;
    if (list->type != Type::Array) {
        problem = "windows: expected a list";
        return false;
    }
    if (list->items.size() > VrlDocument::kMaxWindows) {
        problem = "windows: more than " + std::to_string(VrlDocument::kMaxWindows) + " windows";
        return false;
    }
    windows.resize(list->items.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (!readWindow(list->items[i], windows[i], problem)) {
            problem = "windows[" + std::to_string(i) + "]" + problem;
            return false;
        }
    }
    return true;
}

bool readExerciseOf(const JsonValue& root, VrlDocument& document, std::string& problem) {
    const JsonValue* exercise = root.find("exercise");
    document.hasExercise = exercise != nullptr;
    if (exercise == nullptr)
        return true;
    if (!exercise->isObject()) {
        problem = "exercise: expected an object";
        return false;
    }
    if (readExercise(*exercise, document.exercise, problem))
        return true;
    problem = "exercise." + problem;
    return false;
}

} // namespace

bool readVrlDocument(const std::string& text, VrlDocument& document, std::string& problem) {
    document = VrlDocument();
    problem.clear();
    if (!text.empty()) {
        JsonValue root;
        const JsonParse parsed = parseJson(text, root, problem);
        if (parsed != JsonParse::Ok) {
            problem = parsed == JsonParse::NotJson ? "not JSON (" + problem + ")" : problem;
            return false;
        }
        if (!checkFormat(root, problem) || !readWindows(root, document.windows, problem) ||
            !readExerciseOf(root, document, problem))
            return false;
    }
    if (document.windows.empty())
        document.windows.emplace_back();
    return true;
}

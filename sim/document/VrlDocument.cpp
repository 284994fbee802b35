#include "VrlDocument.h"

#include "EventsJson.h"
#include "ExerciseJson.h"
#include "RoundTripNumber.h"
#include "SettingsJson.h"
#include "TranslationMark.h"
#include "VrlJson.h"

#include <algorithm>
#include <cmath>

namespace {

using json = nlohmann::json;

const char* const kFormat = "vorlint";

bool checkFormat(const json& root, std::string& problem) {
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || *format != kFormat) {
        problem = "not a Vorlint file (it lacks \"format\": \"vorlint\")";
        return false;
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number() || version->get<double>() < 1.0 ||
        version->get<double>() != std::floor(version->get<double>())) {
        problem = "version: expected a whole number from 1";
        return false;
    }
    if (version->get<double>() > VrlDocument::kVersion) {
        problem = "version " + numberText(version->get<double>()) +
                  " comes from a newer Vorlint; this one reads version " + std::to_string(VrlDocument::kVersion);
        return false;
    }
    return true;
}

/// The members of `object` besides the table's keys: what the file keeps that this version does not read.
json unknownWindowKeys(const json& object) {
    json kept = object;
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey != nullptr)
            kept.erase(row.fileKey);
    }
    return kept;
}

bool readWindow(const json& object, VrlWindowSetup& window, std::string& problem) {
    if (!object.is_object()) {
        problem = std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object");
        return false;
    }
    if (!readSettingChanges(object, window.settings, problem)) {
        problem = "." + problem;
        return false;
    }
    const auto events = object.find("events");
    if (events != object.end() && !readEvents(*events, window.events, problem)) {
        problem = ".events" + problem;
        return false;
    }
    window.kept = KeptJson(unknownWindowKeys(object));
    return true;
}

bool readWindows(const json& root, std::vector<VrlWindowSetup>& windows, std::string& problem) {
    const auto list = root.find("windows");
    if (list == root.end())
        return true;
    if (!list->is_array()) {
        problem = "windows: expected a list";
        return false;
    }
    if (list->size() > VrlDocument::kMaxWindows) {
        problem = "windows: more than " + std::to_string(VrlDocument::kMaxWindows) + " windows";
        return false;
    }
    windows.resize(list->size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (!readWindow((*list)[i], windows[i], problem)) {
            problem = "windows[" + std::to_string(i) + "]" + problem;
            return false;
        }
    }
    return true;
}

bool readExerciseOf(const json& root, VrlDocument& document, std::string& problem) {
    const auto exercise = root.find("exercise");
    document.hasExercise = exercise != root.end();
    if (!document.hasExercise)
        return true;
    if (!exercise->is_object()) {
        problem = "exercise: expected an object";
        return false;
    }
    if (!readExercise(*exercise, document.exercise, problem)) {
        problem = "exercise." + problem;
        return false;
    }
    // A file without windows has the one a new document has.
    const std::size_t windows = std::max<std::size_t>(1, document.windows.size());
    const std::vector<ExerciseCheck>& checks = document.exercise.checks;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (checks[i].window > windows) {
            problem = "exercise.checks[" + std::to_string(i) + "].window: names window " +
                      std::to_string(checks[i].window) + " of " + std::to_string(windows);
            return false;
        }
    }
    document.exerciseKept = KeptJson(*exercise);
    return true;
}

/// The number of characters of UTF-8 `text`: its bytes that do not continue a character.
std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

bool readStudentText(const json& student, const char* key, std::string& text, std::string& problem) {
    const auto value = student.find(key);
    if (value == student.end())
        return true;
    if (!value->is_string() || characterCount(value->get_ref<const std::string&>()) > VrlStudent::kMaxCharacters) {
        problem = std::string("student.") + key + ": expected " +
                  QT_TRANSLATE_NOOP("ReaderProblem", "a text of at most 200 characters");
        return false;
    }
    text = value->get<std::string>();
    return true;
}

bool readStudentOf(const json& root, VrlDocument& document, std::string& problem) {
    const auto student = root.find("student");
    document.hasStudent = student != root.end();
    if (!document.hasStudent)
        return true;
    if (!student->is_object()) {
        problem = "student: expected an object";
        return false;
    }
    document.studentKept = KeptJson(*student);
    return readStudentText(*student, "name", document.student.name, problem) &&
           readStudentText(*student, "id", document.student.id, problem);
}

json windowToJson(const VrlWindowSetup& window) {
    json object = window.kept.value().is_object() ? window.kept.value() : json::object();
    for (const SettingChange& change : window.settings)
        object[change.row->fileKey] = settingValueToJson(*change.row, change.value);
    // Events the window runs as the file listed them go back as they came, keys this version does not
    // know inside the entries too; edited ones are written afresh.
    std::vector<ScheduledEvent> before;
    std::string problem;
    const auto kept = object.find("events");
    if (kept != object.end())
        readEvents(*kept, before, problem);
    putListUnlessSame(object, "events", eventsToJson(window.events), eventsToJson(before));
    return object;
}

json documentToJson(const VrlDocument& document) {
    json root = document.kept.value().is_object() ? document.kept.value() : json::object();
    root["format"] = kFormat;
    root["version"] = VrlDocument::kVersion;
    json windows = json::array();
    for (const VrlWindowSetup& window : document.windows)
        windows.push_back(windowToJson(window));
    root["windows"] = std::move(windows);
    root.erase("exercise");
    if (document.hasExercise)
        root["exercise"] = exerciseToJson(document.exercise, document.exerciseKept.value());
    root.erase("student");
    if (document.hasStudent) {
        json student = document.studentKept.value().is_object() ? document.studentKept.value() : json::object();
        student["name"] = document.student.name;
        student["id"] = document.student.id;
        root["student"] = std::move(student);
    }
    return root;
}

} // namespace

bool readVrlDocument(const std::string& text, VrlDocument& document, std::string& problem) {
    document = VrlDocument();
    problem.clear();
    if (!text.empty()) {
        json root;
        if (!parseVrlJson(text, root, problem) || !checkFormat(root, problem) ||
            !readWindows(root, document.windows, problem) || !readExerciseOf(root, document, problem) ||
            !readStudentOf(root, document, problem))
            return false;
        for (const char* key : {"format", "version", "windows", "exercise", "student"})
            root.erase(key);
        document.kept = KeptJson(std::move(root));
    }
    if (document.windows.empty())
        document.windows.emplace_back();
    return true;
}

bool writeVrlDocument(const VrlDocument& document, std::string& text, std::string& problem) {
    text.clear();
    problem.clear();
    try {
        text = documentToJson(document).dump();
    } catch (const json::type_error&) {
        problem = QT_TRANSLATE_NOOP("ReaderProblem", "a text is not UTF-8");
        return false;
    } catch (const std::bad_alloc&) {
        problem = "out of memory";
        return false;
    }
    VrlDocument again;
    if (readVrlDocument(text, again, problem))
        return true;
    text.clear();
    return false;
}

#include "EventsJson.h"

#include "SettingsJson.h"
#include "TranslationMark.h"

namespace {

bool readEvent(const JsonValue& entry, std::vector<ScheduledEvent>& events, std::string& problem) {
    if (!entry.isObject()) {
        problem = std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object");
        return false;
    }
    const JsonValue* atS = entry.find("atS");
    if (atS == nullptr || atS->type != JsonValue::Type::Number ||
        !isInRange(atS->number, NumberRange::NotNegative)) {
        problem = ".atS: expected " + std::string(rangeText(NumberRange::NotNegative));
        return false;
    }
    std::vector<SettingChange> changes;
    if (!readSettingChanges(entry, changes, problem)) {
        problem = "." + problem;
        return false;
    }
    if (changes.empty()) {
        problem = std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "a setting besides atS");
        return false;
    }
    for (SettingChange& change : changes)
        events.push_back({atS->number, std::move(change)});
    return true;
}

} // namespace

bool readEvents(const JsonValue& list, std::vector<ScheduledEvent>& events, std::string& problem) {
    if (list.type != JsonValue::Type::Array) {
        problem = std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "a list");
        return false;
    }
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (!readEvent(list.items[i], events, problem)) {
            problem = "[" + std::to_string(i) + "]" + problem;
            return false;
        }
    }
    return true;
}

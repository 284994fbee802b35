#include "EventsJson.h"

#include "SettingsJson.h"
#include "TranslationMark.h"

namespace {

using json = nlohmann::json;

bool readEvent(const json& entry, std::vector<ScheduledEvent>& events, std::string& problem) {
    if (!entry.is_object()) {
        problem = std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "an object");
        return false;
    }
    const auto atS = entry.find("atS");
    if (atS == entry.end() || !atS->is_number() || !isInRange(atS->get<double>(), NumberRange::NotNegative)) {
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
        events.push_back({atS->get<double>(), std::move(change)});
    return true;
}

} // namespace

bool readEvents(const json& list, std::vector<ScheduledEvent>& events, std::string& problem) {
    if (!list.is_array()) {
        problem = std::string(": expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "a list");
        return false;
    }
    if (list.size() > kMaxEvents) {
        problem = ": more than " + std::to_string(kMaxEvents) + " events";
        return false;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!readEvent(list[i], events, problem)) {
            problem = "[" + std::to_string(i) + "]" + problem;
            return false;
        }
    }
    return true;
}

json eventsToJson(const std::vector<ScheduledEvent>& events) {
    json list = json::array();
    for (const ScheduledEvent& event : events) {
        const SettingRow& row = *event.change.row;
        list.push_back({{"atS", numberJson(event.atS)}, {row.fileKey, settingValueToJson(row, event.change.value)}});
    }
    return list;
}

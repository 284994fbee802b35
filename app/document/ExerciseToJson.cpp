#include "ExerciseToJson.h"

#include "ExerciseJson.h"
#include "PlainJson.h"
#include "WindowSettingsJson.h"

#include <QJsonArray>

namespace {

const QLatin1String kTitleKey("title");
const QLatin1String kInstructionsKey("instructions");
const QLatin1String kHidePlantKey("hidePlant");
const QLatin1String kRunSKey("runS");
const QLatin1String kEventsKey("events");
const QLatin1String kChecksKey("checks");

QJsonArray ChecksToJson(const std::vector<ExerciseCheck>& checks) {
    QJsonArray list;
    for (const ExerciseCheck& check : checks) {
        QJsonObject entry{{QLatin1String("figure"), QLatin1String(check.FigureName())}};
        if (check.hasAtS)
            entry.insert(QLatin1String("atS"), check.atS);
        if (check.HasMin())
            entry.insert(QLatin1String("min"), check.min);
        if (check.HasMax())
            entry.insert(QLatin1String("max"), check.max);
        if (check.window != 0)
            entry.insert(QLatin1String("window"), static_cast<double>(check.window));
        list.append(entry);
    }
    return list;
}

void InsertText(QJsonObject& object, QLatin1String key, const std::string& text) {
    if (!text.empty())
        object.insert(key, QString::fromStdString(text));
}

/// `list` under `key`, or what `kept` had there when that reads as the same list.
void InsertList(QJsonObject& object, const QJsonObject& kept, QLatin1String key, const QJsonArray& list,
                const QJsonArray& keptList) {
    if (kept.contains(key) && list == keptList)
        object.insert(key, kept.value(key));
    else if (!list.isEmpty())
        object.insert(key, list);
}

} // namespace

QJsonObject ExerciseToJson(const Exercise& exercise, const QJsonObject& kept) {
    QJsonObject object = kept;
    for (const QLatin1String& key :
         {kTitleKey, kInstructionsKey, kHidePlantKey, kRunSKey, kEventsKey, kChecksKey})
        object.remove(key);
    InsertText(object, kTitleKey, exercise.title);
    InsertText(object, kInstructionsKey, exercise.instructions);
    if (exercise.hidePlant)
        object.insert(kHidePlantKey, true);
    if (exercise.hasRunS)
        object.insert(kRunSKey, exercise.runS);
    // What the document holds was checked when read, so it reads again; an empty object gives no lists.
    Exercise before;
    std::string problem;
    readExercise(PlainJson(kept), before, problem);
    InsertList(object, kept, kEventsKey, EventsToJson(exercise.events), EventsToJson(before.events));
    InsertList(object, kept, kChecksKey, ChecksToJson(exercise.checks), ChecksToJson(before.checks));
    return object;
}

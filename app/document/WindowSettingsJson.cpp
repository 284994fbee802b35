#include "WindowSettingsJson.h"

#include "EventsJson.h"
#include "PlainJson.h"
#include "RangeText.h"
#include "SettingsTable.h"
#include "VorlintView.h"
#include "WholeNumberText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>

#include <cmath>

namespace {

SettingTarget TargetOf(CVorlintView& view) {
    return {view, &view};
}

// Each kind: its JSON value, what a value must be to fit it (empty when it fits), and the reading.

QJsonValue ToJson(const SettingRow& row, const SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Number:
    case SettingKind::Count:
        return value.number;
    case SettingKind::Flag:
        return value.number != 0.0;
    case SettingKind::Choice:
        return QString::fromStdString(settingValueText(row, value));
    case SettingKind::Seed: {
        double number = 0.0;
        if (seedIsWrittenAsNumber(value.text, number))
            return number;
        break;
    }
    case SettingKind::Text:
        break;
    }
    return QString::fromStdString(value.text);
}

/// A seed's digits, empty when `value` holds none.
std::string SeedDigits(const QJsonValue& value) {
    return value.isDouble()   ? seedDigitsOfNumber(value.toDouble())
           : value.isString() ? seedDigitsOfText(value.toString().toStdString())
                              : std::string();
}

bool IsWholeNumberUpTo(const QJsonValue& value, double max) {
    const double number = value.toDouble(-1.0);
    return value.isDouble() && number >= 0.0 && number <= max && number == std::floor(number);
}

/// The choices' names as the file writes them: "a", "b" or "c".
QString QuotedChoices(const SettingRow& row) {
    QString names;
    for (std::size_t i = 0; i < row.choiceCount; ++i) {
        if (i > 0)
            names += i + 1 == row.choiceCount ? QCoreApplication::translate("WindowSettingsJson", " or ")
                                              : QStringLiteral(", ");
        names += QLatin1Char('"') + QLatin1String(row.choices[i].name) + QLatin1Char('"');
    }
    return names;
}

QString Mismatch(const SettingRow& row, const QJsonValue& value) {
    switch (row.kind) {
    case SettingKind::Number: {
        const NumberRange range = fileRange(row);
        return value.isDouble() && isInRange(value.toDouble(), range)
                   ? QString()
                   : QCoreApplication::translate("WindowSettingsJson", "expected %1")
                         .arg(TranslatedRangeText(range));
    }
    case SettingKind::Count:
        return IsWholeNumberUpTo(value, row.maxCount)
                   ? QString()
                   : QCoreApplication::translate("WindowSettingsJson", "expected a whole number from 0 to %1")
                         .arg(row.maxCount);
    case SettingKind::Flag:
        return value.isBool() ? QString()
                              : QCoreApplication::translate("WindowSettingsJson", "expected true or false");
    case SettingKind::Choice:
        return choiceByName(row, value.toString().toStdString()) != nullptr
                   ? QString()
                   : QCoreApplication::translate("WindowSettingsJson", "expected %1").arg(QuotedChoices(row));
    case SettingKind::Seed:
        return SeedDigits(value).empty() ? QCoreApplication::translate("WindowSettingsJson", "expected %1")
                                               .arg(QCoreApplication::translate("ReaderProblem", kSeedInFile))
                                         : QString();
    case SettingKind::Text:
        break;
    }
    if (!value.isString())
        return QCoreApplication::translate("WindowSettingsJson", "expected a text");
    // A lone surrogate has no UTF-8, so the setting would keep a "?" in its place.
    return value.toString().isValidUtf16()
               ? QString()
               : QCoreApplication::translate("WindowSettingsJson",
                                             "esperado um texto sem surrogate UTF-16 isolado");
}

SettingValue FromJson(const SettingRow& row, const QJsonValue& value) {
    switch (row.kind) {
    case SettingKind::Flag:
        return {value.toBool() ? 1.0 : 0.0, {}};
    case SettingKind::Choice:
        return {static_cast<double>(choiceByName(row, value.toString().toStdString())->value), {}};
    case SettingKind::Text:
        return {0.0, value.toString().toStdString()};
    case SettingKind::Seed:
        return {0.0, SeedDigits(value)};
    default:
        return {value.toDouble(), {}};
    }
}

/// Calls `visit(row, value)` for each setting of the table that `object` holds, in the table's order,
/// while it returns true; false when it stopped.
template <typename Visit> bool VisitSettingsIn(const QJsonObject& object, Visit visit) {
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey == nullptr)
            continue;
        const auto found = object.constFind(QLatin1String(row.fileKey));
        if (found != object.constEnd() && !visit(row, found.value()))
            return false;
    }
    return true;
}

const QLatin1String kEventsKey("events");

/// The events a window's `events` lists; none when it lists none or cannot be read.
std::vector<ScheduledEvent> EventsIn(const QJsonObject& object) {
    std::vector<ScheduledEvent> events;
    std::string problem;
    const QJsonValue listed = object.value(kEventsKey);
    if (listed.isUndefined() || !readEvents(PlainJson(listed), events, problem))
        events.clear();
    return events;
}

} // namespace

QJsonArray EventsToJson(const std::vector<ScheduledEvent>& events) {
    QJsonArray list;
    for (const ScheduledEvent& event : events) {
        const SettingRow& row = *event.change.row;
        list.append(QJsonObject{{QLatin1String("atS"), event.atS},
                                {QLatin1String(row.fileKey), ToJson(row, event.change.value)}});
    }
    return list;
}

QJsonObject WindowSettingsToJson(CVorlintView& view, const QJsonObject& unknownKeys) {
    QJsonObject object = unknownKeys;
    const SettingTarget target = TargetOf(view);
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey != nullptr)
            object.insert(QLatin1String(row.fileKey), ToJson(row, row.read(target)));
    }
    // Events the window runs as the file listed them go back as they came, keys this version does not
    // know inside the entries too; edited ones are written afresh.
    const QJsonArray events = EventsToJson(view.ScheduledEvents());
    if (events != EventsToJson(EventsIn(unknownKeys))) {
        object.remove(kEventsKey);
        if (!events.isEmpty())
            object.insert(kEventsKey, events);
    }
    return object;
}

bool CheckWindowSettings(const QJsonObject& object, QString& problem) {
    return VisitSettingsIn(object, [&](const SettingRow& row, const QJsonValue& value) {
        const QString what = Mismatch(row, value);
        if (!what.isEmpty())
            problem = QStringLiteral("%1: %2").arg(QLatin1String(row.fileKey), what);
        return what.isEmpty();
    });
}

QJsonObject ApplyWindowSettings(const QJsonObject& object, CVorlintView& view) {
    QJsonObject unknownKeys = object;
    SettingTarget target = TargetOf(view);
    VisitSettingsIn(object, [&](const SettingRow& row, const QJsonValue& value) {
        applySetting(target, row, FromJson(row, value));
        unknownKeys.remove(QLatin1String(row.fileKey));
        return true;
    });
    // The events stay among the keys kept, for the file to get them back as they came while unedited.
    view.SetScheduledEvents(EventsIn(object));
    return unknownKeys;
}

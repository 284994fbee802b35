#include "SetupText.h"

#include "PlantHiddenText.h"
#include "ReadingText.h"
#include "RoundTripNumber.h"

#include <QCoreApplication>

namespace {

/// Enough for any setting a student types or a trackbar gives, few enough to read at a glance.
constexpr int kSetupDigits = 6;

QString TrSetting(const char* text) {
    return QCoreApplication::translate("Setting", text);
}

} // namespace

QString SettingValueText(const SettingRow& row, const SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Flag:
    case SettingKind::Choice: {
        const SettingChoice* choice = choiceByValue(row, static_cast<int>(value.number));
        return choice != nullptr ? TrSetting(choice->label) : QString();
    }
    case SettingKind::Text:
    case SettingKind::Seed:
        return QString::fromStdString(value.text);
    case SettingKind::Count:
        return QString::fromStdString(numberText(value.number));
    case SettingKind::Number:
        break;
    }
    // Read by people: a trackbar's 43.999999976123021 shows as 44; the file keeps every digit.
    return FormatSignificant(value.number, kSetupDigits);
}

QStringList SetupEntries(const SettingSource& window, SettingGroup group, bool plantHidden) {
    QStringList entries;
    for (const SettingRow& row : settingRows()) {
        if (row.group != group || row.label == nullptr)
            continue;
        QString name = TrSetting(row.label);
        if (!name.endsWith(QLatin1Char(':')))
            name += QLatin1Char(':');
        const QString value =
            plantHidden && row.plantModel ? PlantHiddenText() : SettingValueText(row, row.read(window));
        entries.append(name + QLatin1Char(' ') + value);
    }
    return entries;
}

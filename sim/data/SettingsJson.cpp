#include "SettingsJson.h"

#include "TranslationMark.h"
#include "WholeNumberText.h"

#include <cmath>

namespace {

using Type = JsonValue::Type;

bool isWholeNumberUpTo(const JsonValue& value, double max) {
    return value.type == Type::Number && value.number >= 0.0 && value.number <= max &&
           value.number == std::floor(value.number);
}

/// The choices' names as the file writes them: "a", "b" or "c".
std::string quotedChoices(const SettingRow& row) {
    std::string names;
    for (std::size_t i = 0; i < row.choiceCount; ++i) {
        names += i == 0 ? "" : i + 1 == row.choiceCount ? " or " : ", ";
        names += '"' + std::string(row.choices[i].name) + '"';
    }
    return names;
}

/// A seed's digits, empty when `value` holds none.
std::string seedDigits(const JsonValue& value) {
    return value.type == Type::Number   ? seedDigitsOfNumber(value.number)
           : value.type == Type::String ? seedDigitsOfText(value.text)
                                        : std::string();
}

/// Empty when `value` fits `row`, else what it should be.
std::string mismatch(const SettingRow& row, const JsonValue& value) {
    switch (row.kind) {
    case SettingKind::Number: {
        const NumberRange range = fileRange(row);
        return value.type == Type::Number && isInRange(value.number, range)
                   ? ""
                   : std::string("expected ") + rangeText(range);
    }
    case SettingKind::Count:
        return isWholeNumberUpTo(value, row.maxCount)
                   ? ""
                   : "expected a whole number from 0 to " + std::to_string(row.maxCount);
    case SettingKind::Flag:
        return value.type == Type::Bool
                   ? ""
                   : std::string("expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "true or false");
    case SettingKind::Choice:
        return value.type == Type::String && choiceByName(row, value.text) != nullptr
                   ? ""
                   : "expected " + quotedChoices(row);
    case SettingKind::Seed:
        return seedDigits(value).empty() ? std::string("expected ") + kSeedInFile : "";
    case SettingKind::Text:
        break;
    }
    return value.type == Type::String
               ? ""
               : std::string("expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "a text");
}

} // namespace

bool settingValueFromJson(const SettingRow& row, const JsonValue& value, SettingValue& out,
                          std::string& problem) {
    problem = mismatch(row, value);
    if (!problem.empty())
        return false;
    switch (row.kind) {
    case SettingKind::Flag:
        out = {value.boolean ? 1.0 : 0.0, {}};
        break;
    case SettingKind::Choice:
        out = {static_cast<double>(choiceByName(row, value.text)->value), {}};
        break;
    case SettingKind::Text:
        out = {0.0, value.text};
        break;
    case SettingKind::Seed:
        out = {0.0, seedDigits(value)};
        break;
    default:
        out = {value.number, {}};
    }
    return true;
}

bool readSettingChanges(const JsonValue& object, std::vector<SettingChange>& changes, std::string& problem) {
    for (const SettingRow& row : settingRows()) {
        const JsonValue* value = row.fileKey != nullptr ? object.find(row.fileKey) : nullptr;
        if (value == nullptr)
            continue;
        SettingChange change{&row, {}};
        if (!settingValueFromJson(row, *value, change.value, problem)) {
            problem = std::string(row.fileKey) + ": " + problem;
            return false;
        }
        changes.push_back(std::move(change));
    }
    return true;
}

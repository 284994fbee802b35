#include "SettingsJson.h"

#include "TranslationMark.h"
#include "WholeNumberText.h"

#include <cmath>
#include <cstdint>

namespace {

using json = nlohmann::json;

bool isWholeNumberUpTo(const json& value, double max) {
    if (!value.is_number())
        return false;
    const double number = value.get<double>();
    return number >= 0.0 && number <= max && number == std::floor(number);
}

/// Empty when `value` fits `row`, else what it should be.
std::string mismatch(const SettingRow& row, const json& value) {
    switch (row.kind) {
    case SettingKind::Number: {
        const NumberRange range = fileRange(row);
        return value.is_number() && isInRange(value.get<double>(), range)
                   ? ""
                   : std::string("expected ") + rangeText(range);
    }
    case SettingKind::Count:
        return isWholeNumberUpTo(value, row.maxCount)
                   ? ""
                   : "expected a whole number from 0 to " + std::to_string(row.maxCount);
    case SettingKind::Flag:
        return value.is_boolean()
                   ? ""
                   : std::string("expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "true or false");
    case SettingKind::Choice:
        return value.is_string() && choiceByName(row, value.get_ref<const std::string&>()) != nullptr
                   ? ""
                   : "expected " + choiceNames(row, "\"");
    case SettingKind::Seed:
        return seedDigitsOfJson(value).empty() ? std::string("expected ") + kSeedInFile : "";
    case SettingKind::Text:
        break;
    }
    return value.is_string() ? ""
                             : std::string("expected ") + QT_TRANSLATE_NOOP("ReaderProblem", "a text");
}

} // namespace

json numberJson(double number) {
    // Beyond 2^53 a double is still whole, but not every reader keeps such digits exactly.
    if (std::fabs(number) <= static_cast<double>(kMaxExactWhole) && number == std::floor(number))
        return static_cast<std::int64_t>(number);
    return number;
}

std::string seedDigitsOfJson(const json& value) {
    if (value.is_number_unsigned())
        return std::to_string(value.get<std::uint64_t>());
    if (value.is_number_float())
        return seedDigitsOfNumber(value.get<double>());
    return value.is_string() ? seedDigitsOfText(value.get_ref<const std::string&>()) : std::string();
}

json seedJson(const std::string& digits) {
    double number = 0.0;
    if (seedIsWrittenAsNumber(digits, number))
        return static_cast<std::uint64_t>(number);
    return digits;
}

bool settingValueFromJson(const SettingRow& row, const json& value, SettingValue& out, std::string& problem) {
    problem = mismatch(row, value);
    if (!problem.empty())
        return false;
    switch (row.kind) {
    case SettingKind::Flag:
        out = {value.get<bool>() ? 1.0 : 0.0, {}};
        break;
    case SettingKind::Choice:
        out = {static_cast<double>(choiceByName(row, value.get_ref<const std::string&>())->value), {}};
        break;
    case SettingKind::Text:
        out = {0.0, value.get<std::string>()};
        break;
    case SettingKind::Seed:
        out = {0.0, seedDigitsOfJson(value)};
        break;
    default:
        out = {value.get<double>(), {}};
    }
    return true;
}

json settingValueToJson(const SettingRow& row, const SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Number:
    case SettingKind::Count:
        return numberJson(value.number);
    case SettingKind::Flag:
        return value.number != 0.0;
    case SettingKind::Choice:
        return settingValueText(row, value);
    case SettingKind::Seed:
        return seedJson(value.text);
    case SettingKind::Text:
        break;
    }
    return value.text;
}

bool readSettingChanges(const json& object, std::vector<SettingChange>& changes, std::string& problem) {
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey == nullptr)
            continue;
        const auto value = object.find(row.fileKey);
        if (value == object.end())
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

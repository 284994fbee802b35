#include "SimSettings.h"

#include "NumberText.h"
#include "QuotedValue.h"

#include <limits>

namespace {

bool parseWholeNumber(const std::string& name, const std::string& text, std::uint64_t max,
                      std::uint64_t& value, std::string& error) {
    if (!parseCount(text, max, value)) {
        error = name + " needs a whole number from 0 to " + std::to_string(max) + ", not " + quoted(text);
        return false;
    }
    return true;
}

/// Picks the choice named `text`; otherwise says "NAME must be A, B or C, not 'TEXT'".
bool parseChoice(const std::string& name, const std::string& text, const SettingRow& row, double& value,
                 std::string& error) {
    const SettingChoice* choice = choiceByName(row, text);
    if (choice == nullptr) {
        error = name + " must be " + choiceNames(row) + ", not " + quoted(text);
        return false;
    }
    value = choice->value;
    return true;
}

bool parseValue(const std::string& name, const std::string& text, const SettingRow& row, SettingValue& value,
                std::string& error) {
    switch (row.kind) {
    case SettingKind::Number:
        return parseNumberIn(name, text, row.range, value.number, error);
    case SettingKind::Count: {
        std::uint64_t count = 0;
        if (!parseWholeNumber(name, text, row.maxCount, count, error))
            return false;
        value.number = static_cast<double>(count);
        return true;
    }
    case SettingKind::Seed: {
        std::uint64_t seed = 0;
        if (!parseWholeNumber(name, text, std::numeric_limits<std::uint64_t>::max(), seed, error))
            return false;
        value.text = std::to_string(seed);
        return true;
    }
    case SettingKind::Flag:
    case SettingKind::Choice:
        return parseChoice(name, text, row, value.number, error);
    case SettingKind::Text:
        value.text = text;
        return true;
    }
    return false;
}

} // namespace

SettingParse parseSetting(const std::string& name, const std::string& value, SimSetting& setting,
                          std::string& error) {
    error.clear();
    setting.row = settingByOption(name);
    if (setting.row == nullptr) {
        return SettingParse::UnknownName;
    }
    return parseValue(name, value, *setting.row, setting.value, error) ? SettingParse::Ok
                                                                       : SettingParse::BadValue;
}

void applySetting(CSimulation& simulation, const SimSetting& setting) {
    if (isReset(setting)) {
        simulation.ResetIntegral();
        return;
    }
    SettingTarget target{simulation};
    applySetting(target, *setting.row, setting.value);
}

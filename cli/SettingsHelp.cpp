#include "SettingsHelp.h"

#include "Simulation.h"

#include <memory>

namespace {

constexpr std::size_t kIndent = 2;
constexpr std::size_t kLineWidth = 100;

/// What the help calls the value: the row's own word, or its choices' names ("none|conditional").
std::string valueName(const SettingRow& row) {
    if (row.valueName != nullptr)
        return row.valueName;
    std::string names;
    for (std::size_t i = 0; i < row.choiceCount; ++i)
        names += (i == 0 ? "" : "|") + std::string(row.choices[i].name);
    return names;
}

std::string term(const SettingRow& row) {
    return "--" + std::string(row.option) + " " + valueName(row);
}

/// The value a new window starts with, as the command line writes it.
std::string defaultText(const SettingRow& row) {
    const auto simulation = std::make_unique<CSimulation>();
    return settingValueText(row, row.read(SettingSource(*simulation)));
}

} // namespace

std::string helpEntry(const std::string& term, const std::string& description, std::size_t width) {
    const std::string column(width, ' ');
    std::string entry = std::string(kIndent, ' ') + term;
    entry += entry.size() < width ? std::string(width - entry.size(), ' ') : "\n" + column;
    for (const char c : description) {
        entry += c;
        if (c == '\n')
            entry += column;
    }
    return entry + '\n';
}

std::string settingsHelp(SettingGroup group, std::size_t width) {
    std::string text;
    for (const SettingRow& row : settingRows()) {
        if (row.group == group && row.option != nullptr)
            text += helpEntry(term(row), std::string(row.help) + " [" + defaultText(row) + "]", width);
    }
    return text;
}

std::string setPointHelp(const std::string& description, std::size_t width) {
    for (const SettingRow& row : settingRows()) {
        if (row.group == SettingGroup::SetPoint)
            return helpEntry(term(row), description, width);
    }
    return std::string();
}

std::string setupOptionsHelp(std::size_t width) {
    std::string text;
    std::string line(kIndent, ' ');
    for (const SettingRow& row : settingRows()) {
        if (!row.isSetup() || row.group == SettingGroup::SetPoint)
            continue;
        const std::string item = term(row);
        if (line.size() > kIndent && line.size() + item.size() + 2 > kLineWidth) {
            text += line + ",\n";
            line.assign(kIndent, ' ');
        }
        line += (line.size() > kIndent ? ", " : "") + item;
    }
    return text + line + '\n' + std::string(width, ' ') +
           "the plant and the controller's options, as for 'vorlint-cli sim'\n";
}

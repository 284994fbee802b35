#pragma once

#include "RoundTripNumber.h"
#include "SettingsTable.h"

#include <limits>
#include <string>

// Values to walk the settings table with: one each row takes that differs from a new window's, and
// one the command line refuses.

/// A value of `row` within its range that differs from `initial`.
inline SettingValue SampleValue(const SettingRow& row, const SettingValue& initial) {
    switch (row.kind) {
    case SettingKind::Number:
        return {initial.number == 2.5 ? 3.25 : 2.5, {}};
    case SettingKind::Count:
        return {initial.number == 0.0 ? static_cast<double>(row.maxCount) : 0.0, {}};
    case SettingKind::Flag:
    case SettingKind::Choice:
        for (std::size_t i = 0; i < row.choiceCount; ++i) {
            if (row.choices[i].value != static_cast<int>(initial.number))
                return {static_cast<double>(row.choices[i].value), {}};
        }
        break;
    case SettingKind::Seed:
        // The largest, which a double cannot hold.
        return {0.0, "18446744073709551615"};
    case SettingKind::Text:
        break;
    }
    return {0.0, initial.text + "+1"};
}

/// A command-line value `row` refuses, or empty for a row that takes every value.
inline std::string RefusedText(const SettingRow& row) {
    switch (row.kind) {
    case SettingKind::Number:
        // Its open low end, or a step below its closed one, or past its high end; else an infinity.
        if (row.range.low != -std::numeric_limits<double>::infinity())
            return numberText(row.range.lowOpen ? row.range.low : row.range.low - 1.0);
        if (row.range.high != std::numeric_limits<double>::infinity())
            return numberText(row.range.highOpen ? row.range.high : row.range.high + 1.0);
        return row.range.finiteOnly ? "inf" : "";
    case SettingKind::Count:
        return std::to_string(static_cast<unsigned long long>(row.maxCount) + 1);
    case SettingKind::Flag:
    case SettingKind::Choice:
        return "maybe";
    case SettingKind::Seed:
        return "18446744073709551616";
    case SettingKind::Text:
        break;
    }
    return "";
}

#pragma once

#include <string>
#include <vector>

/// A setting's value whatever its kind: a number, a count, a flag (1 or 0) or a choice's value in
/// `number`, a text or a seed's digits in `text`.
struct SettingValue {
    double number = 0.0;
    std::string text;
};

/// Every setting's value, one for each row of the settings table in its order.
using SetupValues = std::vector<SettingValue>;

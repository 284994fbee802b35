#pragma once

#include <string>
#include <vector>

struct ConstantEntry {
    std::string name;
    std::string valueText; // formula text, pasted into formulas inside parentheses
};

struct ConstantGroup {
    std::string name;
    std::vector<ConstantEntry> entries;
    std::vector<ConstantGroup> subgroups;
};

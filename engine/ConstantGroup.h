#pragma once

#include <string>
#include <vector>

// The groups of "constants.dat" as a plain tree, the form ConstantTable::groups() gives for tests and
// checks; the engine itself keeps them in a ConstantTable.

struct ConstantEntry {
    std::string name;
    std::string valueText; // formula text, pasted into formulas inside parentheses
};

struct ConstantGroup {
    std::string name;
    std::vector<ConstantEntry> entries;
    std::vector<ConstantGroup> subgroups;
};

#pragma once

#include <string>
#include <vector>

// The categories of "units.dat" as plain records, the form UnitTable::categories() gives for tests and
// checks; the engine itself keeps them in a UnitTable.

struct UnitDefinition {
    std::string name;
    std::string factor; // formula text: how many of this unit make one reference unit of its system
    std::string system;
};

struct UnitCategory {
    std::vector<UnitDefinition> units;
    std::string name;
    std::string firstSystem;
    std::string thirdHeaderLine;
    std::string secondSystem;
    std::string fifthHeaderLine;
    std::string crossFactor; // the second system's reference unit in reference units of the first
};

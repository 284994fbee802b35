#pragma once

#include "Simulation.h"

#include <cstddef>
#include <string>

namespace fuzz {

/// What a step's checks need from the state before it.
struct StepStart {
    double setPoint;
    double point;
    std::size_t historySize;
};

/// The first rule that the step just taken broke, or nullptr: the history's growth and bound, the
/// point's range, the controller's power, the new sample, and the point the plant formula gives.
const char* brokenStepRule(const CSimulation& sim, const StepStart& before);

/// The simulation's settings and state in one line, for failure messages.
std::string describe(const CSimulation& sim);

} // namespace fuzz

#pragma once

#include "SettingsTable.h"
#include "Simulation.h"

#include <memory>
#include <vector>

/// What a headless run copies from a simulation: the value of every row the settings table marks as
/// setup (SettingRow::isSetup), so that a new setup row reaches every headless run with no word here.
/// A copy, so that the run may go on another thread, or on after the window has changed, without ever
/// touching the window. An empty setup is every setting at its default.
struct SimulationSetup {
    std::vector<SettingChange> settings;
};

/// The setup of `simulation`: each setup row read from it, in the table's order.
SimulationSetup SetupOf(const CSimulation& simulation);

/// A new simulation with `setup` applied row by row through applySetting, at rest as after a window's
/// initial update: the point at its minimum, power 0, no history, the dynamics, the noise and the
/// controller's memory cleared, manual mode, gains 0.
std::unique_ptr<CSimulation> RestingSimulation(const SimulationSetup& setup);

/// The simulated step of `setup` in seconds.
double StepSecondsOf(const SimulationSetup& setup);

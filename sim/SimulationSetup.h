#pragma once

#include "PidOptions.h"
#include "PlantDynamicsSettings.h"
#include "Simulation.h"

#include <cstdint>
#include <memory>
#include <string>

/// What a headless run copies from a simulation: the plant (formula, simulated step, dynamics) and the
/// controller's options. A copy, so that the run may go on another thread, or on after the window has
/// changed, without ever touching the window.
struct SimulationSetup {
    std::string formula = CSimulation::kDefaultFormula;
    std::uint32_t simStepMs = 100;
    PlantDynamicsSettings dynamics;
    PidOptions pidOptions;
};

/// The setup of `simulation`.
SimulationSetup SetupOf(const CSimulation& simulation);

/// A new simulation with `setup`, at rest as after a window's initial update: the point at its minimum,
/// power 0, no history, the dynamics and the controller's memory cleared, manual mode, gains 0.
std::unique_ptr<CSimulation> RestingSimulation(const SimulationSetup& setup);

#include "SimulationSetup.h"

SimulationSetup SetupOf(const CSimulation& simulation) {
    return {simulation.m_strFormula, simulation.m_nSimStepMs, simulation.m_dynamicsSettings,
            simulation.m_pidOptions};
}

std::unique_ptr<CSimulation> RestingSimulation(const SimulationSetup& setup) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->m_strFormula = setup.formula;
    simulation->m_nSimStepMs = setup.simStepMs;
    simulation->m_dynamicsSettings = setup.dynamics;
    simulation->m_pidOptions = setup.pidOptions;
    simulation->InitialUpdate();
    return simulation;
}

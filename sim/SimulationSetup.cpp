#include "SimulationSetup.h"

SimulationSetup SetupOf(const CSimulation& simulation) {
    SimulationSetup setup;
    for (const SettingRow& row : settingRows()) {
        if (row.isSetup())
            setup.settings.push_back({&row, row.read(SettingSource(simulation))});
    }
    return setup;
}

std::unique_ptr<CSimulation> RestingSimulation(const SimulationSetup& setup) {
    auto simulation = std::make_unique<CSimulation>();
    SettingTarget target{*simulation};
    for (const SettingChange& change : setup.settings)
        applySetting(target, *change.row, change.value);
    simulation->InitialUpdate();
    return simulation;
}

double StepSecondsOf(const SimulationSetup& setup) {
    return CSimulation::StepSeconds(RestingSimulation(setup)->m_nSimStepMs);
}

#include "BenchDataDirs.h"

#include "Simulation.h"

#include <memory>

namespace {

/// One step of a PID-controlled window with the default plant formula.
void SimulationStep(benchmark::State& state) {
    if (!benchDataDirs->enter(state)) {
        return;
    }
    auto sim = std::make_unique<CSimulation>();
    sim->InitialUpdate();
    sim->m_bPid = true;
    sim->m_dKp = 0.5;
    sim->m_dKi = 2.0;
    sim->m_dKd = 0.01;
    sim->m_dSetPoint = 500.0;
    for (auto _ : state) {
        sim->Step();
    }
    if (sim->m_dPoint == sim->m_dPointMin) {
        state.SkipWithError("the plant formula never moved the point: is the engine failing?");
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(SimulationStep)->ArgName("dataFiles")->Arg(1)->Arg(0);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksInDataDirs(argc, argv);
}

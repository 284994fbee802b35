#include "BenchDataDirs.h"

#include "Simulation.h"

#include <cmath>
#include <memory>

namespace {

/// The reference the step is measured against: the same step with the default plant formula written
/// in C++ instead of evaluated.
class NativePlantSimulation : public CSimulation {
protected:
    void EvaluatePlant(double t, double dt) override {
        const double p = m_dPoint;
        const double result = p + ((t / 100) * 5000 - p * 1.0) * dt;
        if (!std::isnan(result)) {
            m_dPoint = result;
        }
    }
};

/// One step of a PID-controlled window with the default plant formula.
template <typename Simulation> void SimulationStep(benchmark::State& state) {
    if (!benchDataDirs->enter(state)) {
        return;
    }
    auto sim = std::make_unique<Simulation>();
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
BENCHMARK_TEMPLATE(SimulationStep, CSimulation)->ArgName("dataFiles")->Arg(1)->Arg(0);
BENCHMARK_TEMPLATE(SimulationStep, NativePlantSimulation)->ArgName("dataFiles")->Arg(1);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksInDataDirs(argc, argv);
}

#include "BenchDataDirs.h"

#include "EquationEngine.h"
#include "PreparedFormula.h"

#include <array>
#include <iterator>
#include <string>

namespace {

const std::string kPlantFormula = "p + ((t/100)*5000 - p*1.0)*dt";
const VariableValue kBindings[] = {{"p", 20.0}, {"t", 50.0}, {"dt", 0.1}};

bool evaluate(EquationEngine& engine, const std::string& formula, benchmark::State& state) {
    const CurrentEngineScope scope(engine);
    double result = 0.0;
    const int status = engine.Evaluate(formula, kBindings, std::size(kBindings), result);
    benchmark::DoNotOptimize(result);
    if (status != 0) {
        state.SkipWithError(("Evaluate returned " + std::to_string(status)).c_str());
        return false;
    }
    return true;
}

/// Moves into the benchmark's data directory and reads its files once, so that the timing shows the
/// steady state of the step.
bool enterAndRead(benchmark::State& state) {
    if (!benchDataDirs->enter(state)) {
        return false;
    }
    const EquationEngine first;
    return true;
}

/// As the simulation step does: a new engine, one evaluation.
void EvaluateOnNewEngine(benchmark::State& state) {
    if (!enterAndRead(state)) {
        return;
    }
    for (auto _ : state) {
        EquationEngine engine;
        if (!evaluate(engine, kPlantFormula, state)) {
            break;
        }
    }
}
BENCHMARK(EvaluateOnNewEngine)->ArgName("dataFiles")->Arg(1)->Arg(0)->Arg(BenchDataDirs::kMillionEntries);

/// A step whose formula names one entry of the data files: the shipped files' first constant or
/// conversion, or the millionth of the large files.
void StepWithOneReference(benchmark::State& state, const char* shipped, const char* million) {
    if (!enterAndRead(state)) {
        return;
    }
    const std::string formula =
        std::string("p*0+") + (state.range(0) == BenchDataDirs::kMillionEntries ? million : shipped);
    for (auto _ : state) {
        EquationEngine engine;
        if (!evaluate(engine, formula, state)) {
            break;
        }
    }
}
BENCHMARK_CAPTURE(StepWithOneReference, constant, "(Matematica|pi)", "(G|c999999)")
    ->ArgName("dataFiles")
    ->Arg(BenchDataDirs::kShippedFiles)
    ->Arg(BenchDataDirs::kMillionEntries);
BENCHMARK_CAPTURE(StepWithOneReference, conversion, "1(m->cm)", "1(u999999->u0)")
    ->ArgName("dataFiles")
    ->Arg(BenchDataDirs::kShippedFiles)
    ->Arg(BenchDataDirs::kMillionEntries);

/// One evaluation of a formula of a thousand conversions, each from one of a thousand units of a
/// category to a unit it does not have.
void ThousandConversions(benchmark::State& state) {
    if (!enterAndRead(state)) {
        return;
    }
    std::string formula = "1(u0->z)";
    for (int i = 1; i < 1000; ++i) {
        formula += "+1(u" + std::to_string(i) + "->z)";
    }
    for (auto _ : state) {
        EquationEngine engine;
        const CurrentEngineScope scope(engine);
        double result = 0.0;
        benchmark::DoNotOptimize(engine.Evaluate(formula, kBindings, std::size(kBindings), result));
    }
}
BENCHMARK(ThousandConversions)
    ->ArgName("dataFiles")
    ->Arg(BenchDataDirs::kThousandUnits)
    ->Unit(benchmark::kMillisecond);

/// One evaluation of a 20 KB formula of 1,844 references to constants of a file of a million.
void ManyReferences(benchmark::State& state) {
    if (!enterAndRead(state)) {
        return;
    }
    // The arguments of one list call: a chain of 1,843 operators would be too deep a tree.
    std::string formula = "max((G|c0)";
    for (int i = 1; i < 1844; ++i) {
        formula += ":(G|c" + std::to_string(i * 31) + ")";
    }
    formula += ")";
    state.counters["characters"] = static_cast<double>(formula.size());
    for (auto _ : state) {
        EquationEngine engine;
        if (!evaluate(engine, formula, state)) {
            break;
        }
    }
}
BENCHMARK(ManyReferences)
    ->ArgName("dataFiles")
    ->Arg(BenchDataDirs::kMillionEntries)
    ->Unit(benchmark::kMillisecond);

/// The same formula again and again on one engine: every lookup hits the formula cache.
void EvaluateCachedFormula(benchmark::State& state) {
    if (!benchDataDirs->enter(state)) {
        return;
    }
    EquationEngine engine;
    for (auto _ : state) {
        if (!evaluate(engine, kPlantFormula, state)) {
            break;
        }
    }
}
BENCHMARK(EvaluateCachedFormula)->ArgName("dataFiles")->Arg(1)->Arg(0);

/// The same formula again and again as the simulation step evaluates it: prepared once, each evaluation
/// as on a new engine.
void EvaluatePreparedFormula(benchmark::State& state) {
    if (!benchDataDirs->enter(state)) {
        return;
    }
    PreparedFormula prepared({"p", "t", "dt"});
    const double values[] = {20.0, 50.0, 0.1};
    for (auto _ : state) {
        double result = 0.0;
        if (prepared.evaluate(kPlantFormula, values, result) != 0) {
            state.SkipWithError("the prepared formula failed");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(EvaluatePreparedFormula)->ArgName("dataFiles")->Arg(1)->Arg(0);

/// The reference for the evaluations: the plant formula written in C++, its inputs unknown to the
/// compiler at every iteration.
void NativeExpression(benchmark::State& state) {
    double p = 20.0;
    double t = 50.0;
    double dt = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(dt);
        double result = p + ((t / 100) * 5000 - p * 1.0) * dt;
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(NativeExpression);

/// Formulas of about 500 tokens, each with its own leading number so that no two texts are equal.
std::array<std::string, 16> longFormulas() {
    std::array<std::string, 16> formulas;
    for (std::size_t i = 0; i < formulas.size(); ++i) {
        std::string& text = formulas[i];
        text = std::to_string(i + 1);
        for (int chunk = 0; chunk < 33; ++chunk) {
            text += "+(p*1.5-t)/max(dt:2)"; // 15 tokens, with a list call and its ":" separator
        }
    }
    return formulas;
}

/// A cache miss every time: more distinct texts than cache slots, taken in turn, so each Evaluate
/// parses, builds the tree and evaluates it once.
void ParseLongFormula(benchmark::State& state) {
    if (!benchDataDirs->enter(state)) {
        return;
    }
    const auto formulas = longFormulas();
    EquationEngine engine;
    std::size_t next = 0;
    for (auto _ : state) {
        if (!evaluate(engine, formulas[next], state)) {
            break;
        }
        next = (next + 1) % formulas.size();
    }
    state.counters["tokens"] = static_cast<double>(engine.SlotTokens(engine.CurrentSlot()).size());
}
BENCHMARK(ParseLongFormula)->ArgName("dataFiles")->Arg(1)->Arg(0);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksInDataDirs(argc, argv);
}

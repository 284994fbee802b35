#include "RunRecording.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

/// One append to a window's recording once the run is longer than it keeps: the steady state of a
/// long run, where the oldest step goes for every new one.
void AppendToFullRecording(benchmark::State& state) {
    auto recording = std::make_unique<RunRecording>(RunRecording::kCapacity);
    RecordedStep step;
    for (std::size_t i = 0; i < RunRecording::kCapacity; ++i)
        recording->push_back(step);
    for (auto _ : state) {
        step.sample.point += 1.0;
        recording->push_back(step);
        benchmark::DoNotOptimize(recording->size());
    }
}
BENCHMARK(AppendToFullRecording);

/// Appends to a recording while it grows, doubling from its first block: what a run's first million
/// steps cost, allocation included.
void AppendWhileGrowing(benchmark::State& state) {
    RecordedStep step;
    for (auto _ : state) {
        RunRecording recording(RunRecording::kCapacity);
        for (std::size_t i = 0; i < RunRecording::kCapacity; ++i)
            recording.push_back(step);
        benchmark::DoNotOptimize(recording.size());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(RunRecording::kCapacity));
}
BENCHMARK(AppendWhileGrowing)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

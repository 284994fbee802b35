#include "VrlDocument.h"
#include "VrlJson.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

// Reading `.vrl` files of nearly the largest size a file may have, shaped as an adversary, a crowded
// document and a long exercise would shape them. With VORLINT_BENCH_VRL_DIR set, the files are also
// written there, for other parsers to be timed on the same bytes.

namespace {

const std::string kHead = R"({"format":"vorlint","version":1,)";

/// One object of 120,000 distinct keys ("aaa" to ...): what made a reader that looks keys up one by one
/// quadratic.
std::string manyKeys() {
    const char* letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string text = kHead + R"("keys":{)";
    for (int i = 0; i < 120000; ++i) {
        text += i == 0 ? "\"" : ",\"";
        for (int n = i, digit = 0; digit < 3; ++digit, n /= 62)
            text += letters[n % 62];
        text += "\":0";
    }
    return text + "}}";
}

/// `count` entries of `entry`, separated by commas.
std::string repeated(const std::string& entry, int count) {
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i == 0 ? "" : ",") + entry;
    return list;
}

/// 100 windows, each with every setting and as many events as bring the file near 1 MB.
std::string hundredWindows() {
    const std::string settings =
        R"("formula":"p + ((t/100)*4000 - p*0.5)*dt","pid":true,"onOff":false,"kp":0.30000000000000004,)"
        R"("ki":0.3333333333333333,"kd":6.666666666666667e-08,"setPoint":1234.5678901234567,"power":33.333333333333336,)"
        R"("simStepMs":100,"realStepMs":7,"showError":false,"disturbance":-2.5,"deadTimeS":0.5,"lagCount":2,)"
        R"("lagTauS":1.5,"antiWindup":"backcalc","trackingTimeS":0.6666666666666666,"noiseStd":0.25,)"
        R"("noiseSeed":"18446744073709551615","quantization":0.1,"rateLimit":12.5,"bumpless":true,)";
    const std::string window =
        "{" + settings + R"("events":[)" + repeated(R"({"atS":12.25,"setPoint":1500.5})", 300) + "]}";
    return kHead + R"("windows":[)" + repeated(window, 100) + "]}";
}

/// An exercise at its limits: 1,000 checks and 10,000 events, its instructions filling the rest.
std::string longExercise() {
    const std::string checks =
        repeated(R"({"figure":"overshoot_pct","min":0.5,"max":12.75,"window":1})", 1000);
    const std::string events = repeated(R"({"atS":12.25,"setPoint":1500.5})", 10000);
    std::string text = kHead + R"("exercise":{"runS":30,"checks":[)" + checks + R"(],"events":[)" + events +
                       R"(],"instructions":")";
    return text + std::string(kMaxVrlBytes - text.size() - 8, 'x') + "\"}}";
}

void writeFor(const char* name, const std::string& text) {
    if (const char* folder = std::getenv("VORLINT_BENCH_VRL_DIR"))
        std::ofstream(std::string(folder) + "/" + name, std::ios::binary) << text;
}

void readFile(benchmark::State& state, const char* name, const std::string& text) {
    writeFor(name, text);
    if (text.size() > kMaxVrlBytes) {
        state.SkipWithError("the file is larger than a .vrl may be");
        return;
    }
    for (auto _ : state) {
        VrlDocument document;
        std::string problem;
        if (!readVrlDocument(text, document, problem))
            state.SkipWithError(problem.c_str());
        benchmark::DoNotOptimize(document.windows.size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void ReadManyKeys(benchmark::State& state) {
    readFile(state, "many-keys.vrl", manyKeys());
}
BENCHMARK(ReadManyKeys)->Unit(benchmark::kMillisecond);

void ReadHundredWindows(benchmark::State& state) {
    readFile(state, "hundred-windows.vrl", hundredWindows());
}
BENCHMARK(ReadHundredWindows)->Unit(benchmark::kMillisecond);

void ReadLongExercise(benchmark::State& state) {
    readFile(state, "long-exercise.vrl", longExercise());
}
BENCHMARK(ReadLongExercise)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

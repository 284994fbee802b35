#include "SweepCommand.h"

#include "SettingsHelp.h"

#include "ClosedLoopRun.h"
#include "JobCount.h"
#include "NumberText.h"
#include "ParallelRows.h"
#include "ProgressBar.h"
#include "SetupOptions.h"
#include "SweepOptions.h"

#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

const char* const kCommand = "sweep";

/// The help's column of descriptions.
constexpr std::size_t kHelpColumn = 26;

std::string helpText() {
    return "Usage: vorlint-cli sweep --kp FROM:TO:COUNT [--ki FROM:TO:COUNT] [--kd FROM:TO:COUNT] [OPTIONS]\n"
           "Runs every combination of the gains, each in PID mode from rest (point 20, dynamics at rest) to\n"
           "the set point for --steps steps, and writes one CSV row per combination: kp,ki,kd and the "
           "figures\n"
           "of the response (response_start_step, initial_point, setpoint, rise_time_s, overshoot_pct, "
           "peak,\n"
           "peak_time_s, settling_time_s, steady_state_error, iae, ise, itae, time_saturated_s; nan "
           "when\n"
           "undefined). Kd varies fastest, then Ki, then Kp. The run's timing goes to standard error, with\n"
           "a progress bar when standard error is a terminal.\n"
           "\n"
           "Gains are in this program's form: the integral term is the error's integral divided by Ki (0: "
           "no\n"
           "integral action), so a textbook Kc, Ti, Td is Kp = Kc, Ki = Ti / Kc, Kd = Kc * Td.\n"
           "\n"
           "Options (defaults in brackets):\n"
           "  --kp, --ki, --kd FROM:TO:COUNT  COUNT values from FROM to TO, both included; a single number "
           "X\n"
           "                          is X:X:1 [--ki 0 --kd 0; --kp is required]\n"
           "  --steps N               steps of each run [100]\n" +
           setPointHelp("set point [1500]", kHelpColumn) + setupOptionsHelp(kHelpColumn) +
           "  --jobs J                threads, at most " + std::to_string(kJobsPerHardwareThread) +
           " per hardware thread [as many as the hardware\n"
           "                          runs at once]\n"
           "  --shard I/N             only the combinations whose number (from 0) modulo N is I; shard 0\n"
           "                          writes the header, so the shards' outputs concatenate into one CSV\n"
           "  --help                  show this help\n"
           "\n"
           "A row depends only on its gains: the formula's random functions start from the same seed in "
           "every\n"
           "combination, and the output is the same whatever --jobs. At most 10000000 combinations.\n"
           "Exit status: 0 on success, 1 when the CSV cannot be written or memory runs out, 2 on a usage "
           "error.\n";
}

/// The sweep's default set point: a step worth measuring from the point at rest.
constexpr double kDefaultSweepSetPoint = 1500.0;

std::string headerLine() {
    std::string header = "kp,ki,kd";
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        header += ',';
        header += field.name;
    }
    return header + '\n';
}

void appendRow(std::string& row, const PidGains& gains, const StepResponseFigures& figures) {
    appendNumber(row, gains.kp);
    for (const double value : {gains.ki, gains.kd}) {
        row += ',';
        appendNumber(row, value);
    }
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        row += ',';
        appendNumber(row, figures.*field.value);
    }
    row += '\n';
}

/// The combinations of this shard: first, first + N, first + 2N, ...
std::uint64_t shardSize(std::uint64_t total, const SweepOptions& options) {
    return total / options.shardCount + (options.shard < total % options.shardCount ? 1 : 0);
}

bool writeAll(std::FILE* out, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

RowsOutcome runSweep(const SweepOptions& options, const CliStreams& streams, std::uint64_t& combinations) {
    double setPoint = kDefaultSweepSetPoint;
    const SimulationSetup setup = setupFrom(options.setupSettings, setPoint);
    combinations = shardSize(options.grid.Size(), options);
    const unsigned jobs = threadsToRun(options.jobs, kCommand, streams.err);

    if (options.shard == 0 && !writeAll(streams.out, headerLine())) {
        return RowsOutcome::WriteFailed;
    }
    CProgressBar bar(streams.err, combinations);
    const auto makeRow = [&](std::uint64_t item, std::string& row) {
        const PidGains gains = options.grid.At(options.shard + item * options.shardCount);
        appendRow(row, gains, RunClosedLoop(setup, gains, setPoint, options.steps).figures);
    };
    const auto write = [&](const std::string& rows) { return writeAll(streams.out, rows); };
    const RowsOutcome outcome = writeRowsInParallel(combinations, jobs, makeRow, write,
                                                    [&](std::uint64_t done) { bar.Update(done); });
    bar.Finish();
    return outcome;
}

/// What the command does once its options are read.
int runWithOptions(SweepOptions& options, const CliStreams& streams) {
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t combinations = 0;
    const RowsOutcome outcome = runSweep(options, streams, combinations);
    if (outcome == RowsOutcome::OutOfMemory) {
        std::fputs("vorlint-cli sweep: out of memory\n", streams.err);
        return kExitFailure;
    }
    if (outcome == RowsOutcome::WriteFailed || std::fflush(streams.out) != 0) {
        std::fprintf(streams.err, "vorlint-cli sweep: standard output: %s\n", std::strerror(errno));
        return kExitFailure;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::string line = std::to_string(combinations) + " combinations in ";
    appendNumber(line, elapsed.count(), 6);
    line += " s\n";
    std::fputs(line.c_str(), streams.err);
    return kExitSuccess;
}

} // namespace

int RunSweepCommand(const Arguments& args, const CliStreams& streams) {
    return runCommand<SweepOptions>(kCommand, args, streams, parseSweepOptions, helpText(), runWithOptions);
}

#include "SimCommand.h"

#include "NumberText.h"
#include "SampleCsv.h"
#include "SimOptions.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char* const kCommand = "sim";

const char* const kHelp =
    "Usage: vorlint-cli sim [OPTIONS]\n"
    "Runs one simulation from the state after the initial update (point 20, empty history) as fast\n"
    "as it can and writes one CSV row per step; the run's timing goes to standard error.\n"
    "\n"
    "Options (defaults in brackets):\n"
    "  --steps N               number of steps [100]\n"
    "  --mode manual|pid|onoff control mode [manual]\n"
    "  --kp X, --ki X, --kd X  gains [0]; Ki divides the integral (the integral term is the error's\n"
    "                          integral over Ki, 0: none), so Kp = Kc, Ki = Ti / Kc, Kd = Kc * Td\n"
    "  --setpoint X            set point [0]\n"
    "  --power X               manual power [0]\n"
    "  --sim-step-ms N         simulated step in milliseconds [100]\n"
    "  --formula TEXT          plant formula in p, t and dt [p + ((t/100)*5000 - p*1.0)*dt]\n"
    "\n"
    "  Plant dynamics, between the power u and the formula's t, in this order:\n"
    "  --disturbance X         load disturbance added to u, in power units [0]\n"
    "  --dead-time S           dead time in simulated seconds, round(S / dt) steps [0]\n"
    "  --lags N                first-order lags in a row, 0 to 5 [0]\n"
    "  --lag-tau S             time constant of each lag in simulated seconds [1]\n"
    "\n"
    "  Controller options:\n"
    "  --setpoint-weight B     proportional term (B * setpoint - point) * Kp [1]\n"
    "  --derivative-on measurement|error\n"
    "                          slope of the point (no kick at a set-point step) or of the error [error]\n"
    "  --derivative-filter S   time constant Tf of the derivative's filter; 0 is off [0]\n"
    "  --anti-windup none|conditional|backcalc\n"
    "                          hold the integral while it winds into the clamp, or track the clamped\n"
    "                          output back into it [none]\n"
    "  --tracking-time S       Tt of backcalc, above 0 [1]\n"
    "  Times and the weight must be finite and not negative.\n"
    "\n"
    "  --csv FILE              where the CSV goes; '-' is standard output [-]\n"
    "  --at STEP:NAME=VALUE    before step STEP (from 1) set NAME (any option above without its '--':\n"
    "                          setpoint, power, kp, ..., formula, disturbance, ..., tracking-time) as\n"
    "                          the panels would; a new ki clears the integral\n"
    "  --at STEP:reset         before step STEP clear the integral (the Reset button)\n"
    "  --help                  show this help\n"
    "\n"
    "Numbers are read in the C locale ('.' decimal point; 'inf' and 'nan' as strtod reads them).\n"
    "Exit status: 0 on success, 1 when the CSV cannot be written, 2 on a usage error.\n";

constexpr std::size_t kFlushThreshold = 1 << 16;

/// The CSV destination: the output stream, or a file closed (and checked) at the end.
class CCsvOutput {
public:
    CCsvOutput() = default;
    CCsvOutput(const CCsvOutput&) = delete;
    CCsvOutput& operator=(const CCsvOutput&) = delete;
    /// Closes a file that Finish did not, as when the run ends by running out of memory.
    ~CCsvOutput() {
        if (m_bOwnsFile && m_pFile != nullptr) {
            std::fclose(m_pFile);
        }
    }

    bool Open(const std::string& path, std::FILE* out) {
        if (path == "-") {
            m_pFile = out;
            return true;
        }
        m_pFile = std::fopen(path.c_str(), "wb");
        m_bOwnsFile = m_pFile != nullptr;
        return m_bOwnsFile;
    }
    /// Writes and empties `buffer`; false when the write failed.
    bool Write(std::string& buffer) {
        m_bOk = std::fwrite(buffer.data(), 1, buffer.size(), m_pFile) == buffer.size() && m_bOk;
        buffer.clear();
        return m_bOk;
    }
    /// Flushes and closes; false when anything could not be written.
    bool Finish() {
        m_bOk = std::fflush(m_pFile) == 0 && m_bOk;
        if (m_bOwnsFile) {
            m_bOk = std::fclose(m_pFile) == 0 && m_bOk;
        }
        m_pFile = nullptr;
        return m_bOk;
    }

private:
    std::FILE* m_pFile = nullptr;
    bool m_bOwnsFile = false;
    bool m_bOk = true;
};

/// Runs the steps and writes their rows; stops at the first write that fails (a full disk would
/// otherwise keep the run going to its last step) and then returns false.
bool runSteps(const SimOptions& options, CCsvOutput& output) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    for (const SimSetting& setting : options.initialSettings) {
        applySetting(*simulation, setting);
    }
    std::string buffer = kSampleCsvHeader;
    auto nextEvent = options.events.begin();
    for (std::uint64_t step = 1; step <= options.steps; ++step) {
        for (; nextEvent != options.events.end() && nextEvent->step == step; ++nextEvent) {
            applySetting(*simulation, nextEvent->setting);
        }
        simulation->Step();
        appendSampleRow(buffer, step, simulation->m_history.newest());
        if (buffer.size() >= kFlushThreshold && !output.Write(buffer)) {
            return false;
        }
    }
    return output.Write(buffer);
}

void reportTiming(std::FILE* err, std::uint64_t steps, double seconds) {
    std::string line = std::to_string(steps) + " steps in ";
    appendNumber(line, seconds, 6);
    line += " s (";
    appendNumber(line, static_cast<double>(steps) / seconds, 6);
    line += " steps/s)\n";
    std::fputs(line.c_str(), err);
}

} // namespace

int RunSimCommand(const Arguments& args, const CliStreams& streams) {
    SimOptions options;
    std::string error;
    if (!parseSimOptions(args, options, error)) {
        return usageError(streams.err, kCommand, error);
    }
    if (options.help) {
        return printHelp(streams.out, kHelp);
    }
    CCsvOutput output;
    if (!output.Open(options.csvPath, streams.out)) {
        return usageError(streams.err, kCommand,
                          "cannot open '" + options.csvPath + "': " + std::strerror(errno));
    }

    const auto start = std::chrono::steady_clock::now();
    const bool rowsWritten = runSteps(options, output);
    const bool written = output.Finish() && rowsWritten;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!written) {
        std::fprintf(streams.err, "vorlint-cli sim: cannot write the CSV to '%s'\n", options.csvPath.c_str());
        return kExitFailure;
    }
    reportTiming(streams.err, options.steps, elapsed.count());
    return kExitSuccess;
}

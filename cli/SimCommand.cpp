#include "SimCommand.h"

#include "NumberText.h"
#include "SampleCsv.h"
#include "SimSettings.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
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
    "  --kp X, --ki X, --kd X  gains [0]\n"
    "  --setpoint X            set point [0]\n"
    "  --power X               manual power [0]\n"
    "  --sim-step-ms N         simulated step in milliseconds [100]\n"
    "  --formula TEXT          plant formula in p, t and dt [p + ((t/100)*5000 - p*1.0)*dt]\n"
    "  --csv FILE              where the CSV goes; '-' is standard output [-]\n"
    "  --at STEP:NAME=VALUE    before step STEP (from 1) set NAME (setpoint, power, kp, ki, kd, mode,\n"
    "                          sim-step-ms, formula) as the panels would; a new ki clears the integral\n"
    "  --at STEP:reset         before step STEP clear the integral (the Reset button)\n"
    "  --help                  show this help\n"
    "\n"
    "Numbers are read in the C locale ('.' decimal point; 'inf' and 'nan' as strtod reads them).\n"
    "Exit status: 0 on success, 1 when the CSV cannot be written, 2 on a usage error.\n";

constexpr std::size_t kFlushThreshold = 1 << 16;

struct SimEvent {
    std::uint64_t step = 0;
    SimSetting setting;
};

struct SimOptions {
    std::uint64_t steps = 100;
    std::vector<SimSetting> initialSettings;
    std::vector<SimEvent> events;
    std::string csvPath = "-";
    bool help = false;
};

bool parseEvent(const std::string& text, SimEvent& event, std::string& error) {
    const auto colon = text.find(':');
    if (colon == std::string::npos ||
        !parseCount(text.substr(0, colon), std::numeric_limits<std::uint64_t>::max(), event.step) ||
        event.step == 0) {
        error = "bad event '" + text + "': expected STEP:NAME=VALUE or STEP:reset with STEP from 1";
        return false;
    }
    const std::string change = text.substr(colon + 1);
    const auto equals = change.find('=');
    if (equals == std::string::npos) {
        event.setting.field = SimSetting::Field::Reset;
        if (change != "reset") {
            error = "bad event '" + text + "': expected NAME=VALUE or reset after the step";
        }
        return change == "reset";
    }
    const std::string name = change.substr(0, equals);
    if (parseSetting(name, change.substr(equals + 1), event.setting, error) == SettingParse::UnknownName) {
        error = "bad event '" + text + "': unknown setting '" + name + "'";
    }
    return error.empty();
}

/// The options that take a value: --steps, --csv, --at and one per setting (--kp X and so on).
bool isValueOption(const std::string& option) {
    return option == "--steps" || option == "--csv" || option == "--at" ||
           (option.rfind("--", 0) == 0 && isSettingName(option.substr(2)));
}

/// Handles one option that takes a value; false with a message in `error` on a bad option or value.
bool parseValueOption(const std::string& option, const std::string& value, SimOptions& options,
                      std::string& error) {
    if (option == "--steps") {
        if (!parseCount(value, std::numeric_limits<std::uint64_t>::max(), options.steps)) {
            error = "--steps needs a whole number, not '" + value + "'";
        }
    } else if (option == "--csv") {
        options.csvPath = value;
    } else if (option == "--at") {
        SimEvent event;
        if (parseEvent(value, event, error)) {
            options.events.push_back(event);
        }
    } else {
        SimSetting setting;
        if (parseSetting(option.substr(2), value, setting, error) == SettingParse::Ok) {
            options.initialSettings.push_back(setting);
        }
    }
    return error.empty();
}

int parseSimOptions(const Arguments& args, SimOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            return usageError(kCommand, "unexpected argument '" + arg + "'");
        }
        if (!isValueOption(arg)) {
            return usageError(kCommand, "unknown option '" + arg + "'");
        }
        std::string value;
        std::string error;
        if (!takeOptionValue(args, i, value)) {
            return usageError(kCommand, arg + " needs a value");
        }
        if (!parseValueOption(arg, value, options, error)) {
            return usageError(kCommand, error);
        }
    }
    // Events of one step apply in the order given.
    std::stable_sort(options.events.begin(), options.events.end(),
                     [](const SimEvent& a, const SimEvent& b) { return a.step < b.step; });
    return kExitSuccess;
}

/// The CSV destination: standard output, or a file closed (and checked) at the end.
class CsvOutput {
public:
    bool open(const std::string& path) {
        if (path == "-") {
            m_file = stdout;
            return true;
        }
        m_file = std::fopen(path.c_str(), "wb");
        m_ownsFile = m_file != nullptr;
        return m_ownsFile;
    }
    void write(std::string& buffer) {
        m_ok = std::fwrite(buffer.data(), 1, buffer.size(), m_file) == buffer.size() && m_ok;
        buffer.clear();
    }
    /// Flushes and closes; false when anything could not be written.
    bool finish() {
        m_ok = std::fflush(m_file) == 0 && m_ok;
        if (m_ownsFile) {
            m_ok = std::fclose(m_file) == 0 && m_ok;
        }
        m_file = nullptr;
        return m_ok;
    }

private:
    std::FILE* m_file = nullptr;
    bool m_ownsFile = false;
    bool m_ok = true;
};

void runSteps(const SimOptions& options, CsvOutput& output) {
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
        if (buffer.size() >= kFlushThreshold) {
            output.write(buffer);
        }
    }
    output.write(buffer);
}

void reportTiming(std::uint64_t steps, double seconds) {
    std::string line = std::to_string(steps) + " steps in ";
    appendNumber(line, seconds, 6);
    line += " s (";
    appendNumber(line, static_cast<double>(steps) / seconds, 6);
    line += " steps/s)\n";
    std::fputs(line.c_str(), stderr);
}

} // namespace

int RunSimCommand(const Arguments& args) {
    SimOptions options;
    if (const int status = parseSimOptions(args, options); status != kExitSuccess) {
        return status;
    }
    if (options.help) {
        return printHelp(kHelp);
    }
    CsvOutput output;
    if (!output.open(options.csvPath)) {
        return usageError(kCommand, "cannot open '" + options.csvPath + "': " + std::strerror(errno));
    }

    const auto start = std::chrono::steady_clock::now();
    runSteps(options, output);
    const bool written = output.finish();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!written) {
        std::fprintf(stderr, "vorlint-cli sim: cannot write the CSV to '%s'\n", options.csvPath.c_str());
        return kExitFailure;
    }
    reportTiming(options.steps, elapsed.count());
    return kExitSuccess;
}

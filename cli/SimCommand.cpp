#include "SimCommand.h"

#include "DistinctOutputs.h"
#include "FiguresText.h"
#include "NumberText.h"
#include "OutputFile.h"
#include "ResponseSegment.h"
#include "SampleCsv.h"
#include "SettingsHelp.h"
#include "SimOptions.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char* const kCommand = "sim";

/// The help's column of descriptions.
constexpr std::size_t kHelpColumn = 26;

std::string helpText() {
    return "Usage: vorlint-cli sim [OPTIONS]\n"
           "Runs one simulation from the state after the initial update (point 20, empty history) as fast\n"
           "as it can and writes one CSV row per step; the run's timing goes to standard error.\n"
           "\n"
           "Options (defaults in brackets):\n" +
           helpEntry("--steps N", "number of steps [100]", kHelpColumn) +
           settingsHelp(SettingGroup::Controller, kHelpColumn) +
           settingsHelp(SettingGroup::SetPoint, kHelpColumn) +
           settingsHelp(SettingGroup::Plant, kHelpColumn) +
           "\n"
           "  Plant dynamics, between the power u and the formula's t, in this order:\n" +
           settingsHelp(SettingGroup::Dynamics, kHelpColumn) +
           "\n"
           "  Controller options:\n" +
           settingsHelp(SettingGroup::Options, kHelpColumn) +
           "  Times and the weight must be finite and not negative.\n"
           "\n"
           "  Sensor and actuator:\n" +
           settingsHelp(SettingGroup::Sensor, kHelpColumn) +
           "  With noise or quantization on (in the options or an --at), each row ends with\n"
           "  'measurement', what the controller read.\n"
           "\n"
           "  --csv FILE              where the CSV goes; '-' is standard output [-]. A file is written\n"
           "                          beside it, then renamed over it: a failed run leaves it as it was\n"
           "  --metrics FILE          after the run, write the figures of the response to the latest\n"
           "                          set-point change (the first step counts as one, from the point 20)\n"
           "                          as NAME<TAB>VALUE lines, 'nan' when not defined; '-' is standard\n"
           "                          output when the CSV goes to a file\n"
           "  --response-from STEP    with --metrics: the figures of the response from step STEP to\n"
           "                          --response-to (or the last step) instead: the step-response\n"
           "                          figures from STEP, or the load-disturbance figures (peak_deviation,\n"
           "                          peak_deviation_time_s, recovery_time_s, iae, ise, itae) when the\n"
           "                          set point stays at STEP and the disturbance changes\n"
           "  --response-to STEP      the response's last step [--steps]\n"
           "  --at STEP:NAME=VALUE    before step STEP (1 to --steps) set NAME (any setting above,\n"
           "                          named by its option without the '--') as the panels would; a new\n"
           "                          ki clears the integral\n"
           "  --at STEP:reset         before step STEP clear the integral (the Reset button)\n"
           "  --help                  show this help\n"
           "\n"
           "Numbers are read in the C locale ('.' decimal point; 'inf' and 'nan' as strtod reads them).\n"
           "Exit status: 0 on success, 1 when the CSV or the figures cannot be written, 2 on a usage "
           "error.\n";
}

constexpr std::size_t kFlushThreshold = 1 << 16;

/// Whether the run's rows end with the measurement: whether the options or an event of the run switch
/// the noise or the quantization on (AltersMeasurement, the rule the window's export follows), found
/// by applying them in turn to a simulation that never steps.
bool rowsEndWithMeasurement(const SimOptions& options) {
    auto settings = std::make_unique<CSimulation>();
    const auto altersMeasurement = [&settings](const SimSetting& setting) {
        applySetting(*settings, setting);
        return AltersMeasurement(settings->m_sensorActuatorSettings);
    };
    return std::any_of(options.initialSettings.begin(), options.initialSettings.end(), altersMeasurement) ||
           std::any_of(options.events.begin(), options.events.end(),
                       [&](const SimEvent& event) { return altersMeasurement(event.setting); });
}

/// The response --metrics writes: the segment asked for, or none for the latest step response.
std::vector<CResponseSegmentMeter> responseMeters(const SimOptions& options) {
    if (options.responseFromStep == 0)
        return {};
    return {CResponseSegmentMeter({options.responseFromStep, options.responseToStep})};
}

/// Runs the steps and writes their rows; stops at the first write that fails (a full disk would
/// otherwise keep the run going to its last step) and then returns false. `figures` receives those of
/// the response --metrics writes.
bool runSteps(const SimOptions& options, COutputFile& output, ResponseFigures& figures) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    for (const SimSetting& setting : options.initialSettings) {
        applySetting(*simulation, setting);
    }
    const bool measurement = rowsEndWithMeasurement(options);
    std::string buffer = measurement ? sampleCsvHeaderWith("measurement") : kSampleCsvHeader;
    auto nextEvent = options.events.begin();
    std::vector<CResponseSegmentMeter> meters = responseMeters(options);
    for (std::uint64_t step = 1; step <= options.steps; ++step) {
        const auto applyDue = [&] {
            for (; nextEvent != options.events.end() && nextEvent->step == step; ++nextEvent)
                applySetting(*simulation, nextEvent->setting);
        };
        stepMeasured(*simulation, step, applyDue, meters);
        appendSampleRow(buffer, step, simulation->m_history.newest());
        if (measurement) {
            appendColumn(buffer, simulation->m_history.newest().measurement);
        }
        if (buffer.size() >= kFlushThreshold && !output.Write(buffer)) {
            return false;
        }
    }
    figures = meters.empty()
                  ? ResponseFigures{ResponseKind::SetPointStep, simulation->m_stepResponse.Figures(), {}}
                  : meters.front().Figures();
    return output.Write(buffer);
}

/// Opens `path` for one of the results; false after a usage error reported to `err`.
bool openOutput(COutputFile& output, const std::string& path, const CliStreams& streams) {
    if (output.Open(path, streams.out)) {
        return true;
    }
    usageError(streams.err, kCommand, "cannot open '" + path + "': " + std::strerror(errno));
    return false;
}

bool writeFigures(COutputFile& output, const ResponseFigures& figures) {
    std::string text;
    appendFigureLines(text, figures);
    return output.Write(text) && output.Complete();
}

void reportTiming(std::FILE* err, std::uint64_t steps, double seconds) {
    std::string line = std::to_string(steps) + " steps in ";
    appendNumber(line, seconds, 6);
    line += " s (";
    appendNumber(line, static_cast<double>(steps) / seconds, 6);
    line += " steps/s)\n";
    std::fputs(line.c_str(), err);
}

/// What the command does once its options are read.
int runWithOptions(SimOptions& options, const CliStreams& streams) {
    std::string error;
    std::vector<NamedOutput> outputs{{"--csv", options.csvPath}};
    if (!options.metricsPath.empty()) {
        outputs.push_back({"--metrics", options.metricsPath});
    }
    if (!outputsAreDistinct(outputs, streams.out, error)) {
        return usageError(streams.err, kCommand, error);
    }
    COutputFile output;
    COutputFile metrics;
    if (!openOutput(output, options.csvPath, streams) ||
        (!options.metricsPath.empty() && !openOutput(metrics, options.metricsPath, streams))) {
        return kExitUsage;
    }

    const auto start = std::chrono::steady_clock::now();
    ResponseFigures figures;
    const bool rowsWritten = runSteps(options, output, figures);
    const bool written = output.Complete() && rowsWritten;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!written) {
        std::fprintf(streams.err, "vorlint-cli sim: cannot write the CSV to '%s'\n", options.csvPath.c_str());
        return kExitFailure;
    }
    // Neither file is replaced until both are written.
    if (!options.metricsPath.empty() && !(writeFigures(metrics, figures) && metrics.Commit())) {
        std::fprintf(streams.err, "vorlint-cli sim: cannot write the figures to '%s'\n",
                     options.metricsPath.c_str());
        return kExitFailure;
    }
    if (!output.Commit()) {
        std::fprintf(streams.err, "vorlint-cli sim: cannot write the CSV to '%s'\n", options.csvPath.c_str());
        return kExitFailure;
    }
    reportTiming(streams.err, options.steps, elapsed.count());
    return kExitSuccess;
}

} // namespace

int RunSimCommand(const Arguments& args, const CliStreams& streams) {
    return runCommand<SimOptions>(kCommand, args, streams, parseSimOptions, helpText(), runWithOptions);
}

#include "FreqCommand.h"

#include "BodeCsv.h"
#include "FreqOptions.h"
#include "FrequencyLab.h"
#include "NumberText.h"
#include "SettingsHelp.h"
#include "SetupOptions.h"
#include "TuningLab.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

const char* const kCommand = "freq";

/// The help's column of descriptions.
constexpr std::size_t kHelpColumn = 28;

std::string helpText() {
    return "Usage: vorlint-cli freq [OPTIONS]\n"
           "Linearises the plant formula where a constant power holds the point, builds the sampled loop of\n"
           "the dynamics and the PID controller as the step computes them, and prints its figures as\n"
           "NAME<TAB>VALUE lines (p0, t0, a, b, ku, tu, gain_margin, gain_margin_db, phase_margin_deg,\n"
           "crossover_rad_s, phase_crossover_rad_s, ms; nan when a figure does not exist, with the reason "
           "on\n"
           "standard error), a blank line, then CSV: w_rad_s,plant_mag_db,plant_phase_deg,loop_mag_db,\n"
           "loop_phase_deg from the Nyquist frequency pi/dt times min(1e-4, 0.01/(n+1)) up to it, n the "
           "dead\n"
           "time's steps.\n"
           "\n"
           "The model: t0 in [0, 100] holds p0 (f(p0, t0, dt) = p0); a and b are the formula's slopes in p "
           "and\n"
           "in t there. The plant chain from the controller's output to the point it reads next is\n"
           "G(z) = z^-n * lags * b z / (z - a) * z^-1 and the loop is L(z) = C(z) G(z). Ku = 1 / |G| and\n"
           "Tu = 2 pi / w where G's own phase first falls below -180 degrees.\n"
           "\n"
           "Options (defaults in brackets):\n"
           "  --operating-point P       p0 [the set point, or 1500 when that is 0]\n"
           "  --points N                frequencies, evenly spaced in log, 2 to 100000 [400]\n"
           "  --kp X, --ki X, --kd X    the gains in this program's form, where Ki divides the integral "
           "[0]\n" +
           setPointHelp("set point [0]", kHelpColumn) + setupOptionsHelp(kHelpColumn) +
           "  --help                    show this help\n"
           "\n"
           "Exit status: 0 on success, 1 when the loop has no linear model (no power holds the point, the\n"
           "formula gives no number, a step of 0 ms) or the output cannot be written, 2 on a usage error.\n";
}

std::string figureLines(const FrequencyFigures& figures) {
    std::string text;
    for (const FrequencyFigureField& field : kFrequencyFigureFields) {
        text += field.name;
        text += '\t';
        appendNumber(text, figures.*field.value);
        text += '\n';
    }
    return text;
}

/// Says on standard error why the figures that print nan do not exist.
void reportMissingFigures(const FrequencyAnalysis& analysis, std::FILE* err) {
    const struct {
        const char* figures;
        const char* why;
    } notes[] = {{"ku and tu are", analysis.ultimatePointWhy},
                 {"gain_margin, gain_margin_db and phase_crossover_rad_s are", analysis.gainMarginWhy},
                 {"phase_margin_deg and crossover_rad_s are", analysis.phaseMarginWhy},
                 {"ms is", analysis.msWhy}};
    for (const auto& note : notes) {
        if (note.why != nullptr) {
            std::fprintf(err, "vorlint-cli freq: %s nan: %s\n", note.figures, note.why);
        }
    }
}

/// The gains a window has after `settings`.
PidGains gainsFrom(const std::vector<SimSetting>& settings) {
    const auto simulation = std::make_unique<CSimulation>();
    for (const SimSetting& setting : settings) {
        applySetting(*simulation, setting);
    }
    return {simulation->m_dKp, simulation->m_dKi, simulation->m_dKd};
}

/// What the command does once its options are read.
int runWithOptions(FreqOptions& options, const CliStreams& streams) {
    double setPoint = 0.0;
    const SimulationSetup setup = setupFrom(options.setupSettings, setPoint);
    FrequencyRequest request;
    request.operatingPoint = options.operatingPoint.value_or(TuningSetPoint(setPoint));
    request.points = static_cast<std::size_t>(options.points);

    const FrequencyAnalysis analysis = AnalyzeFrequency(setup, gainsFrom(options.gainSettings), request);
    if (analysis.noModelWhy != nullptr) {
        std::fprintf(streams.err, "vorlint-cli freq: %s\n", analysis.noModelWhy);
        return kExitFailure;
    }
    reportMissingFigures(analysis, streams.err);
    return writeOutput(streams, kCommand, figureLines(analysis.figures) + '\n' + BodeCsv(analysis.bode));
}

} // namespace

int RunFreqCommand(const Arguments& args, const CliStreams& streams) {
    return runCommand<FreqOptions>(kCommand, args, streams, parseFreqOptions, helpText(), runWithOptions);
}

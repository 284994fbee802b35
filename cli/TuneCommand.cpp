#include "TuneCommand.h"

#include "SettingsHelp.h"

#include "NumberText.h"
#include "SetupOptions.h"
#include "TuneOptions.h"

#include <cerrno>
#include <cstring>

namespace {

const char* const kCommand = "tune";

/// The help's column of descriptions.
constexpr std::size_t kHelpColumn = 28;

std::string helpText() {
    return "Usage: vorlint-cli tune --method relay|step [OPTIONS]\n"
           "Runs a tuning experiment headless on the plant, from rest (point 20, dynamics at rest), reads a\n"
           "model from it, and simulates every tuning rule's gains in closed loop from rest to the set "
           "point.\n"
           "Prints the model as NAME<TAB>VALUE lines (Ku and Tu for the relay; K, tau and theta for the "
           "step\n"
           "test), a blank line, then CSV: rule,kp,ki,kd,overshoot_pct,settling_time_s,iae.\n"
           "\n"
           "Gains are in this program's form, where Ki divides the integral: Kp = Kc, Ki = Ti / Kc (0 "
           "without\n"
           "integral action), Kd = Kc * Td. A rule that does not apply (no dead time) prints nan.\n"
           "After the model, 'warning<TAB>sampling-limited' when Tu is under 10 steps, and\n"
           "'warning<TAB>negative-dead-time' when the step test's fit found theta below 0 (theta prints 0;\n"
           "standard error names the rules that therefore do not apply).\n"
           "\n"
           "Experiments:\n"
           "  relay  the power switches between bias + h and bias - h as the point is below or above the "
           "set\n"
           "         point; after two cycles, four give Tu (mean period) and Ku = 4h / (pi a), a being half\n"
           "         the point's peak-to-peak range\n"
           "  step   the power steps from 0 to the step power until the point settles; K = dy / du and,\n"
           "         from the times of 28.3 % and 63.2 % of the change, tau = 1.5 (t63 - t28) and\n"
           "         theta = t63 - tau\n"
           "\n"
           "Options (defaults in brackets):\n"
           "  --method relay|step       the experiment (required)\n"
           "  --relay-bias X            the relay's middle power [50]\n"
           "  --relay-amplitude X       h, above 0 [50]\n"
           "  --relay-hysteresis X      no switch while |error| <= X [0]\n"
           "  --step-power X            the step test's power, above 0 [50]\n" +
           setPointHelp("the relay's set point and the predictions'; 0 means 1500 [0]", kHelpColumn) +
           setupOptionsHelp(kHelpColumn) +
           "  --help                    show this help\n"
           "\n"
           "An experiment gives up after 200000 steps. Exit status: 0 on success, 1 when the experiment "
           "gave\n"
           "no result or the output cannot be written, 2 on a usage error.\n";
}

const char* noResultReason(TuningMethod method) {
    return method == TuningMethod::Relay ? "the relay did not make the point oscillate"
                                         : "the point did not settle after the step";
}

std::string resultText(const TuningResult& result) {
    std::string text;
    for (const NamedValue& value : result.IdentifiedValues()) {
        text += value.name;
        text += '\t';
        appendNumber(text, value.value);
        text += '\n';
    }
    if (result.samplingLimited) {
        text += "warning\tsampling-limited\n";
    }
    if (result.model && result.model->FitFoundNegativeDeadTime()) {
        text += "warning\tnegative-dead-time\n";
    }
    text += "\nrule,kp,ki,kd,overshoot_pct,settling_time_s,iae\n";
    for (const RulePrediction& rule : result.rules) {
        text += rule.name;
        const StepResponseFigures& f = rule.response.figures;
        for (const double value :
             {rule.gains.kp, rule.gains.ki, rule.gains.kd, f.overshootPct, f.settlingTimeS, f.iae}) {
            text += ',';
            appendNumber(text, value);
        }
        text += '\n';
    }
    return text;
}

/// What the command does once its options are read.
int runWithOptions(TuneOptions& options, const CliStreams& streams) {
    double setPoint = 0.0;
    const SimulationSetup setup = setupFrom(options.setupSettings, setPoint);
    options.request.relay.setPoint = options.request.setPoint = TuningSetPoint(setPoint);

    const TuningResult result = RunTuning(setup, options.request);
    if (result.outcome != ExperimentOutcome::Finished) {
        std::fprintf(streams.err, "vorlint-cli tune: no result within %llu steps: %s\n",
                     static_cast<unsigned long long>(kMaxExperimentSteps),
                     noResultReason(options.request.method));
        return kExitFailure;
    }
    if (result.model && result.model->FitFoundNegativeDeadTime()) {
        std::string why = "vorlint-cli tune: the fit found a negative dead time, theta = ";
        appendNumber(why, result.model->fittedTheta, 4);
        why += " s, taken as 0, so these rules do not apply (nan): " + result.RulesThatDoNotApply() + "\n";
        std::fputs(why.c_str(), streams.err);
    }
    return writeOutput(streams, kCommand, resultText(result));
}

} // namespace

int RunTuneCommand(const Arguments& args, const CliStreams& streams) {
    return runCommand<TuneOptions>(kCommand, args, streams, parseTuneOptions, helpText(), runWithOptions);
}

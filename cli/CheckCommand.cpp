#include "CheckCommand.h"

#include "EventSchedule.h"
#include "NumberText.h"
#include "Simulation.h"
#include "VrlDocument.h"
#include "VrlFileText.h"

#include <memory>

namespace {

const char* const kCommand = "check";

const char* const kHelp =
    "Usage: vorlint-cli check FILE.vrl\n"
    "Grades an exercise file: runs each window of FILE from rest (point 20) with its settings, its own\n"
    "events and then the exercise's events, for the exercise's runS simulated seconds (ceil(runS / dt)\n"
    "steps), measures the window's latest step response and holds it to each check of the exercise.\n"
    "An event at atS applies before step round(atS / dt) + 1, events of one step in the order listed.\n"
    "\n"
    "Prints one line per window and check, tab-separated, no header:\n"
    "  window  figure  value  min  max  result\n"
    "windows numbered from 1 in the file's order; a check without \"window\" applies to every window;\n"
    "value, min and max as %.17g writes them ('nan' for a figure not defined), min or max empty when the\n"
    "check has none; result 'pass' when the value is within the limits, else 'fail' (also when it is\n"
    "not defined). The figures are those of 'vorlint-cli sim --metrics'.\n"
    "\n"
    "Options:\n"
    "  --help  show this help\n"
    "\n"
    "Exit status: 0 when every check passes, 1 when any fails or the output cannot be written, 2 on a\n"
    "usage error or a file that cannot be read, is not a Vorlint file, holds no exercise or no runS.\n";

/// What keeps the file at `path` from being graded; empty when nothing does.
std::string exerciseProblem(const std::string& path, VrlDocument& document) {
    std::string text;
    std::string problem;
    if (!readVrlFileText(path, text, problem) || !readVrlDocument(text, document, problem))
        return problem;
    if (!document.hasExercise)
        return "no exercise";
    if (!document.exercise.hasRunS)
        return "exercise.runS: missing";
    return "";
}

/// The file's windows and exercise; false after a message on `err`.
bool loadExercise(const std::string& path, VrlDocument& document, std::FILE* err) {
    const std::string problem = exerciseProblem(path, document);
    if (!problem.empty())
        std::fprintf(err, "vorlint-cli check: %s: %s\n", path.c_str(), problem.c_str());
    return problem.empty();
}

/// Runs one window as the exercise asks; false when its step time cannot reach runS (0 ms).
bool runWindow(const VrlWindowSetup& window, const Exercise& exercise, StepResponseFigures& figures) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    SettingTarget target{*simulation};
    for (const SettingChange& change : window.settings)
        applySetting(target, *change.row, change.value);
    const double dtS = CSimulation::StepSeconds(simulation->m_nSimStepMs);
    const std::uint64_t steps = stepsToRun(exercise.runS, dtS);
    if (steps == kNeverStep)
        return false;
    std::vector<ScheduledEvent> events = window.events;
    events.insert(events.end(), exercise.events.begin(), exercise.events.end());
    CEventSchedule schedule(events, dtS);
    for (std::uint64_t step = 1; step <= steps; ++step) {
        for (const SettingChange& change : schedule.TakeDue(step))
            applySetting(target, *change.row, change.value);
        simulation->Step();
    }
    figures = simulation->m_stepResponse.Figures();
    return true;
}

void appendLimit(std::string& line, bool present, double limit) {
    line += '\t';
    if (present)
        appendNumber(line, limit);
}

/// Appends the window's line for each check that applies to it; false when any fails.
bool appendCheckLines(std::string& out, std::size_t window, const StepResponseFigures& figures,
                      const std::vector<ExerciseCheck>& checks) {
    bool allPass = true;
    for (const ExerciseCheck& check : checks) {
        if (!check.AppliesTo(window))
            continue;
        const double value = check.Value(figures);
        out += std::to_string(window) + '\t' + kStepResponseFigureFields[check.figure].name + '\t';
        appendNumber(out, value);
        appendLimit(out, check.HasMin(), check.min);
        appendLimit(out, check.HasMax(), check.max);
        out += check.Passes(value) ? "\tpass\n" : "\tfail\n";
        allPass = allPass && check.Passes(value);
    }
    return allPass;
}

} // namespace

int RunCheckCommand(const Arguments& args, const CliStreams& streams) {
    if (args.size() == 1 && args[0] == "--help")
        return writeOutput(streams, kCommand, kHelp);
    if (args.size() != 1 || args[0].empty() || args[0].rfind("--", 0) == 0)
        return usageError(streams.err, kCommand, "expected one argument, the .vrl file");
    VrlDocument document;
    if (!loadExercise(args[0], document, streams.err))
        return kExitUsage;
    std::string out;
    bool allPass = true;
    for (std::size_t i = 0; i < document.windows.size(); ++i) {
        StepResponseFigures figures;
        if (!runWindow(document.windows[i], document.exercise, figures)) {
            std::fprintf(streams.err,
                         "vorlint-cli check: %s: window %zu: a step of 0 ms never reaches runS\n",
                         args[0].c_str(), i + 1);
            return kExitUsage;
        }
        allPass = appendCheckLines(out, i + 1, figures, document.exercise.checks) && allPass;
    }
    const int written = writeOutput(streams, kCommand, out);
    return written != kExitSuccess ? written : allPass ? kExitSuccess : kExitFailure;
}

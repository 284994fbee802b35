#include "CheckCommand.h"

#include "GradedRun.h"
#include "NumberText.h"
#include "VrlDocument.h"
#include "VrlFileText.h"

#include <cstdio>

namespace {

const char* const kCommand = "check";

const char* const kHelp =
    "Usage: vorlint-cli check FILE.vrl\n"
    "Grades an exercise file: runs each window of FILE from rest (point 20) with its settings, its own\n"
    "events and then the exercise's events, for the exercise's runS simulated seconds (ceil(runS / dt)\n"
    "steps), measures the window's latest step response and holds it to each check of the exercise.\n"
    "An event at atS applies before step round(atS / dt) + 1, events of one step in the order listed.\n"
    "A check with atS holds instead the response to the exercise's events at that time, from their\n"
    "step to the step before the exercise's next event (or the run's end): the step-response figures\n"
    "after a set-point change, the load-disturbance figures (peak_deviation, peak_deviation_time_s,\n"
    "recovery_time_s, iae, ise, itae) after a disturbance change under a set point that stays; a\n"
    "figure the response does not have is 'nan'.\n"
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
    "usage error or a file that cannot be read, is not a Vorlint file, holds no exercise or no runS, a\n"
    "run of more than 10000000 steps, or a plant formula that fails at a step of the run.\n";

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

void appendLimit(std::string& line, bool present, double limit) {
    line += '\t';
    if (present)
        appendNumber(line, limit);
}

/// Appends the window's line for each of its checks' grades; false when any fails.
bool appendCheckLines(std::string& out, std::size_t window, const std::vector<CheckGrade>& grades,
                      const std::vector<ExerciseCheck>& checks) {
    bool allPass = true;
    for (const CheckGrade& grade : grades) {
        const ExerciseCheck& check = checks[grade.check];
        out += std::to_string(window) + '\t' + check.FigureName() + '\t';
        appendNumber(out, grade.value);
        appendLimit(out, check.HasMin(), check.min);
        appendLimit(out, check.HasMax(), check.max);
        out += grade.passes ? "\tpass\n" : "\tfail\n";
        allPass = allPass && grade.passes;
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
        std::vector<CheckGrade> grades;
        const std::string problem = gradeWindow(document.windows[i], i + 1, document.exercise, grades);
        if (!problem.empty()) {
            std::fprintf(streams.err, "vorlint-cli check: %s: window %zu: %s\n", args[0].c_str(), i + 1,
                         problem.c_str());
            return kExitUsage;
        }
        allPass = appendCheckLines(out, i + 1, grades, document.exercise.checks) && allPass;
    }
    const int written = writeOutput(streams, kCommand, out);
    return written != kExitSuccess ? written : allPass ? kExitSuccess : kExitFailure;
}

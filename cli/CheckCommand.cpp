#include "CheckCommand.h"

#include "ClassGrading.h"
#include "GradeTable.h"

#include <cstdio>

namespace {

const char* const kCommand = "check";

const char* const kHelp =
    "Usage: vorlint-cli check [--header] FILE.vrl\n"
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
    "Prints one line per window and check, tab-separated:\n"
    "  window  figure  value  min  max  result\n"
    "windows numbered from 1 in the file's order; a check without \"window\" applies to every window;\n"
    "value, min and max as %.17g writes them ('nan' for a figure not defined), min or max empty when the\n"
    "check has none; result 'pass' when the value is within the limits, else 'fail' (also when it is\n"
    "not defined). The figures are those of 'vorlint-cli sim --metrics'.\n"
    "\n"
    "Options:\n"
    "  --header  print a header line first and the file as the first column of every line:\n"
    "              file  window  figure  value  min  max  result\n"
    "  --help    show this help\n"
    "\n"
    "Exit status: 0 when every check passes, 1 when any fails or the output cannot be written, 2 on a\n"
    "usage error or a file that cannot be read, is not a Vorlint file, holds no exercise or no runS, a\n"
    "run of more than 10000000 steps, or a plant formula that fails at a step of the run.\n";

} // namespace

int RunCheckCommand(const Arguments& args, const CliStreams& streams) {
    if (args.size() == 1 && args[0] == "--help")
        return writeOutput(streams, kCommand, kHelp);
    const bool header = !args.empty() && args[0] == "--header";
    const Arguments files(args.begin() + (header ? 1 : 0), args.end());
    if (files.size() != 1 || files[0].empty() || files[0].rfind("--", 0) == 0)
        return usageError(streams.err, kCommand,
                          "expected one argument, the .vrl file, after --header if any");
    const std::string& path = files[0];
    VrlDocument document;
    std::vector<GradedCheck> checks;
    std::string problem;
    if (!readExerciseFile(path, document, problem) || !gradeExercise(document, checks, problem)) {
        std::fprintf(streams.err, "vorlint-cli check: %s: %s\n", path.c_str(), problem.c_str());
        return kExitUsage;
    }
    std::string out = header ? "file\twindow\tfigure\tvalue\tmin\tmax\tresult\n" : "";
    bool allPass = true;
    for (const GradedCheck& check : checks) {
        out += (header ? path + '\t' : std::string()) + checkResultColumns(check);
        allPass = allPass && check.passes;
    }
    const int written = writeOutput(streams, kCommand, out);
    return written != kExitSuccess ? written : allPass ? kExitSuccess : kExitFailure;
}

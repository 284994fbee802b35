#include "GradeCommand.h"

#include "ClassGrading.h"
#include "GradeOptions.h"
#include "GradeTable.h"
#include "JobCount.h"
#include "OutputFile.h"
#include "ParallelRows.h"

#include <cerrno>
#include <cstring>

namespace {

const char* const kCommand = "grade";

const char* const kHelp =
    "Usage: vorlint-cli grade MASTER.vrl STUDENT.vrl... [--sheet FILE.csv] [--jobs N] [--no-header]\n"
    "Grades each student's file against the teacher's: the graded file is MASTER (its windows, plant,\n"
    "events and exercise, with the student's plant variant applied) with only the student's answer\n"
    "copied into each window (the control mode, Kp, Ki, Kd, the set-point weight, the derivative source\n"
    "and filter, the anti-windup and its tracking time, bumpless transfer). It runs as 'check' runs a\n"
    "file. Limits, plant and events in a student's file are never used; where they differ from the\n"
    "teacher's they are shown as 'changed'.\n"
    "\n"
    "Prints, tab-separated, after a header line:\n"
    "  file  student_id  student_name  window  figure  value  min  max  result\n"
    "one line per window and check (result 'pass' or 'fail', values as %.17g writes them); for a file\n"
    "that cannot be graded one line with result 'error' and the reason in the value column; then one\n"
    "line per setting or exercise field that differs from the teacher's, with the key in the figure\n"
    "column, the student's value, and result 'changed' (window '-' for the exercise's fields).\n"
    "\n"
    "Options:\n"
    "  --sheet FILE.csv  also write one CSV row per student file: file, student_id, student_name,\n"
    "                    checks_passed, checks, result (pass, fail or error), reason, then a column\n"
    "                    <figure>@<window> per check with the value to 6 significant digits\n"
    "  --jobs N          grade N files at once (the output stays in the arguments' order) [1]\n"
    "  --no-header       leave out the header line, so that several outputs concatenate\n"
    "  --help            show this help\n"
    "\n"
    "Exit status: 0 when every student passes every check, 1 when any check fails or an output cannot be\n"
    "written, 2 on a usage error, a teacher's file that cannot be graded, or any student's file that is\n"
    "an error (every file is graded first).\n";

bool writeAll(std::FILE* out, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

/// Grades every student's file, writing each one's lines in the arguments' order; false when the output
/// could not be written.
bool gradeClass(const GradeOptions& options, const VrlDocument& master, const CliStreams& streams,
                std::vector<StudentGrade>& grades) {
    grades.resize(options.students.size());
    if (options.header && !writeAll(streams.out, gradeHeaderLine()))
        return false;
    const auto makeRow = [&](std::uint64_t item, std::string& row) {
        grades[item] = gradeStudentFile(master, options.students[item]);
        row = gradeLines(grades[item]);
    };
    const auto write = [&](const std::string& rows) { return writeAll(streams.out, rows); };
    const unsigned jobs = threadsToRun(options.jobs, kCommand, streams.err);
    const RowsOutcome outcome = writeRowsInParallel(grades.size(), jobs, makeRow, write);
    if (outcome == RowsOutcome::OutOfMemory)
        throw std::bad_alloc();
    return outcome == RowsOutcome::Written && std::fflush(streams.out) == 0;
}

bool writeSheet(const std::string& path, const std::vector<StudentGrade>& grades, const CliStreams& streams) {
    COutputFile file;
    std::string sheet = gradeSheet(grades);
    if (file.Open(path, streams.out) && file.Write(sheet) && file.Complete() && file.Commit())
        return true;
    std::fprintf(streams.err, "vorlint-cli grade: %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

int exitStatus(const std::vector<StudentGrade>& grades) {
    int status = kExitSuccess;
    for (const StudentGrade& grade : grades) {
        if (!grade.Graded())
            return kExitUsage;
        if (grade.Passed() != grade.checks.size())
            status = kExitFailure;
    }
    return status;
}

/// What the command does once its options are read.
int runWithOptions(GradeOptions& options, const CliStreams& streams) {
    std::string error;
    VrlDocument master;
    if (!readExerciseFile(options.master, master, error)) {
        std::fprintf(streams.err, "vorlint-cli grade: %s: %s\n", options.master.c_str(), error.c_str());
        return kExitUsage;
    }
    std::vector<StudentGrade> grades;
    if (!gradeClass(options, master, streams, grades)) {
        std::fprintf(streams.err, "vorlint-cli grade: standard output: %s\n", std::strerror(errno));
        return kExitFailure;
    }
    const int status = exitStatus(grades);
    if (!options.sheet.empty() && !writeSheet(options.sheet, grades, streams))
        return status == kExitUsage ? kExitUsage : kExitFailure;
    return status;
}

} // namespace

int RunGradeCommand(const Arguments& args, const CliStreams& streams) {
    return runCommand<GradeOptions>(kCommand, args, streams, parseGradeOptions, kHelp, runWithOptions);
}

#include "HandoutCommand.h"

#include "ClassGrading.h"
#include "Roster.h"
#include "VrlFileText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kCommand = "handout";

const char* const kHelp =
    "Usage: vorlint-cli handout MASTER.vrl ROSTER.csv OUTDIR\n"
    "Writes each student's copy of the teacher's exercise file: OUTDIR/<id>.vrl is MASTER with the\n"
    "student's plant variant applied (the exercise's variantSeed and variants), \"student\" holding the\n"
    "student's name and id, and the exercise marked \"locked\". OUTDIR is made when missing.\n"
    "\n"
    "ROSTER is a CSV file whose header names an 'id' and a 'name' column (others are ignored). An id\n"
    "names its student's file: 1 to 200 letters, digits, '.', '_' or '-', each id once.\n"
    "\n"
    "A locked exercise deters a student from changing it; it does not protect it. Grade with\n"
    "'vorlint-cli grade MASTER.vrl STUDENT.vrl...', which takes only the answer from a student's file.\n"
    "\n"
    "Options:\n"
    "  --help  show this help\n"
    "\n"
    "Exit status: 0 when every file was written, 1 when one could not be, 2 on a usage error, a file that\n"
    "cannot be read, a roster with a bad or repeated id, or a student's file that already exists\n"
    "(nothing is written then: an existing file is never replaced).\n";

int failWith(const CliStreams& streams, const std::string& path, const std::string& problem, int status) {
    std::fprintf(streams.err, "vorlint-cli handout: %s: %s\n", path.c_str(), problem.c_str());
    return status;
}

bool makeFolder(const std::string& path, std::string& problem) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return true;
    if (mkdir(path.c_str(), 0777) == 0)
        return true;
    problem = std::strerror(errno);
    return false;
}

std::string studentFile(const std::string& folder, const RosterStudent& student) {
    return folder + (folder.back() == '/' ? "" : "/") + student.id + ".vrl";
}

/// The first student's file that exists already, or empty.
std::string existingFile(const std::string& folder, const std::vector<RosterStudent>& students) {
    for (const RosterStudent& student : students) {
        struct stat info {};
        const std::string path = studentFile(folder, student);
        if (lstat(path.c_str(), &info) == 0)
            return path;
    }
    return "";
}

/// Writes `text` to a new file at `path`, never over an existing one (O_EXCL holds that even against
/// another program making the file meanwhile); a file that could not be written whole is removed.
bool writeNewFile(const std::string& path, const std::string& text, std::string& problem) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        problem = std::strerror(errno);
        return false;
    }
    int error = 0;
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
        else if (errno != EINTR)
            error = wrote == 0 ? EIO : errno;
    }
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return true;
    problem = std::strerror(error);
    unlink(path.c_str());
    return false;
}

/// Writes every student's file; when one fails, removes those written before it, so that a run leaves
/// all the files or none.
bool writeStudentFiles(const VrlDocument& master, const std::string& folder,
                       const std::vector<RosterStudent>& students, std::string& failed,
                       std::string& problem) {
    for (std::size_t i = 0; i < students.size(); ++i) {
        failed = studentFile(folder, students[i]);
        std::string text;
        if (handoutFileText(master, students[i].id, students[i].name, text, problem) &&
            writeNewFile(failed, text, problem))
            continue;
        for (std::size_t written = 0; written < i; ++written)
            unlink(studentFile(folder, students[written]).c_str());
        return false;
    }
    return true;
}

int handOut(const Arguments& args, const CliStreams& streams) {
    VrlDocument master;
    std::string problem;
    if (!readExerciseFile(args[0], master, problem))
        return failWith(streams, args[0], problem, kExitUsage);
    std::string roster;
    std::vector<RosterStudent> students;
    if (!readVrlFileText(args[1], roster, problem) || !readRoster(roster, students, problem))
        return failWith(streams, args[1], problem, kExitUsage);
    const std::string& folder = args[2];
    if (!makeFolder(folder, problem))
        return failWith(streams, folder, problem, kExitUsage);
    const std::string existing = existingFile(folder, students);
    if (!existing.empty())
        return failWith(streams, existing, "exists already; nothing was written", kExitUsage);
    std::string failed;
    if (!writeStudentFiles(master, folder, students, failed, problem))
        return failWith(streams, failed, problem + "; no student's file was kept", kExitFailure);
    return kExitSuccess;
}

} // namespace

int RunHandoutCommand(const Arguments& args, const CliStreams& streams) {
    if (args.size() == 1 && args[0] == "--help")
        return writeOutput(streams, kCommand, kHelp);
    for (const std::string& arg : args) {
        if (arg.empty() || arg.rfind("--", 0) == 0)
            return usageError(streams.err, kCommand, "unexpected argument '" + arg + "'");
    }
    if (args.size() != 3)
        return usageError(streams.err, kCommand, "expected MASTER.vrl, ROSTER.csv and OUTDIR");
    return handOut(args, streams);
}

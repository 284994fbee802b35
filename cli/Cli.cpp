#include "Cli.h"

#include "CheckCommand.h"
#include "EvalCommand.h"
#include "FreqCommand.h"
#include "GradeCommand.h"
#include "HandoutCommand.h"
#include "SimCommand.h"
#include "SweepCommand.h"
#include "TuneCommand.h"
#include "VorlintIdentity.h"

#include <cstdio>
#include <new>
#include <string_view>

namespace {

const char* const kHelp = "Usage: vorlint-cli COMMAND [OPTIONS]\n"
                          "Vorlint's expression engine and simulation without a window.\n"
                          "\n"
                          "Commands:\n"
                          "  eval     evaluate formulas and print their status and value\n"
                          "  sim      run a simulation and print its history as CSV\n"
                          "  tune     run a relay or step-test experiment and print the tuning rules' gains\n"
                          "  sweep    run every combination of gain ranges and print the response figures\n"
                          "  freq     linearise the loop and print its margins and Bode curves\n"
                          "  check    grade an exercise file: run its windows and print its checks\n"
                          "  grade    grade students' files against the teacher's exercise file\n"
                          "  handout  write each student's copy of an exercise file\n"
                          "\n"
                          "Options:\n"
                          "  --help     show this help\n"
                          "  --version  show the version\n"
                          "\n"
                          "'vorlint-cli COMMAND --help' describes a command's options.\n"
                          "\n"
                          "The data files constants.dat and units.dat are read from the working directory,\n"
                          "else from $XDG_DATA_HOME/vorlint (~/.local/share/vorlint), else from the\n"
                          "installation's share/vorlint.\n";

int runCommand(const Arguments& args, const CliStreams& streams) {
    if (args.empty()) {
        return usageError(streams.err, "",
                          "missing command (eval, sim, tune, sweep, freq, check, grade or handout)");
    }
    const std::string& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (command == "eval") {
        return RunEvalCommand(rest, streams);
    }
    if (command == "sim") {
        return RunSimCommand(rest, streams);
    }
    if (command == "tune") {
        return RunTuneCommand(rest, streams);
    }
    if (command == "sweep") {
        return RunSweepCommand(rest, streams);
    }
    if (command == "freq") {
        return RunFreqCommand(rest, streams);
    }
    if (command == "check") {
        return RunCheckCommand(rest, streams);
    }
    if (command == "grade") {
        return RunGradeCommand(rest, streams);
    }
    if (command == "handout") {
        return RunHandoutCommand(rest, streams);
    }
    if (command == "--help") {
        return writeOutput(streams, "", kHelp);
    }
    if (command == "--version") {
        return writeOutput(streams, "", "vorlint-cli " VORLINT_VERSION "\n");
    }
    return usageError(streams.err, "",
                      "unknown command '" + command +
                          "' (eval, sim, tune, sweep, freq, check, grade or handout)");
}

/// Runs `command` and turns running out of memory into a message (which allocates nothing) and
/// kExitFailure. What the command wrote before stays written.
template <typename Command>
int reportingOutOfMemory(const char* commandName, std::FILE* err, Command command) {
    try {
        return command();
    } catch (const std::bad_alloc&) {
        std::fprintf(err, "vorlint-cli%s%s: out of memory\n", *commandName == '\0' ? "" : " ", commandName);
        return kExitFailure;
    }
}

/// The command's name for messages, empty for a command that does not exist.
const char* commandName(const char* argument) {
    for (const char* known : {"eval", "sim", "tune", "sweep", "freq", "check", "grade", "handout"}) {
        if (std::string_view(argument) == known) {
            return known;
        }
    }
    return "";
}

} // namespace

int RunCli(const Arguments& args, const CliStreams& streams) {
    const char* name = args.empty() ? "" : commandName(args[0].c_str());
    return reportingOutOfMemory(name, streams.err, [&] { return runCommand(args, streams); });
}

int RunCli(int argc, char** argv, const CliStreams& streams) {
    const char* name = argc > 1 ? commandName(argv[1]) : "";
    return reportingOutOfMemory(name, streams.err, [&] {
        return runCommand(Arguments(argv + (argc > 0 ? 1 : 0), argv + argc), streams);
    });
}

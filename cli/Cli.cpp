#include "Cli.h"

#include "EvalCommand.h"
#include "SimCommand.h"
#include "SweepCommand.h"
#include "TuneCommand.h"

namespace {

const char* const kHelp = "Usage: vorlint-cli COMMAND [OPTIONS]\n"
                          "Vorlint's expression engine and simulation without a window.\n"
                          "\n"
                          "Commands:\n"
                          "  eval  evaluate formulas and print their status and value\n"
                          "  sim   run a simulation and print its history as CSV\n"
                          "  tune  run a relay or step-test experiment and print the tuning rules' gains\n"
                          "  sweep run every combination of gain ranges and print the response figures\n"
                          "\n"
                          "'vorlint-cli COMMAND --help' describes a command's options.\n";

} // namespace

int RunCli(const Arguments& args, const CliStreams& streams) {
    if (args.empty()) {
        return usageError(streams.err, "", "missing command (eval, sim, tune or sweep)");
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
    if (command == "--help") {
        return printHelp(streams.out, kHelp);
    }
    return usageError(streams.err, "", "unknown command '" + command + "' (eval, sim, tune or sweep)");
}

#include "Cli.h"

#include "EvalCommand.h"
#include "SimCommand.h"

namespace {

const char* const kHelp = "Usage: vorlint-cli COMMAND [OPTIONS]\n"
                          "Vorlint's expression engine and simulation without a window.\n"
                          "\n"
                          "Commands:\n"
                          "  eval  evaluate formulas and print their status and value\n"
                          "  sim   run a simulation and print its history as CSV\n"
                          "\n"
                          "'vorlint-cli COMMAND --help' describes a command's options.\n"
                          "\n"
                          "The data files constants.dat and units.dat are read from the working directory,\n"
                          "else from $XDG_DATA_HOME/vorlint (~/.local/share/vorlint), else from the\n"
                          "installation's share/vorlint.\n";

} // namespace

int RunCli(const Arguments& args, const CliStreams& streams) {
    if (args.empty()) {
        return usageError(streams.err, "", "missing command (eval or sim)");
    }
    const std::string& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (command == "eval") {
        return RunEvalCommand(rest, streams);
    }
    if (command == "sim") {
        return RunSimCommand(rest, streams);
    }
    if (command == "--help") {
        return printHelp(streams.out, kHelp);
    }
    return usageError(streams.err, "", "unknown command '" + command + "' (eval or sim)");
}

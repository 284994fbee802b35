#include "CommandLine.h"
#include "DataSearch.h"
#include "EvalCommand.h"
#include "SimCommand.h"

#include <clocale>

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

int main(int argc, char** argv) {
    // Run in the user's locale, as the application does: the commands must read and print numbers
    // the same way whatever it is.
    std::setlocale(LC_ALL, "");
    searchDataFilesFor(argc > 0 ? argv[0] : nullptr);

    const Arguments args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        return usageError("", "missing command (eval or sim)");
    }
    const std::string& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (command == "eval") {
        return RunEvalCommand(rest);
    }
    if (command == "sim") {
        return RunSimCommand(rest);
    }
    if (command == "--help") {
        return printHelp(kHelp);
    }
    return usageError("", "unknown command '" + command + "' (eval or sim)");
}

#include "CommandLine.h"
#include "EvalCommand.h"
#include "SimCommand.h"
#include "VorlintIdentity.h"

#include <clocale>
#include <cstdio>

namespace {

const char* const kHelp = "Usage: vorlint-cli COMMAND [OPTIONS]\n"
                          "Vorlint's expression engine and simulation without a window.\n"
                          "\n"
                          "Commands:\n"
                          "  eval  evaluate formulas and print their status and value\n"
                          "  sim   run a simulation and print its history as CSV\n"
                          "\n"
                          "Options:\n"
                          "  --help     show this help\n"
                          "  --version  show the version\n"
                          "\n"
                          "'vorlint-cli COMMAND --help' describes a command's options.\n";

} // namespace

int main(int argc, char** argv) {
    // Run in the user's locale, as the application does: the commands must read and print numbers
    // the same way whatever it is.
    std::setlocale(LC_ALL, "");

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
    if (command == "--version") {
        std::puts("vorlint-cli " VORLINT_VERSION);
        return kExitSuccess;
    }
    return usageError("", "unknown command '" + command + "' (eval or sim)");
}

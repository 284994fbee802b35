#include "CommandLine.h"

#include <cstdio>

int usageError(const char* command, const std::string& message) {
    const std::string program = *command == '\0' ? "vorlint-cli" : std::string("vorlint-cli ") + command;
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program.c_str(), message.c_str(), program.c_str());
    return kExitUsage;
}

bool takeOptionValue(const Arguments& args, std::size_t& index, std::string& value) {
    if (index + 1 >= args.size()) {
        return false;
    }
    value = args[++index];
    return true;
}

int printHelp(const char* text) {
    std::fputs(text, stdout);
    return kExitSuccess;
}

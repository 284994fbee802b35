#include "CommandLine.h"

int usageError(std::FILE* err, const char* command, const std::string& message) {
    const std::string program = *command == '\0' ? "vorlint-cli" : std::string("vorlint-cli ") + command;
    std::fprintf(err, "%s: %s\nTry '%s --help'.\n", program.c_str(), message.c_str(), program.c_str());
    return kExitUsage;
}

bool takeOptionValue(const Arguments& args, std::size_t& index, std::string& value) {
    if (index + 1 >= args.size()) {
        return false;
    }
    value = args[++index];
    return true;
}

int printHelp(std::FILE* out, const char* text) {
    std::fputs(text, out);
    return kExitSuccess;
}

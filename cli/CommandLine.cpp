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

bool parseOptionPairs(const Arguments& args, const std::function<bool(const std::string&)>& takesValue,
                      const OptionHandler& handle, bool& help, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            error = "unexpected argument '" + arg + "'";
            return false;
        }
        if (!takesValue(arg)) {
            error = "unknown option '" + arg + "'";
            return false;
        }
        std::string value;
        if (!takeOptionValue(args, i, value)) {
            error = arg + " needs a value";
            return false;
        }
        if (!handle(arg, value, error)) {
            return false;
        }
    }
    return true;
}

#include "CommandLine.h"

#include "QuotedValue.h"

#include <cerrno>
#include <cstring>

namespace {

/// "vorlint-cli COMMAND", or "vorlint-cli" for an empty `command`.
std::string programName(const char* command) {
    return *command == '\0' ? "vorlint-cli" : std::string("vorlint-cli ") + command;
}

} // namespace

int usageError(std::FILE* err, const char* command, const std::string& message) {
    const std::string program = programName(command);
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

int writeOutput(const CliStreams& streams, const char* command, const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), streams.out) == text.size() &&
        std::fflush(streams.out) == 0) {
        return kExitSuccess;
    }
    std::fprintf(streams.err, "%s: standard output: %s\n", programName(command).c_str(),
                 std::strerror(errno));
    return kExitFailure;
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
            error = "unexpected argument " + quoted(arg);
            return false;
        }
        if (!takesValue(arg)) {
            error = "unknown option " + quoted(arg);
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

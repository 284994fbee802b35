#pragma once

#include "CliStreams.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

/// Exit statuses shared by every command.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

using Arguments = std::vector<std::string>;

/// Writes "vorlint-cli COMMAND: MESSAGE" (COMMAND may be empty) and a pointer to the help to `err`;
/// returns kExitUsage.
int usageError(std::FILE* err, const char* command, const std::string& message);

/// Takes the value that follows the option at args[index], moving index onto it. False when the option
/// is the last argument.
bool takeOptionValue(const Arguments& args, std::size_t& index, std::string& value);

/// Writes `text` to the output stream (a command's result, or the --help and --version answer) and
/// returns kExitSuccess, or, when it cannot be written, says so on the error stream and returns
/// kExitFailure.
int writeOutput(const CliStreams& streams, const char* command, const std::string& text);

/// Handles one option and its value: false with the reason in `error` on a bad value.
using OptionHandler =
    std::function<bool(const std::string& option, const std::string& value, std::string& error)>;

/// Reads `args` as "--NAME VALUE" pairs, where `takesValue` says which options exist, and "--help",
/// which sets `help`. False with the reason in `error` on an unknown option, a missing value, or a value
/// `handle` refused.
bool parseOptionPairs(const Arguments& args, const std::function<bool(const std::string&)>& takesValue,
                      const OptionHandler& handle, bool& help, std::string& error);

/// What every command with options does before its work: reads them with `parse`, answers a usage
/// error on standard error and --help with `help` on standard output, and otherwise runs
/// `body(options, streams)`, whose status it returns.
template <typename Options, typename Parse, typename Body>
int runCommand(const char* command, const Arguments& args, const CliStreams& streams, Parse parse,
               const std::string& help, Body body) {
    Options options;
    std::string error;
    if (!parse(args, options, error))
        return usageError(streams.err, command, error);
    if (options.help)
        return writeOutput(streams, command, help);
    return body(options, streams);
}

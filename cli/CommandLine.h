#pragma once

#include <cstddef>
#include <cstdio>
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

/// Writes `text` to `out` and returns kExitSuccess (the --help answer).
int printHelp(std::FILE* out, const char* text);

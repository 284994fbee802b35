#pragma once

#include <string>
#include <vector>

/// What one run of the built vorlint-cli left behind.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs `command` (the program, looked up in PATH, then its arguments), feeding `input` to its standard
/// input, in the working directory.
CliRun runCommand(const std::vector<std::string>& command, const std::string& input = std::string());

/// Runs vorlint-cli with `args`, feeding `input` to its standard input, in the working directory
/// (which holds no data files).
CliRun runCli(const std::vector<std::string>& args, const std::string& input = std::string());

/// The lines of `text` without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

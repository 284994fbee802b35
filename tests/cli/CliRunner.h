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
/// input, in the working directory. A run still going after `timeoutSeconds` is killed and has status -1.
CliRun runCommand(const std::vector<std::string>& command, const std::string& input = std::string(),
                  int timeoutSeconds = 600);

/// Runs vorlint-cli with `args`, feeding `input` to its standard input, in the working directory
/// (which holds no data files). A run still going after `timeoutSeconds` is killed and has status -1.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = std::string(),
              int timeoutSeconds = 600);

/// The lines of `text` without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

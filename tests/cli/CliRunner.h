#pragma once

#include <string>
#include <vector>

/// What one run of the built vorlint-cli left behind.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs vorlint-cli with `args`, feeding `input` to its standard input, in the working directory
/// (which holds no data files). A run still going after `timeoutSeconds` is killed and has status -1.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = std::string(),
              int timeoutSeconds = 600);

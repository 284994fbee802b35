#pragma once

#include "CommandLine.h"
#include "VariableValue.h"

#include <optional>
#include <string>
#include <vector>

/// What `vorlint-cli eval` was asked to do.
struct EvalOptions {
    std::vector<VariableValue> bindings; ///< in the order given, searched in that order
    bool degrees = false;
    bool decimalComma = false;
    bool trace = false;
    bool sameEngine = false;
    bool help = false;
    std::optional<std::string> formula; ///< none: the formulas are the lines of the input
};

/// Reads the arguments after "eval"; false with the reason in `error` on a usage error.
bool parseEvalOptions(const Arguments& args, EvalOptions& options, std::string& error);

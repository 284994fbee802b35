#include "EvalOptions.h"

#include "NumberText.h"
#include "QuotedValue.h"

namespace {

bool parseBinding(const std::string& text, VariableValue& binding) {
    const auto equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        return false;
    }
    binding.name = text.substr(0, equals);
    return parseNumber(text.substr(equals + 1), binding.value);
}

/// Handles --bind and its value at args[i]; false with `error` set on a bad or missing value.
bool takeBinding(const Arguments& args, std::size_t& i, EvalOptions& options, std::string& error) {
    std::string text;
    VariableValue binding;
    if (!takeOptionValue(args, i, text)) {
        error = "--bind needs NAME=VALUE";
        return false;
    }
    if (!parseBinding(text, binding)) {
        error = "bad binding '" + text + "': expected NAME=VALUE with a number";
        return false;
    }
    options.bindings.push_back(binding);
    return true;
}

/// The switch an option without a value sets, or nullptr for an option eval does not know.
bool* flagOf(const std::string& option, EvalOptions& options) {
    if (option == "--degrees") {
        return &options.degrees;
    }
    if (option == "--decimal-comma") {
        return &options.decimalComma;
    }
    if (option == "--trace") {
        return &options.trace;
    }
    if (option == "--same-engine") {
        return &options.sameEngine;
    }
    if (option == "--help") {
        return &options.help;
    }
    return nullptr;
}

} // namespace

bool parseEvalOptions(const Arguments& args, EvalOptions& options, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Options begin with "--": a lone "-" is a formula.
        const bool isOption = !optionsEnded && arg.rfind("--", 0) == 0;
        if (!isOption) {
            if (options.formula) {
                error = "more than one formula given (quote the formula)";
                return false;
            }
            options.formula = arg;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--bind") {
            if (!takeBinding(args, i, options, error)) {
                return false;
            }
        } else if (bool* flag = flagOf(arg, options)) {
            *flag = true;
        } else {
            error = "unknown option " + quoted(arg);
            return false;
        }
    }
    return true;
}

#include "EvalCommand.h"

#include "EquationEngine.h"
#include "ErrorTables.h"
#include "NumberText.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

namespace {

const char* const kCommand = "eval";

const char* const kHelp =
    "Usage: vorlint-cli eval [OPTIONS] [FORMULA]\n"
    "Evaluates FORMULA, or each line of standard input when no FORMULA is given, and prints\n"
    "'0<TAB>VALUE' on success or 'CODE<TAB>MESSAGE' on failure, one line per formula.\n"
    "\n"
    "Options:\n"
    "  --bind NAME=VALUE  bind a name to a number (repeatable, searched in the order given)\n"
    "  --degrees          trigonometric functions take degrees\n"
    "  --decimal-comma    formulas use ',' as the decimal mark\n"
    "  --trace            print the trace after each result, every line prefixed by '| '\n"
    "  --same-engine      evaluate every formula on one engine (default: a new engine each)\n"
    "  --help             show this help\n"
    "  --                 end of options (for a formula that begins with '--')\n"
    "\n"
    "Exit status: 0 when every formula succeeded, 1 when any failed, 2 on a usage error.\n";

struct EvalOptions {
    std::vector<VariableValue> bindings;
    bool degrees = false;
    bool decimalComma = false;
    bool trace = false;
    bool sameEngine = false;
    bool help = false;
    std::optional<std::string> formula;
};

bool parseBinding(const std::string& text, VariableValue& binding) {
    const auto equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        return false;
    }
    binding.name = text.substr(0, equals);
    return parseNumber(text.substr(equals + 1), binding.value);
}

/// Returns kExitSuccess, or the usage error's status after reporting it.
int parseEvalOptions(const Arguments& args, EvalOptions& options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.rfind("--", 0) == 0;
        if (!isOption) {
            if (options.formula) {
                return usageError(kCommand, "more than one formula given (quote the formula)");
            }
            options.formula = arg;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--bind") {
            std::string text;
            VariableValue binding;
            if (!takeOptionValue(args, i, text)) {
                return usageError(kCommand, "--bind needs NAME=VALUE");
            }
            if (!parseBinding(text, binding)) {
                return usageError(kCommand, "bad binding '" + text + "': expected NAME=VALUE with a number");
            }
            options.bindings.push_back(binding);
        } else if (arg == "--degrees") {
            options.degrees = true;
        } else if (arg == "--decimal-comma") {
            options.decimalComma = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--same-engine") {
            options.sameEngine = true;
        } else if (arg == "--help") {
            options.help = true;
        } else {
            return usageError(kCommand, "unknown option '" + arg + "'");
        }
    }
    return kExitSuccess;
}

/// The message of a code from the table of the step that produced it; the two tables' codes do not
/// overlap, so the code alone tells which.
const char* messageOf(int code) {
    const char* message = equationErrorMessage(code);
    if (message == nullptr) {
        message = runtimeErrorMessage(code);
    }
    return message == nullptr ? "" : message;
}

void appendTrace(std::string& out, const std::string& trace) {
    std::size_t lineStart = 0;
    while (lineStart < trace.size()) {
        const auto lineEnd = trace.find('\n', lineStart);
        const auto next = lineEnd == std::string::npos ? trace.size() : lineEnd + 1;
        out += "| ";
        out.append(trace, lineStart, next - lineStart);
        lineStart = next;
    }
    if (!out.empty() && out.back() != '\n') {
        out += '\n';
    }
}

class FormulaEvaluator {
public:
    explicit FormulaEvaluator(const EvalOptions& options) : m_options(options) {
        if (options.sameEngine) {
            m_sharedEngine = std::make_unique<EquationEngine>();
            configure(*m_sharedEngine);
        }
    }

    /// Evaluates one formula, prints its line (and trace), and returns the engine's status.
    int evaluate(const std::string& formula) {
        if (m_sharedEngine) {
            return evaluateOn(*m_sharedEngine, formula);
        }
        EquationEngine engine;
        configure(engine);
        return evaluateOn(engine, formula);
    }

private:
    void configure(EquationEngine& engine) const {
        engine.angleMode = m_options.degrees ? 1 : 0;
        engine.decimalComma = m_options.decimalComma ? 1 : 0;
    }

    int evaluateOn(EquationEngine& engine, const std::string& formula) {
        const CurrentEngineScope scope(engine);
        double result = 0.0;
        const int code = engine.Evaluate(formula, m_options.bindings, result);
        m_line.clear();
        if (code == 0) {
            m_line += "0\t";
            appendNumber(m_line, result);
        } else {
            m_line += std::to_string(code);
            m_line += '\t';
            m_line += messageOf(code);
        }
        m_line += '\n';
        if (m_options.trace) {
            appendTrace(m_line, engine.TraceText());
        }
        std::fwrite(m_line.data(), 1, m_line.size(), stdout);
        return code;
    }

    const EvalOptions& m_options;
    std::unique_ptr<EquationEngine> m_sharedEngine;
    std::string m_line;
};

} // namespace

int RunEvalCommand(const Arguments& args) {
    EvalOptions options;
    if (const int status = parseEvalOptions(args, options); status != kExitSuccess) {
        return status;
    }
    if (options.help) {
        return printHelp(kHelp);
    }

    FormulaEvaluator evaluator(options);
    bool anyFailed = false;
    if (options.formula) {
        anyFailed = evaluator.evaluate(*options.formula) != 0;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            anyFailed = evaluator.evaluate(line) != 0 || anyFailed;
        }
    }
    if (std::fflush(stdout) != 0) {
        std::perror("vorlint-cli eval: standard output");
        return kExitFailure;
    }
    return anyFailed ? kExitFailure : kExitSuccess;
}

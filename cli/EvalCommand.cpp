#include "EvalCommand.h"

#include "EngineLimits.h"
#include "EngineModes.h"
#include "EquationEngine.h"
#include "ErrorTables.h"
#include "EvalOptions.h"
#include "LineInput.h"
#include "NumberText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

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

class CFormulaEvaluator {
public:
    CFormulaEvaluator(const EvalOptions& options, std::FILE* out) : m_options(options), m_pOut(out) {
        if (options.sameEngine) {
            m_pSharedEngine = std::make_unique<EquationEngine>();
            Configure(*m_pSharedEngine);
        }
    }

    /// Evaluates one formula, prints its line (and trace), and returns the engine's status.
    int Evaluate(const std::string& formula) {
        if (m_pSharedEngine) {
            return EvaluateOn(*m_pSharedEngine, formula);
        }
        EquationEngine engine;
        Configure(engine);
        return EvaluateOn(engine, formula);
    }

private:
    void Configure(EquationEngine& engine) const {
        engine.angleMode = m_options.degrees ? kDegrees : kRadians;
        engine.decimalComma = m_options.decimalComma ? 1 : 0;
    }

    int EvaluateOn(EquationEngine& engine, const std::string& formula) {
        const CurrentEngineScope scope(engine);
        double result = 0.0;
        const int code = engine.Evaluate(formula, m_options.bindings, result);
        m_strLine.clear();
        if (code == 0) {
            m_strLine += "0\t";
            appendNumber(m_strLine, result);
        } else {
            m_strLine += std::to_string(code);
            m_strLine += '\t';
            m_strLine += errorMessage(code);
        }
        m_strLine += '\n';
        if (m_options.trace) {
            appendTrace(m_strLine, engine.TraceText());
        }
        std::fwrite(m_strLine.data(), 1, m_strLine.size(), m_pOut);
        return code;
    }

    const EvalOptions& m_options;
    std::FILE* m_pOut;
    std::unique_ptr<EquationEngine> m_pSharedEngine;
    std::string m_strLine;
};

/// Evaluates each line of the input. A line longer than any formula the engine takes is cut one
/// character past that length, which the engine refuses as too long, and the rest of it is dropped.
/// False, after a message, when the input cannot be read.
bool evaluateLines(CFormulaEvaluator& evaluator, const CliStreams& streams, bool& anyFailed) {
    std::string line;
    LineRead read = LineRead::End;
    while ((read = readLine(streams.in, kMaxFormulaLength + 1, line)) == LineRead::Line) {
        anyFailed = evaluator.Evaluate(line) != 0 || anyFailed;
    }
    if (read == LineRead::Error) {
        const int error = errno;
        std::fflush(streams.out);
        std::fprintf(streams.err, "vorlint-cli eval: standard input: %s\n", std::strerror(error));
        return false;
    }
    return true;
}

/// What the command does once its options are read.
int runWithOptions(EvalOptions& options, const CliStreams& streams) {
    CFormulaEvaluator evaluator(options, streams.out);
    bool anyFailed = false;
    if (options.formula) {
        anyFailed = evaluator.Evaluate(*options.formula) != 0;
    } else if (!evaluateLines(evaluator, streams, anyFailed)) {
        return kExitFailure;
    }
    if (std::fflush(streams.out) != 0) {
        std::fprintf(streams.err, "vorlint-cli eval: standard output: %s\n", std::strerror(errno));
        return kExitFailure;
    }
    return anyFailed ? kExitFailure : kExitSuccess;
}

} // namespace

int RunEvalCommand(const Arguments& args, const CliStreams& streams) {
    return runCommand<EvalOptions>(kCommand, args, streams, parseEvalOptions, kHelp, runWithOptions);
}

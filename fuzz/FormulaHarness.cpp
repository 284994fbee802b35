#include "EngineChecks.h"
#include "Harnesses.h"
#include "WorkingDirectory.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace fuzz;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// The values the plant-formula dialog binds, as every fresh engine in the program gets them.
const std::vector<VariableValue> kDialogBindings = {{"p", 2.0}, {"t", 3.0}, {"dt", 5.0}};

// Bindings the long-lived engine draws from: the two callers' sets, none, hostile values, and
// names that hide the seeded variables or are odd.
const std::vector<VariableValue> kBindingSets[] = {
    kDialogBindings,
    {{"p", 20.0}, {"t", 0.0}, {"dt", 0.1}},
    {},
    {{"p", kNan}, {"t", kInf}, {"dt", 0.0}},
    {{"p", -0.0}, {"t", 1e308}, {"dt", 5e-324}},
    {{"pi", 3.0}, {"x", -1.0}, {"n", 0.0}, {"e", kNan}},
    {{"k", 1.0}, {"-p", 1.0}, {"", 2.0}, {"p", -kInf}},
};
constexpr std::size_t kBindingSetCount = sizeof kBindingSets / sizeof kBindingSets[0];

constexpr const char* kDecimalCommaLocale = "pt_BR.UTF-8";

constexpr std::size_t kMaxSessionFormulas = 8;
// A long-lived engine is replaced now and then, so that the variables a stream of inputs assigns
// cannot grow without bound and slow every later lookup.
constexpr int kInputsPerLongLivedEngine = 5000;
constexpr std::size_t kMaxLongLivedVariables = 500;

struct SessionOptions {
    int angleMode;
    int decimalComma;
    const std::vector<VariableValue>* bindings;
};

SessionOptions optionsFrom(std::uint8_t choice) {
    return {choice % 3, (choice / 3) % 2, &kBindingSets[(choice / 6) % kBindingSetCount]};
}

EquationEngine& longLivedEngine() {
    static std::unique_ptr<EquationEngine> engine;
    static int inputs = 0;
    if (!engine || ++inputs > kInputsPerLongLivedEngine ||
        engine->Variables().size() > kMaxLongLivedVariables) {
        engine.reset();
        engine = std::make_unique<EquationEngine>();
        inputs = 0;
    }
    return *engine;
}

std::vector<std::string> sessionFormulas(std::string_view text) {
    std::vector<std::string> formulas;
    while (formulas.size() + 1 < kMaxSessionFormulas) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            break;
        }
        formulas.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    formulas.emplace_back(text);
    return formulas;
}

// The second evaluation of a text on the same engine: a parsed formula comes from its cache slot,
// and one that failed to parse is parsed again and fails the same way.
void checkRepeatedEvaluation(const EquationEngine& engine, const std::string& formula, int first,
                             int firstSlot, int second) {
    if (isParseFailure(first) && second != first) {
        invariantBroken("a formula that failed to parse fails the same way again",
                        std::to_string(first) + " then " + std::to_string(second) + ": " +
                            printable(formula));
    }
    if (!isParseFailure(first) &&
        (engine.CurrentSlot() != firstSlot || engine.SlotText(firstSlot) != formula)) {
        invariantBroken("a parsed formula is taken from the cache the second time", printable(formula));
    }
}

// What a caller of a fresh engine gets to see.
struct Outcome {
    Evaluation evaluation;
    std::string trace;
};

Outcome evaluateOnFreshEngine(const std::string& text, const WorkTimer& timer) {
    EquationEngine fresh;
    const Evaluation evaluation = evaluateChecked(fresh, text, kDialogBindings, timer);
    return {evaluation, fresh.TraceText()};
}

bool sameOutcome(const Outcome& a, const Outcome& b) {
    if (a.evaluation.status != b.evaluation.status || a.trace != b.trace) {
        return false;
    }
    const double x = a.evaluation.value;
    const double y = b.evaluation.value;
    return a.evaluation.status != 0 || x == y || (std::isnan(x) && std::isnan(y));
}

bool usedRandomNumbers(const Outcome& outcome) {
    // The trace names every function applied; a name cannot appear in it otherwise.
    return outcome.trace.find("rand(") != std::string::npos;
}

// Numbers are read and written alike whatever the process's locale: a Qt application runs in the
// user's, which here has a decimal comma. Random functions make two evaluations differ anyway.
void checkSameInDecimalCommaLocale(const std::string& text, const Outcome& outcome, const WorkTimer& timer) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, kDecimalCommaLocale) == nullptr) {
        return;
    }
    const Outcome there = evaluateOnFreshEngine(text, timer);
    std::setlocale(LC_ALL, previous.c_str());
    if (!sameOutcome(outcome, there) && !usedRandomNumbers(outcome) && !usedRandomNumbers(there)) {
        invariantBroken("a formula gives the same status, value and trace in a decimal-comma locale",
                        "status " + std::to_string(outcome.evaluation.status) + " then " +
                            std::to_string(there.evaluation.status) + ", trace " + printable(outcome.trace) +
                            " then " + printable(there.trace) + ": " + printable(text));
    }
}

void runSession(const std::string& text, SessionOptions options, const WorkTimer& timer) {
    EquationEngine& engine = longLivedEngine();
    engine.angleMode = options.angleMode;
    engine.decimalComma = options.decimalComma;
    for (const std::string& formula : sessionFormulas(text)) {
        const int first = evaluateChecked(engine, formula, *options.bindings, timer).status;
        const int firstSlot = engine.CurrentSlot();
        const int second = evaluateChecked(engine, formula, *options.bindings, timer).status;
        checkRepeatedEvaluation(engine, formula, first, firstSlot, second);
    }
}

} // namespace

void FuzzFormula(const std::uint8_t* data, std::size_t size) {
    enterPrivateWorkingDirectory(DataFileChoice::Shipped);
    const WorkTimer timer;
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkSameInDecimalCommaLocale(text, evaluateOnFreshEngine(text, timer), timer);
    runSession(text, optionsFrom(size == 0 ? 0 : data[size - 1]), timer);
}

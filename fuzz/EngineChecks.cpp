#include "EngineChecks.h"

#include "EngineLimits.h"
#include "ErrorTables.h"
#include "OperatorCode.h"
#include "StatusCodes.h"

namespace fuzz {

namespace {

void checkTraceReadable(const EquationEngine& engine, const std::string& formula) {
    const std::string& trace = engine.TraceText();
    if (!trace.empty() && trace.back() != '\n') {
        invariantBroken("every trace line ends with a line feed", printable(formula));
    }
}

void checkComparisonValue(const EquationEngine& engine, double value, const std::string& formula) {
    const ExprNode& root = engine.SlotTree(engine.CurrentSlot());
    if (root.kind == Token::kOperation && isComparison(root.op) && value != 0.0 && value != 1.0) {
        invariantBroken("a comparison gives 0 or 1, not " + std::to_string(value), printable(formula));
    }
}

} // namespace

bool isKnownStatus(int status) {
    return status == 0 || status == kInvalidCharacter || status == kUnclassifiedOperator ||
           equationErrorMessage(status) != nullptr || runtimeErrorMessage(status) != nullptr;
}

bool isParseFailure(int status) {
    return (status >= kInvalidCharacter && status <= kUnknownConstant) || status == kFormulaTooComplex;
}

Evaluation evaluateChecked(EquationEngine& engine, const std::string& formula,
                           const std::vector<VariableValue>& bindings, const WorkTimer& timer) {
    const CurrentEngineScope scope(engine);
    double result = 0.0;
    const int status = engine.Evaluate(formula, bindings, result);
    if (!isKnownStatus(status)) {
        invariantBroken("status " + std::to_string(status) + " is in neither table", printable(formula));
    }
    if (formula.empty() && status != kEmptyFormula) {
        invariantBroken("an empty formula returns 4", "status " + std::to_string(status));
    }
    if (status == 0) {
        checkTraceReadable(engine, formula);
        checkComparisonValue(engine, result, formula);
    }
    timer.check("evaluating", formula);
    return {status, result};
}

} // namespace fuzz

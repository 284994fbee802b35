#pragma once

#include "EquationEngine.h"
#include "Invariant.h"

#include <string>
#include <vector>

namespace fuzz {

/// A status `Evaluate` may return: 0, a code with a message in either table (the limit code
/// included), or one of the two codes the tables leave without text (1, a character outside the
/// formula alphabet; 21, an operator the evaluator cannot classify).
bool isKnownStatus(int status);

/// A code of the parse step (equation-error family) rather than of the evaluation.
bool isParseFailure(int status);

struct Evaluation {
    int status;
    double value; // meaningful when the status is 0
};

/// Sets `currentEngine` and evaluates, then checks what every evaluation must satisfy: a known
/// status, 4 exactly for an empty formula, a readable trace and a comparison's 0 or 1 after success,
/// and the time budget.
Evaluation evaluateChecked(EquationEngine& engine, const std::string& formula,
                           const std::vector<VariableValue>& bindings, const WorkTimer& timer);

} // namespace fuzz

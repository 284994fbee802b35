#pragma once

#include <cstddef>

/// Computes a built-in function, a postfix operator, "npr" or "ncr" on its evaluated operands, after
/// the evaluator's trace line and angle handling. `args` holds at least the operands the operation
/// reads; list functions may reorder it. Writes a run-time code into `status` only on failure
/// (kUnclassifiedOperator for a code that is none of these) and always returns a value (0 on most failures).
double applyBuiltin(int op, double* args, std::size_t count, int angleMode, int& status);

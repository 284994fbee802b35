#pragma once

#include "EngineModes.h"
#include "ExprNode.h"
#include "NumberFormat.h"
#include "VariableValue.h"

#include <cstddef>
#include <string>

class NumberRenderer;
class TraceLog;
class VariableList;

/// What one evaluation reads besides the tree.
struct EvaluationSettings {
    const VariableValue* bindings = nullptr; // searched before the variables
    std::size_t bindingCount = 0;
    int angleMode = kRadians;
    bool writeTrace = true;
    int numberBase = 10;  // the base of the trace's numbers until a convbase is applied
    int convertBase = 10; // the target base in force before the first convbase
    NumberStyle style;
};

/// Computes an expression tree: names from the bindings and the variables, assignments into the
/// variables, operators through the function library, one trace line per operator application.
class Evaluator {
public:
    Evaluator(const EvaluationSettings& settings, VariableList& variables, TraceLog& trace,
              NumberRenderer& renderer);

    /// Returns 0 and writes `out`, or a run-time code.
    int evaluate(const ExprNode& root, double& out) { return evaluateNode(root, out, 0); }

    /// The target base of the last convbase applied, and whether one was.
    int convertBase() const { return convertTarget; }
    bool convertBaseActive() const { return convertActive; }

private:
    int evaluateNode(const ExprNode& node, double& out, int depth);
    int evaluateOperation(const ExprNode& node, double& out, int depth);
    int evaluateAssignment(const ExprNode& node, double& out, int depth);
    double applyOperator(int op, double* args, std::size_t count, int& status);
    double convertTo(double value, double base, int& status);
    void recordTraceLine(int op, const double* args, std::size_t count);
    bool lookUpName(const std::string& name, double& value) const;

    const EvaluationSettings& settings;
    VariableList& variables;
    TraceLog& trace;
    NumberRenderer& renderer;
    int convertTarget;
    bool convertActive = false;
};

#pragma once

#include "EngineModes.h"
#include "FormulaProgram.h"
#include "NumberFormat.h"

#include <cstddef>

class NameFrame;
class NumberRenderer;
class TraceLog;

/// What one evaluation reads besides the program and its names.
struct EvaluationSettings {
    int angleMode = kRadians;
    int numberBase = 10;  // the base of the trace's numbers until a convbase is applied
    int convertBase = 10; // the target base in force before the first convbase
    NumberStyle style;
    TraceLog* trace = nullptr;          // none: no trace is written
    NumberRenderer* renderer = nullptr; // told the base of every trace line rendered positionally
};

/// Runs a formula's program: names from the frame, assignments into it, operators through the function
/// library, one trace line per operator application when a trace is kept. The one evaluator of the
/// engine, for the formulas an engine keeps and for prepared ones alike.
class Evaluator {
public:
    explicit Evaluator(const EvaluationSettings& settings);

    /// Returns 0 and writes `out`, or a run-time code. `stack` holds program.stackDepth() values.
    /// On a failure `out` is written only when the failing operation is the formula's last, as it is
    /// the value of the whole formula then.
    int run(const FormulaProgram& program, NameFrame& frame, double* stack, double& out);

    /// The target base of the last convbase applied, and whether one was.
    int convertBase() const { return convertTarget; }
    bool convertBaseActive() const { return convertActive; }

private:
    bool load(const Instruction& step, const NameFrame& frame, double*& top);
    int apply(const Instruction& step, double*& top, bool last, double& out);
    double applyOperator(const Instruction& apply, double* args, int& status);
    double applyOtherOperator(const Instruction& apply, double* args, int& status);
    double convertTo(double value, double base, int& status);
    void recordTraceLine(int op, const double* args, std::size_t count);

    const EvaluationSettings& settings;
    int convertTarget;
    bool convertActive = false;
};

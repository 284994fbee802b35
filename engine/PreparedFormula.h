#pragma once

#include "ConstantTable.h"
#include "Evaluator.h"
#include "FormulaProgram.h"
#include "NameFrame.h"
#include "UnitTable.h"

#include <memory>
#include <string>
#include <vector>

class DataFiles;

/// A formula evaluated again and again, each time exactly as a new engine built for that one evaluation
/// would evaluate it: same status, same value, same draws of the random functions, variables and
/// assignments starting empty. The passes, the parse and the tree are done once and kept with what
/// decides them: the text, and the data-file tables as the store hands them out when the text can read
/// them (a text with no "->" converts no unit, one with no "|" either refers to no constant). A change
/// of any of them prepares the formula again at its next evaluation, so an edited data file takes effect
/// as it would for a new engine. Owned by the one caller that evaluates, not shared between threads.
class PreparedFormula {
public:
    /// `bindingNames`: the names the caller binds, whose values every evaluation passes in this order.
    /// The tables come from `files`, or from the process-wide store when it is null.
    explicit PreparedFormula(std::vector<std::string> bindingNames, DataFiles* files = nullptr);

    /// Returns 0 and writes `result`, or the status a new engine's Evaluate would return, writing
    /// `result` when it would.
    int evaluate(const std::string& formula, const double* bindingValues, double& result);

private:
    bool isPreparedFor(const std::string& formula);
    void prepare(const std::string& formula);

    std::vector<std::string> bindingNames;
    DataFiles* files;
    bool prepared = false;
    std::string text;
    bool readsUnits = false;
    bool readsConstants = false;
    std::shared_ptr<const UnitTable> units;
    std::shared_ptr<const ConstantTable> constants;
    int parseStatus = 0;
    FormulaProgram program;
    NameFrame frame;
    std::vector<double> stack;
    EvaluationSettings settings; // a new engine's: radians, no trace
};

#pragma once

#include "ConstantTable.h"
#include "CurrentEngine.h"
#include "EngineModes.h"
#include "ExprNode.h"
#include "FormulaCache.h"
#include "NameFrame.h"
#include "NumberFormat.h"
#include "NumberRenderer.h"
#include "Token.h"
#include "TraceLog.h"
#include "UnitTable.h"
#include "VariableList.h"
#include "VariableValue.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class DataFiles;

/// The expression engine: parses, caches and evaluates formulas. Failures are status codes, never
/// exceptions or messages (see ErrorTables.h for the texts); the one exception is std::bad_alloc when
/// memory runs out, after which the engine is still whole and its callers report it.
///
/// The engine is the public face of its parts, each in the file of its name: FormulaCache (the ten
/// slots), Tokenizer and TokenListChecks (the parse), TreeBuilder, Evaluator (with VariableList and
/// FunctionLibrary), NumberRenderer and NumberFormat (the number style), DataFiles with ConstantTable,
/// UnitTable, ConstantSubstitution and UnitConversion (the constant and unit tables).
class EquationEngine {
public:
    static constexpr int kSlotCount = FormulaCache::kSlotCount;

    /// Takes "constants.dat" and "units.dat" of the working directory from the process-wide store
    /// (DataFiles::shared); missing files are no error.
    EquationEngine();
    /// Takes the data files from `files`; the engine keeps the records, not the store.
    explicit EquationEngine(DataFiles& files);
    EquationEngine(const EquationEngine&) = delete;
    EquationEngine& operator=(const EquationEngine&) = delete;

    /// Evaluates `formula` with the caller's bindings (searched before the engine's variables).
    /// Returns 0 and writes `result`, or a code of the equation-error or run-time table.
    int Evaluate(std::string formula, const VariableValue* bindings, std::size_t bindingCount, double& result,
                 const void* ownerWindow = nullptr);
    int Evaluate(std::string formula, const std::vector<VariableValue>& bindings, double& result,
                 const void* ownerWindow = nullptr);

    /// Parses `formula` into its slot as Evaluate does, without evaluating it: 0 with the slot current,
    /// or the code Evaluate would return for it (a text already in a slot is not parsed again).
    int Prepare(const std::string& formula);

    /// The log of the operator applications of the last evaluation, one line each.
    const std::string& TraceText() const;

    // Read-only views for callers and tests.
    int CurrentSlot() const { return cache.currentSlot(); }
    const std::string& SlotText(int slot) const { return cache.text(slot); }
    const std::vector<Token>& SlotTokens(int slot) const { return cache.tokens(slot); }
    const ExprNode& SlotTree(int slot) const { return cache.tree(slot); }
    const FormulaProgram& SlotProgram(int slot) const { return cache.program(slot); }
    const std::vector<VariableValue>& Variables() const { return variables.all(); }
    const ConstantTable& ConstantGroups() const { return *constantGroups; }
    const UnitTable& UnitCategories() const { return *unitCategories; }
    /// The tables themselves, whose identity tells whether the data files changed since.
    const std::shared_ptr<const ConstantTable>& ConstantTableRecord() const { return constantGroups; }
    const std::shared_ptr<const UnitTable>& UnitTableRecord() const { return unitCategories; }

    /// Renders a number as the trace does (precision 0: automatic) or in fixed notation.
    std::string formatNumber(double x, int precision);
    /// Positional rendering in the base in force (convertBase while a conversion is active).
    std::string renderInBase(double x);

    // Settings, public as in a plain record; callers set them before evaluating.
    bool groupIntegerDigits = true;
    int integerGroupSize = 3;
    char integerGroupSeparator = ',';
    bool groupFractionDigits = false;
    int fractionGroupSize = 3;
    char fractionGroupSeparator = ' ';
    int convertBase = 10;
    int numberBase = 10;
    bool convertBaseActive = false;
    int decimalComma = 0; // 1: "," is the decimal mark
    int angleMode = kRadians;
    int reportMode = kReportEveryFailure;

private:
    // The steps of Evaluate.
    bool FindSlot(const std::string& text) { return cache.FindSlot(text); }
    int parseOrForget(int slot);
    int Parse(int slot);
    int BuildTree(int slot);
    int evaluateCurrentSlot(const VariableValue* bindings, std::size_t bindingCount, double& result);
    int applyReportMode(int code) const;
    void LoadConstants(DataFiles& files);
    void LoadUnits(DataFiles& files);
    int RewriteUnits(std::string& formula) const;
    int SubstituteConstants(std::string& formula) const;
    int ReportEquationError(int code, const std::string& formula) const;
    int ReportRuntimeError(int code, const std::string& formula) const;

    int baseInForce() const { return convertBaseActive ? convertBase : numberBase; }
    char decimalMark() const { return decimalComma == 1 ? ',' : '.'; }
    NumberStyle numberStyle() const;

    std::shared_ptr<const UnitTable> unitCategories;
    std::shared_ptr<const ConstantTable> constantGroups;
    VariableList variables;
    FormulaCache cache;
    NameFrame frame;           // the names of the evaluation under way
    std::vector<double> stack; // its values
    NumberRenderer numbers;
    TraceLog traceLog;
    mutable std::string traceText; // rendered from traceLog when first read
    mutable bool traceRendered = false;

    // Part of the engine's documented interface, kept although nothing here reads them.
    const void* ownerWindow = nullptr; // the caller's window, recorded for the time of an evaluation
    std::string answerText;            // what "ans" stands for; no caller of this program sets it
    std::vector<Token> scratchTokens;  // emptied by every parse and otherwise unused
};

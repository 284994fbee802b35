#pragma once

#include "ConstantGroup.h"
#include "CurrentEngine.h"
#include "ExprNode.h"
#include "Token.h"
#include "TraceLog.h"
#include "UnitCategory.h"
#include "VariableValue.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

/// The expression engine: parses, caches and evaluates formulas. Failures are status codes,
/// never exceptions or messages (see ErrorTables.h for the texts).
class EquationEngine {
public:
    static constexpr int kSlotCount = 10;

    /// Reads "constants.dat" and "units.dat" from the working directory; missing files are no error.
    EquationEngine();
    EquationEngine(const EquationEngine&) = delete;
    EquationEngine& operator=(const EquationEngine&) = delete;

    /// Evaluates `formula` with the caller's bindings (searched before the engine's variables).
    /// Returns 0 and writes `result`, or a code of the equation-error or run-time table.
    int Evaluate(std::string formula, const VariableValue* bindings, std::size_t bindingCount,
                 double& result, const void* ownerWindow = nullptr);
    int Evaluate(std::string formula, const std::vector<VariableValue>& bindings, double& result,
                 const void* ownerWindow = nullptr);

    /// The log of the operator applications of the last evaluation, one line each.
    const std::string& TraceText() const;

    // Read-only views for callers and tests.
    int CurrentSlot() const { return currentSlot; }
    const std::string& SlotText(int slot) const { return slotTexts[slot]; }
    const std::vector<Token>& SlotTokens(int slot) const { return slotTokens[slot]; }
    const ExprNode& SlotTree(int slot) const { return slotTrees[slot]; }
    const std::vector<VariableValue>& Variables() const { return variables; }
    const std::vector<ConstantGroup>& ConstantGroups() const { return *constantGroups; }
    const std::vector<UnitCategory>& UnitCategories() const { return *unitCategories; }

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
    int decimalComma = 0;
    int angleMode = 0;
    int reportMode = 0;

private:
    friend class Tokenizer;
    friend class TreeBuilder;

    // Formula cache and tree builder (FormulaCache.cpp, TreeBuilder.cpp).
    bool FindSlot(const std::string& text);
    int BuildTree(int slot);

    // Tokenizer and syntax checks (Tokenizer.cpp).
    int Parse(int slot);

    // Evaluator (Evaluator.cpp) and the function library it dispatches to (FunctionLibrary.cpp).
    int evaluateNode(const ExprNode& node, double& out, int depth);
    double applyOperator(int op, double* args, std::size_t count, int& status);
    bool lookUpName(const std::string& name, double& value) const;
    void assignVariable(const std::string& name, double value);
    int evaluateOperation(const ExprNode& node, double& out, int depth);
    int evaluateAssignment(const ExprNode& node, double& out, int depth);
    void recordTraceLine(int op, const double* args, std::size_t count);

    // Number formatting (NumberFormat.cpp; the texts are built by the functions of NumberFormat.h).
    int baseInForce() const;
    NumberStyle numberStyle() const;
    void noteRenderBase(int base);

    // Constants (Constants.cpp) and units (Units.cpp).
    void LoadConstants();
    void LoadUnits();
    int SubstituteConstants(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                            std::string& formula) const;
    int RewriteUnits(std::string& formula) const;

    // Error reporting (EquationEngine.cpp): look the text up, show nothing, return the code.
    int ReportEquationError(int code, const std::string& formula) const;
    int ReportRuntimeError(int code, const std::string& formula) const;

    std::shared_ptr<const std::vector<UnitCategory>> unitCategories;
    std::shared_ptr<const std::vector<ConstantGroup>> constantGroups;
    std::vector<VariableValue> variables;
    const VariableValue* bindings = nullptr;
    std::size_t bindingCount = 0;
    const void* ownerWindow = nullptr;

    int currentSlot = 0;
    std::array<ExprNode, kSlotCount> slotTrees;
    std::array<std::vector<Token>, kSlotCount> slotTokens;
    std::array<std::string, kSlotCount> slotTexts;
    std::array<int, kSlotCount> slotAges{};

    std::string answerText;
    std::vector<Token> scratchTokens;
    int renderBase = 10;
    bool keepRenderBase = false;

    TraceLog traceLog;
    mutable std::string traceText; // rendered from traceLog when first read
    mutable bool traceRendered = false;
};

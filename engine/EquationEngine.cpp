#include "EquationEngine.h"

#include "AnswerText.h"
#include "ConstantSubstitution.h"
#include "DataFiles.h"
#include "EngineLimits.h"
#include "Evaluator.h"
#include "StatusCodes.h"
#include "TokenListChecks.h"
#include "Tokenizer.h"
#include "TreeBuilder.h"
#include "UnitConversion.h"

#include <algorithm>

EquationEngine::EquationEngine() : EquationEngine(DataFiles::shared()) {}

EquationEngine::EquationEngine(DataFiles& files) {
    LoadConstants(files);
    LoadUnits(files);
}

void EquationEngine::LoadConstants(DataFiles& files) {
    constantGroups = files.constants();
}

void EquationEngine::LoadUnits(DataFiles& files) {
    unitCategories = files.units();
}

int EquationEngine::Evaluate(std::string formula, const VariableValue* callerBindings, std::size_t count,
                             double& result, const void* window) {
    ownerWindow = window;
    traceLog.clear();
    traceRendered = false;
    if (const int code = Prepare(formula))
        return code;
    convertBaseActive = false;
    const int code = evaluateCurrentSlot(callerBindings, count, result);
    return applyReportMode(code);
}

int EquationEngine::Prepare(const std::string& formula) {
    if (formula.empty())
        return ReportEquationError(kEmptyFormula, formula);
    if (FindSlot(formula)) {
        const int slot = cache.currentSlot();
        const int code = parseOrForget(slot);
        if (code != 0) {
            ReportEquationError(code, cache.text(slot));
            // An empty text never matches, so the formula is parsed (and fails) again next time.
            cache.forgetText(slot);
            return code;
        }
    }
    return 0;
}

int EquationEngine::Evaluate(std::string formula, const std::vector<VariableValue>& callerBindings,
                             double& result, const void* window) {
    return Evaluate(std::move(formula), callerBindings.data(), callerBindings.size(), result, window);
}

// Should memory run out while parsing, the slot must not keep the text with a tree that is not its own.
int EquationEngine::parseOrForget(int slot) {
    try {
        return Parse(slot);
    } catch (...) {
        cache.forgetText(slot);
        throw;
    }
}

// The working copy is rewritten (units, constants, "ans") before it is tokenized; the slot keeps the
// text as written.
int EquationEngine::Parse(int slot) {
    scratchTokens.clear();
    std::vector<Token>& tokens = cache.tokens(slot);
    tokens.clear();
    const std::string& text = cache.text(slot);
    if (text.size() > kMaxFormulaLength)
        return kFormulaTooComplex;
    std::string work = text;
    if (const int code = RewriteUnits(work))
        return code;
    if (const int code = SubstituteConstants(work))
        return code;
    if (work.size() > kMaxFormulaLength)
        return kFormulaTooComplex;
    if (work.find('|') != std::string::npos)
        return kUnknownConstant;
    convertBaseActive = false;
    if (!replaceAnswer(work, answerText, numbers, baseInForce(), decimalComma))
        return kFormulaTooComplex;
    // Seldom more tokens than characters: one allocation in nearly every case.
    tokens.reserve(std::min(work.size(), kMaxTokenCount) + 1);
    Tokenizer tokenizer(work, tokens, numberBase, decimalMark());
    const int code = tokenizer.run();
    numberBase = tokenizer.numberBase();
    if (code != 0)
        return code;
    if (const int listCode = checkTokenList(text, tokens))
        return listCode;
    return BuildTree(slot);
}

int EquationEngine::BuildTree(int slot) {
    const int code = buildTree(cache.tokens(slot), cache.tree(slot));
    cache.program(slot) = code == 0 ? FormulaProgram(cache.tree(slot)) : FormulaProgram();
    return code;
}

int EquationEngine::evaluateCurrentSlot(const VariableValue* bindings, std::size_t bindingCount,
                                        double& result) {
    EvaluationSettings settings;
    settings.angleMode = angleMode;
    settings.numberBase = numberBase;
    settings.convertBase = convertBase;
    settings.style = numberStyle();
    if (reportMode != kIgnoreFailuresWithoutTrace) {
        settings.trace = &traceLog;
        settings.renderer = &numbers;
    }
    const FormulaProgram& program = cache.program(cache.currentSlot());
    frame.layOut(program, bindings, bindingCount, variables);
    frame.start(bindings);
    stack.resize(program.stackDepth());
    Evaluator evaluator(settings);
    const int code = evaluator.run(program, frame, stack.data(), result);
    frame.storeInto(program, variables);
    convertBase = evaluator.convertBase();
    convertBaseActive = evaluator.convertBaseActive();
    return code;
}

int EquationEngine::applyReportMode(int code) const {
    if (code == 0 || reportMode == kReturnFailuresSilently)
        return code;
    if (reportMode == kReportEveryFailure || code == kUndefinedName)
        return ReportRuntimeError(code, cache.text(cache.currentSlot()));
    return 0;
}

int EquationEngine::RewriteUnits(std::string& formula) const {
    return rewriteUnitConversions(formula, *unitCategories, decimalComma == 1);
}

int EquationEngine::SubstituteConstants(std::string& formula) const {
    if (!mayReferToConstants(formula))
        return 0;
    return substituteConstants(formula, *constantGroups, decimalComma == 1);
}

// The engine shows and logs nothing: callers decide what the user sees, and find the texts of both
// tables through ErrorTables.h.
int EquationEngine::ReportEquationError(int code, const std::string&) const {
    return code;
}
int EquationEngine::ReportRuntimeError(int code, const std::string&) const {
    return code;
}

const std::string& EquationEngine::TraceText() const {
    if (!traceRendered) {
        traceText.clear();
        traceLog.render(traceText);
        traceRendered = true;
    }
    return traceText;
}

NumberStyle EquationEngine::numberStyle() const {
    return {decimalComma,        groupIntegerDigits, integerGroupSize,      integerGroupSeparator,
            groupFractionDigits, fractionGroupSize,  fractionGroupSeparator};
}

std::string EquationEngine::formatNumber(double x, int precision) {
    return numbers.formatNumber(x, precision, baseInForce(), numberStyle());
}

std::string EquationEngine::renderInBase(double x) {
    return numbers.renderInBase(x, baseInForce(), decimalComma);
}

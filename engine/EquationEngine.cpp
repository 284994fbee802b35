#include "EquationEngine.h"

#include "StatusCodes.h"

thread_local EquationEngine* currentEngine = nullptr;

namespace {

/// One shared empty record list, so that an engine starts with no constants or units without allocating.
template <typename Record> std::shared_ptr<const std::vector<Record>> noRecords() {
    static const auto none = std::make_shared<const std::vector<Record>>();
    return none;
}

} // namespace

EquationEngine::EquationEngine()
    : unitCategories(noRecords<UnitCategory>()), constantGroups(noRecords<ConstantGroup>()) {
    LoadConstants();
    LoadUnits();
    // The slot filled longest ago has the greatest age, so the first ten formulas take slots 0 to 9.
    for (int slot = 0; slot < kSlotCount; ++slot)
        slotAges[slot] = kSlotCount - 1 - slot;
    // "e" is the eleven-decimal value, not the double nearest to e.
    variables.assign({{"pi", 3.141592653589793}, {"e", 2.71828182846}, {"n", 1.0}});
}

int EquationEngine::Evaluate(std::string formula, const VariableValue* callerBindings, std::size_t count,
                             double& result, const void* window) {
    ownerWindow = window;
    traceLog.clear();
    traceRendered = false;
    if (formula.empty())
        return ReportEquationError(kEmptyFormula, formula);
    if (FindSlot(formula)) {
        const int code = Parse(currentSlot);
        if (code != 0) {
            ReportEquationError(code, slotTexts[currentSlot]);
            // An empty text never matches, so the formula is parsed (and fails) again next time.
            slotTexts[currentSlot].clear();
            return code;
        }
    }
    bindings = callerBindings;
    bindingCount = count;
    convertBaseActive = false;
    int code = evaluateNode(slotTrees[currentSlot], result, 0);
    if (code != 0 && reportMode != 3) {
        if (reportMode == 0 || code == kUndefinedName)
            ReportRuntimeError(code, slotTexts[currentSlot]);
        else
            code = 0;
    }
    bindings = nullptr;
    bindingCount = 0;
    return code;
}

int EquationEngine::Evaluate(std::string formula, const std::vector<VariableValue>& callerBindings,
                             double& result, const void* window) {
    return Evaluate(std::move(formula), callerBindings.data(), callerBindings.size(), result, window);
}

// The engine shows and logs nothing: callers decide what the user sees, and find the texts of both
// tables through ErrorTables.h.
int EquationEngine::ReportEquationError(int code, const std::string&) const {
    return code;
}
int EquationEngine::ReportRuntimeError(int code, const std::string&) const {
    return code;
}

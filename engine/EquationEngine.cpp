#include "EquationEngine.h"

EquationEngine* currentEngine = nullptr;

EquationEngine::EquationEngine()
    : unitCategories(std::make_shared<std::vector<UnitCategory>>()),
      constantGroups(std::make_shared<std::vector<ConstantGroup>>()) {}

int EquationEngine::Evaluate(std::string formula, const VariableValue* callerBindings, std::size_t count,
                             double& result, const void* window) {
    (void)formula, (void)callerBindings, (void)count, (void)result, (void)window;
    return 4;
}

int EquationEngine::Evaluate(std::string formula, const std::vector<VariableValue>& callerBindings,
                             double& result, const void* window) {
    return Evaluate(std::move(formula), callerBindings.data(), callerBindings.size(), result, window);
}

int EquationEngine::ReportEquationError(int code, const std::string&) const { return code; }
int EquationEngine::ReportRuntimeError(int code, const std::string&) const { return code; }

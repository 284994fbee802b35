#include "EquationEngine.h"

// Placeholder until the evaluator lands.
int EquationEngine::evaluateNode(const ExprNode&, double&, int) { return 41; }
double EquationEngine::applyOperator(int, double*, std::size_t, int& status) {
    status = 21;
    return 0.0;
}
bool EquationEngine::lookUpName(const std::string&, double&) const { return false; }
void EquationEngine::assignVariable(const std::string&, double) {}

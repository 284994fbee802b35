#include "EquationEngine.h"

// Placeholder until number formatting lands.
const std::string& EquationEngine::TraceText() const { return traceText; }
std::string EquationEngine::formatNumber(double, int) { return {}; }
std::string EquationEngine::renderInBase(double) { return {}; }
std::string EquationEngine::renderDigits(double, int) const { return {}; }
void EquationEngine::tidyNumberText(std::string&) const {}
void EquationEngine::groupDigits(std::string&) const {}
std::string EquationEngine::formatInBase(double, int, int) const { return {}; }

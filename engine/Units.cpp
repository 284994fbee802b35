#include "EquationEngine.h"

// Placeholder until the units file lands: no categories, no rewriting.
void EquationEngine::LoadUnits() {}
int EquationEngine::RewriteUnits(std::string&) const { return 0; }

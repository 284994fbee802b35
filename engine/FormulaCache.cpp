#include "EquationEngine.h"

// Placeholder until the cache lands.
bool EquationEngine::FindSlot(const std::string&) { return true; }

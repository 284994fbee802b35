#include "EquationEngine.h"

// Placeholder until the tokenizer lands.
int EquationEngine::Parse(int) { return 1; }

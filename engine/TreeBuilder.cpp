#include "EquationEngine.h"

// Placeholder until the tree builder lands.
int EquationEngine::BuildTree(int) { return 0; }

#include "EquationEngine.h"

// Placeholder until the constants file lands: no groups, no substitution.
void EquationEngine::LoadConstants() {}
int EquationEngine::SubstituteConstants(const std::vector<ConstantGroup>&, const std::string&,
                                        std::string&) const {
    return 0;
}

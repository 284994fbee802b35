#include "EquationEngine.h"

#include "ConstantSubstitution.h"
#include "ConstantsFile.h"
#include "DataFileCache.h"

void EquationEngine::LoadConstants() {
    static DataFileCache<ConstantGroup> cache("constants.dat", readConstantsFile);
    constantGroups = cache.load();
}

int EquationEngine::SubstituteConstants(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                                        std::string& formula) const {
    // Every reference holds a "|"; a formula without one has nothing to substitute.
    if (formula.find('|') == std::string::npos)
        return 0;
    return substituteConstants(groups, prefix, formula, decimalComma == 1);
}

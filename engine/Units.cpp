#include "EquationEngine.h"

#include "DataFileCache.h"
#include "UnitConversion.h"
#include "UnitsFile.h"

void EquationEngine::LoadUnits() {
    static DataFileCache<UnitCategory> cache("units.dat", readUnitsFile);
    unitCategories = cache.load();
}

int EquationEngine::RewriteUnits(std::string& formula) const {
    return rewriteUnitConversions(formula, *unitCategories, decimalComma == 1);
}

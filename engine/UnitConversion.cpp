#include "UnitConversion.h"

#include "EngineLimits.h"
#include "StatusCodes.h"
#include "TextReplace.h"

#include <algorithm>
#include <string_view>

namespace {

struct TemperatureConversion {
    std::string_view written;
    std::string_view operatorName;
};

constexpr TemperatureConversion kTemperatureConversions[] = {
    {"(Fahrenheit->Celsius)", "farenheitcelcius"}, {"(Fahrenheit->Kelvin)", "farenheitkelvin"},
    {"(Fahrenheit->Rankin)", "farenheitrankin"},   {"(Celsius->Fahrenheit)", "celciusfarenheit"},
    {"(Celsius->Kelvin)", "celciuskelvin"},        {"(Celsius->Rankin)", "celciusrankin"},
    {"(Kelvin->Fahrenheit)", "kelvinfarenheit"},   {"(Kelvin->Celsius)", "kelvincelcius"},
    {"(Kelvin->Rankin)", "kelvinrankin"},          {"(Rankin->Fahrenheit)", "rankinfarenheit"},
    {"(Rankin->Kelvin)", "rankinkelvin"},          {"(Rankin->Celsius)", "rankincelcius"},
};

int rewriteTemperatures(std::string& formula) {
    for (const TemperatureConversion& conversion : kTemperatureConversions)
        if (!replaceAll(formula, conversion.written, conversion.operatorName, kMaxFormulaLength))
            return kFormulaTooComplex;
    return 0;
}

/// The multiplication that converts a value in `from` to `to`, or an empty text when `to` belongs to
/// neither of the category's systems and `from` is not of its system.
std::string conversionFactor(const UnitCategory& category, const UnitDefinition& from,
                             const UnitDefinition& to) {
    if (to.system == from.system)
        return "*((" + to.factor + ")/(" + from.factor + "))";
    if (to.system == category.secondSystem)
        return "*((" + to.factor + ")/((" + from.factor + ")*(" + category.crossFactor + ")))";
    if (to.system == category.firstSystem)
        return "*(((" + to.factor + ")*(" + category.crossFactor + "))/(" + from.factor + "))";
    return {};
}

int rewriteConversionsFrom(const UnitCategory& category, const UnitDefinition& from, std::string& formula,
                           bool decimalComma) {
    const std::string keyStart = "(" + from.name + "->";
    // Every key of this unit begins with keyStart, and nothing is inserted before a key matches.
    if (formula.find(keyStart) == std::string::npos)
        return 0;
    for (const UnitDefinition& to : category.units) {
        const std::string key = keyStart + to.name + ")";
        if (formula.find(key) == std::string::npos)
            continue;
        std::string factor = conversionFactor(category, from, to);
        if (factor.empty())
            continue;
        if (decimalComma)
            std::replace(factor.begin(), factor.end(), '.', ',');
        if (!replaceAll(formula, key, factor, kMaxFormulaLength))
            return kFormulaTooComplex;
    }
    return 0;
}

} // namespace

int rewriteUnitConversions(std::string& formula, const std::vector<UnitCategory>& categories,
                           bool decimalComma) {
    // Every temperature spelling and every unit key holds "->": without it the text stays as it is.
    if (formula.find("->") == std::string::npos)
        return 0;
    if (int status = rewriteTemperatures(formula))
        return status;
    for (const UnitCategory& category : categories)
        for (const UnitDefinition& from : category.units)
            if (int status = rewriteConversionsFrom(category, from, formula, decimalComma))
                return status;
    return 0;
}

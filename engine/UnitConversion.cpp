#include "UnitConversion.h"

#include "EngineLimits.h"
#include "OrderedReplacement.h"
#include "StatusCodes.h"
#include "TextReplace.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

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

/// The unit pairs of a table, as the ordered walk looks them up.
class PairIndex {
public:
    using Turn = UnitTable::Pair;

    PairIndex(const UnitTable& units, bool decimalComma) : units(units), decimalComma(decimalComma) {}

    // "(" and a name, "->", a name and ")".
    std::size_t longestKey() const { return units.hasUnits() ? 2 * units.longestName() + 4 : 0; }

    void findTurns(const std::string& formula, std::size_t firstStart, std::size_t lastStart,
                   std::optional<Turn> after, std::vector<Turn>& turns) const {
        const std::string_view text(formula);
        for (std::size_t start = firstStart; start <= lastStart && start < text.size(); ++start) {
            if (text[start] != '(')
                continue;
            for (const std::uint32_t length : units.nameLengths()) {
                const std::size_t arrow = start + 1 + length;
                if (arrow + 2 > text.size())
                    break;
                if (text.compare(arrow, 2, "->") != 0)
                    continue;
                const UnitTable::Units from = units.unitsNamed(text.substr(start + 1, length));
                if (!from.empty())
                    findTargets(text, arrow + 2, from, after, turns);
            }
        }
    }

    std::string keyOf(Turn pair) const { return units.conversionOf(pair); }

    std::string replacementOf(Turn pair) const {
        std::string factor = units.factorOf(pair);
        if (decimalComma)
            std::replace(factor.begin(), factor.end(), '.', ',');
        return factor;
    }

private:
    void findTargets(std::string_view text, std::size_t nameStart, UnitTable::Units from,
                     std::optional<Turn> after, std::vector<Turn>& turns) const {
        for (const std::uint32_t length : units.nameLengths()) {
            const std::size_t close = nameStart + length;
            if (close >= text.size())
                break;
            if (text[close] != ')')
                continue;
            const UnitTable::Units to = units.unitsNamed(text.substr(nameStart, length));
            if (to.empty())
                continue;
            if (const auto pair = units.nextPair(from, to, after))
                turns.push_back(*pair);
        }
    }

    const UnitTable& units;
    const bool decimalComma;
};

} // namespace

// Every temperature spelling and every unit key holds "->": without it the text stays as it is.
bool mayConvertUnits(const std::string& formula) {
    return formula.find("->") != std::string::npos;
}

int rewriteUnitConversions(std::string& formula, const UnitTable& units, bool decimalComma) {
    if (!mayConvertUnits(formula))
        return 0;
    if (int status = rewriteTemperatures(formula))
        return status;
    return replaceInListOrder(formula, PairIndex(units, decimalComma));
}

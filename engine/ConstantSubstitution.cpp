#include "ConstantSubstitution.h"

#include "EngineLimits.h"
#include "StatusCodes.h"
#include "TextReplace.h"

#include <algorithm>

namespace {

std::string parenthesised(const std::string& valueText, bool decimalComma) {
    std::string replacement = "(" + valueText + ")";
    if (decimalComma)
        std::replace(replacement.begin(), replacement.end(), '.', ',');
    return replacement;
}

int substituteEntries(const ConstantGroup& group, const std::string& path, std::string& formula,
                      bool decimalComma) {
    for (const ConstantEntry& entry : group.entries) {
        const std::string key = "(" + path + entry.name + ")";
        if (formula.find(key) == std::string::npos)
            continue;
        if (!replaceAll(formula, key, parenthesised(entry.valueText, decimalComma), kMaxFormulaLength))
            return kFormulaTooComplex;
    }
    return 0;
}

} // namespace

int substituteConstants(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                        std::string& formula, bool decimalComma) {
    for (const ConstantGroup& group : groups) {
        const std::string path = prefix + group.name + "|";
        // Every key of this group and of its subgroups begins with "(" + path, and nothing is inserted
        // before a key matches, so a group the formula does not name can be passed over as a whole.
        if (formula.find("(" + path) == std::string::npos)
            continue;
        if (int status = substituteConstants(group.subgroups, path, formula, decimalComma))
            return status;
        if (int status = substituteEntries(group, path, formula, decimalComma))
            return status;
    }
    return 0;
}

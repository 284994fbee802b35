#include "ConstantSubstitution.h"

#include "KeyHash.h"
#include "OrderedReplacement.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

/// The references of a constant table, as the ordered walk looks them up.
class ReferenceIndex {
public:
    using Turn = std::uint32_t; // the entry's number

    ReferenceIndex(const ConstantTable& table, bool decimalComma)
        : table(table), decimalComma(decimalComma) {}

    std::size_t longestKey() const { return table.longestReference(); }

    void findTurns(const std::string& formula, std::size_t firstStart, std::size_t lastStart,
                   std::optional<Turn> after, std::vector<Turn>& turns) const {
        const std::size_t end = std::min(formula.size(), lastStart + longestKey());
        const std::string_view text(formula);
        const PrefixHashes hashes(text.substr(firstStart, end - firstStart));
        for (std::size_t start = firstStart; start <= lastStart && start < formula.size(); ++start) {
            if (formula[start] != '(')
                continue;
            for (const std::uint32_t length : table.referenceLengths()) {
                if (start + length > end)
                    break;
                if (formula[start + length - 1] != ')')
                    continue;
                const std::uint64_t hash = hashes.of(start - firstStart, length);
                if (const auto entry = table.nextEntry(text.substr(start, length), hash, after))
                    turns.push_back(*entry);
            }
        }
    }

    std::string keyOf(Turn entry) const { return table.referenceOf(entry); }

    std::string replacementOf(Turn entry) const {
        std::string replacement = "(" + std::string(table.valueOf(entry)) + ")";
        if (decimalComma)
            std::replace(replacement.begin(), replacement.end(), '.', ',');
        return replacement;
    }

private:
    const ConstantTable& table;
    const bool decimalComma;
};

} // namespace

// Every reference holds a "|"; a formula without one has nothing to substitute.
bool mayReferToConstants(const std::string& formula) {
    return formula.find('|') != std::string::npos;
}

int substituteConstants(std::string& formula, const ConstantTable& table, bool decimalComma) {
    return replaceInListOrder(formula, ReferenceIndex(table, decimalComma));
}

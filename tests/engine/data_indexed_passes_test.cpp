#include "ConstantSubstitution.h"
#include "ConstantsFile.h"
#include "EngineLimits.h"
#include "StatusCodes.h"
#include "TextReplace.h"
#include "UnitConversion.h"
#include "UnitsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

// The constant and unit passes look a formula up in an index of the file. They must give the text
// that the plain passes give, which walk every entry and every pair of units in file order, chains of
// replacements included. Random files with few, short and odd names make duplicates, names that hold
// the key characters, and value and factor texts that bring in other keys.
namespace {

std::string withCommas(std::string text, bool decimalComma) {
    if (decimalComma)
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

int plainConstantPass(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                      std::string& formula, bool decimalComma) {
    for (const ConstantGroup& group : groups) {
        const std::string path = prefix + group.name + "|";
        if (int status = plainConstantPass(group.subgroups, path, formula, decimalComma))
            return status;
        for (const ConstantEntry& entry : group.entries)
            if (!replaceAll(formula, "(" + path + entry.name + ")",
                            withCommas("(" + entry.valueText + ")", decimalComma), kMaxFormulaLength))
                return kFormulaTooComplex;
    }
    return 0;
}

int plainUnitPass(const std::vector<UnitCategory>& categories, std::string& formula, bool decimalComma) {
    for (const UnitCategory& category : categories)
        for (const UnitDefinition& from : category.units)
            for (const UnitDefinition& to : category.units) {
                const std::string factor =
                    conversionFactor(category.firstSystem, category.secondSystem, category.crossFactor,
                                     from.system, from.factor, to.system, to.factor);
                if (!factor.empty() && !replaceAll(formula, "(" + from.name + "->" + to.name + ")",
                                                   withCommas(factor, decimalComma), kMaxFormulaLength))
                    return kFormulaTooComplex;
            }
    return 0;
}

class Generator {
public:
    explicit Generator(unsigned seed) : random(seed) {}

    std::string name() { return pick({"a", "b", "", "(a", "b)", "a|b", "a->b", "*((a", "1.5"}); }

    std::string constantsFile() {
        std::string file = "*GROUP*\n" + name() + "\n";
        for (int line = pick(12); line > 0; --line) {
            if (pick(5) == 0)
                file += std::string(1 + pick(3), '*') + "\n" + name() + "\n";
            else
                file += name() + "\n" + text() + "\n";
        }
        return file;
    }

    std::string unitsFile() {
        std::string file = "****STANDARD****\n";
        for (int category = 1 + pick(2); category > 0; --category) {
            file += "c\n" + system() + "\n3\n" + system() + "\n5\n" + text() + "\n";
            for (int unit = pick(6); unit > 0; --unit)
                file += name() + "\n" + system() + "\n" + text() + "\n";
            if (category > 1)
                file += "****STANDARD****\n";
        }
        return file;
    }

    std::string formula() { return text() + text() + text(); }

private:
    std::string system() { return pick({"A", "B", "C"}); }

    // Keys of both files, their pieces, numbers and operators.
    std::string text() {
        std::string text;
        for (int piece = pick(5); piece > 0; --piece) {
            switch (pick(5)) {
            case 0:
                text += "(" + name() + "|" + name() + (pick(2) ? "|" + name() : "") + ")";
                break;
            case 1:
                text += "(" + name() + "->" + name() + ")";
                break;
            case 2:
            case 3:
                text += name();
                break;
            default:
                // Halves of keys, which a replacement next to them may complete.
                text +=
                    pick({"2", "+", "*", "(", ")", "0.5", "->", "|", "(a|", "(a->", "|b)", "->b)", "(a|b|"});
            }
        }
        return text;
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    std::string pick(std::initializer_list<const char*> texts) { return texts.begin()[pick(texts.size())]; }

    std::mt19937 random;
};

void expectPlainPassText(const std::string& constantsText, const std::string& unitsText,
                         const std::string& formula, bool decimalComma) {
    SCOPED_TRACE(constantsText + "\n--\n" + unitsText + "\n--\n" + formula);
    const ConstantTable constants = readConstantsFile(constantsText);
    const UnitTable units = readUnitsFile(unitsText);
    std::string expected = formula;
    std::string actual = formula;
    ASSERT_EQ(rewriteUnitConversions(actual, units, decimalComma),
              plainUnitPass(units.categories(), expected, decimalComma));
    ASSERT_EQ(actual, expected);
    ASSERT_EQ(substituteConstants(actual, constants, decimalComma),
              plainConstantPass(constants.groups(), "", expected, decimalComma));
    ASSERT_EQ(actual, expected);
}

TEST(IndexedPasses, GiveTheTextOfThePlainPasses) {
    Generator generate(20251208);
    for (int file = 0; file < 400; ++file) {
        const std::string constantsText = generate.constantsFile();
        const std::string unitsText = generate.unitsFile();
        for (int i = 0; i < 20; ++i)
            expectPlainPassText(constantsText, unitsText, generate.formula(), i % 2 == 1);
    }
}

// A replacement completes a key whose turn is to come: on its left, on its right, with a unit pair.
TEST(IndexedPasses, FollowChainsAcrossTheEdgesOfAReplacement) {
    const std::string units = "****STANDARD****\nc\nA\n3\nB\n5\n1\nu1\nA\n1\nu2\nA\na\nq\nA\n1\n*((a\nA\n7\n";
    expectPlainPassText("*GROUP*\na\nx\na\n(a\nQ\n", "", "(a|(a|x)", false);
    expectPlainPassText("*GROUP*\ng\nx\nzz(\n*\n)\nb\nR\n", "", "(g|x)|b)", false);
    expectPlainPassText("", units, "(q->(u1->u2)", false);
}

} // namespace

#include "ConstantSubstitution.h"
#include "ConstantsFile.h"
#include "EngineLimits.h"
#include "UnitConversion.h"
#include "UnitsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PassCase {
    std::string formula;
    std::string rewritten;
    bool decimalComma = false;
};

std::ostream& operator<<(std::ostream& out, const PassCase& c) {
    return out << c.formula;
}

// Groups G (entries a, b, c, e, and the empty name) with subgroup S, then H; see the references below.
const char* const kConstants = "*GROUP*\n"
                               "G\n"
                               "a\n1.5\n"
                               "b\n(G|c)+(H|k)\n"
                               "c\n2\n"
                               "e\n\n"
                               "\n7\n"
                               "d\n(G|a)\n"
                               "**\nS\nx\n3\nf\n(G|c)\n"
                               "*\nH\nk\n4\n";

ConstantTable constantGroups() {
    return readConstantsFile(kConstants);
}

class ConstantSubstitutionTest : public testing::TestWithParam<PassCase> {};

TEST_P(ConstantSubstitutionTest, ReplacesReferencesInOrder) {
    std::string formula = GetParam().formula;
    EXPECT_EQ(substituteConstants(formula, constantGroups(), GetParam().decimalComma), 0);
    EXPECT_EQ(formula, GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    References, ConstantSubstitutionTest,
    testing::Values(PassCase{"(G|a)*2", "(1.5)*2"}, PassCase{"(G|S|x)*2", "(3)*2"},
                    PassCase{"(G|a)+(G|a)", "(1.5)+(1.5)"}, PassCase{"(G|a)*2", "(1,5)*2", true},
                    PassCase{"(G|e)", "()"}, PassCase{"(G|)", "(7)"}, PassCase{"(H|k)", "(4)"},
                    // byte for byte: letter case, missing parentheses and blanks keep a reference as written
                    PassCase{"(g|a)", "(g|a)"}, PassCase{"G|a", "G|a"}, PassCase{"( G|a)", "( G|a)"},
                    PassCase{"(G|S|y)", "(G|S|y)"}, PassCase{"(G|x)", "(G|x)"}, PassCase{"2", "2"}));

INSTANTIATE_TEST_SUITE_P(
    Order, ConstantSubstitutionTest,
    testing::Values(
        // references to entries replaced later are expanded; to entries replaced earlier, not
        PassCase{"(G|b)", "((2)+(4))"}, PassCase{"(G|d)", "((G|a))"},
        // a subgroup is replaced before its group's entries
        PassCase{"(G|S|f)", "((2))"}));

TEST(ConstantSubstitution, ALengthExactlyAtTheCapIsAcceptedAndOneMoreRefused) {
    for (const std::size_t length : {kMaxFormulaLength, kMaxFormulaLength + 1}) {
        // Longer than a line of the file can be: the table is made directly.
        const ConstantTable groups("G\na\n" + std::string(length - 2, '1') + "\n", {{0, -1}}, {{0, 2}});
        std::string formula = "(G|a)";
        EXPECT_EQ(substituteConstants(formula, groups, false),
                  length <= kMaxFormulaLength ? 0 : kFormulaTooComplex);
    }
}

TEST(ConstantSubstitution, AFileThatDoublesTheFormulaAtEveryEntryIsRefused) {
    std::string file = "*GROUP*\nG\n";
    for (int i = 0; i < 1000; ++i)
        file += "e" + std::to_string(i) + "\n(G|e" + std::to_string(i + 1) + ")+(G|e" +
                std::to_string(i + 1) + ")\n";
    std::string formula = "(G|e0)";
    EXPECT_EQ(substituteConstants(formula, readConstantsFile(file), false), kFormulaTooComplex);
    EXPECT_LE(formula.size(), kMaxFormulaLength);
}

// The category of the rewrite examples: systems A and B, crossFactor 0.3048, plus a unit x of neither system.
const char* const kUnits = "****STANDARD****\n"
                           "len\nA\nm\nB\nft\n0.3048\n"
                           "m\nA\n1\ncm\nA\n100\nft\nB\n1\nx\nC\n5\n"
                           "****STANDARD****\n"
                           "mass\nA\nkg\nB\nlb\n0.45359237\n"
                           "kg\nA\n1\nlb\nB\n1\n";

UnitTable unitCategories(const std::string& file = kUnits) {
    return readUnitsFile(file);
}

class UnitRewriteTest : public testing::TestWithParam<PassCase> {};

TEST_P(UnitRewriteTest, RewritesConversions) {
    std::string formula = GetParam().formula;
    EXPECT_EQ(rewriteUnitConversions(formula, unitCategories(), GetParam().decimalComma), 0);
    EXPECT_EQ(formula, GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    UnitPairs, UnitRewriteTest,
    testing::Values(PassCase{"5(m->cm)", "5*((100)/(1))"}, PassCase{"2(m->ft)", "2*((1)/((1)*(0.3048)))"},
                    PassCase{"2(ft->m)", "2*(((1)*(0.3048))/(1))"}, PassCase{"7(m->m)", "7*((1)/(1))"},
                    PassCase{"2(m->ft)", "2*((1)/((1)*(0,3048)))", true},
                    PassCase{"1(kg->lb)+1(cm->m)", "1*((1)/((1)*(0.45359237)))+1*((1)/(100))"},
                    // a unit of neither system converts from, never to
                    PassCase{"(m->x)", "(m->x)"}, PassCase{"(x->m)", "*(((1)*(0.3048))/(5))"},
                    // other categories, misspellings and blanks match no key
                    PassCase{"(m->kg)", "(m->kg)"}, PassCase{"(m -> cm)", "(m -> cm)"},
                    PassCase{"(M->cm)", "(M->cm)"}, PassCase{"m->cm", "m->cm"}));

INSTANTIATE_TEST_SUITE_P(Temperatures, UnitRewriteTest,
                         testing::Values(PassCase{"212(Fahrenheit->Celsius)", "212farenheitcelcius"},
                                         PassCase{"1(Fahrenheit->Kelvin)", "1farenheitkelvin"},
                                         PassCase{"1(Fahrenheit->Rankin)", "1farenheitrankin"},
                                         PassCase{"1(Celsius->Fahrenheit)", "1celciusfarenheit"},
                                         PassCase{"1(Celsius->Kelvin)", "1celciuskelvin"},
                                         PassCase{"1(Celsius->Rankin)", "1celciusrankin"},
                                         PassCase{"1(Kelvin->Fahrenheit)", "1kelvinfarenheit"},
                                         PassCase{"1(Kelvin->Celsius)", "1kelvincelcius"},
                                         PassCase{"1(Kelvin->Rankin)", "1kelvinrankin"},
                                         PassCase{"1(Rankin->Fahrenheit)", "1rankinfarenheit"},
                                         PassCase{"1(Rankin->Kelvin)", "1rankinkelvin"},
                                         PassCase{"1(Rankin->Celsius)", "1rankincelcius"},
                                         PassCase{"1(celsius->kelvin)", "1(celsius->kelvin)"}));

TEST(UnitRewrite, TemperaturesAreRewrittenWithoutAUnitsFile) {
    std::string formula = "212(Fahrenheit->Celsius)+(m->cm)";
    EXPECT_EQ(rewriteUnitConversions(formula, UnitTable(), false), 0);
    EXPECT_EQ(formula, "212farenheitcelcius+(m->cm)");
}

TEST(UnitRewrite, LowerCaseTemperaturesAreLeftToUnitsOfThoseNames) {
    std::string formula = "1(celsius->kelvin)";
    const auto categories = unitCategories("****STANDARD****\nt\nA\n\nB\n\n1\ncelsius\nA\n1\nkelvin\nA\n2\n");
    EXPECT_EQ(rewriteUnitConversions(formula, categories, false), 0);
    EXPECT_EQ(formula, "1*((2)/(1))");
}

TEST(UnitRewrite, AFileThatDoublesTheFormulaAtEveryPairIsRefused) {
    std::string file = "****STANDARD****\nc\nA\n\nB\n\n1\n";
    for (int i = 0; i < 500; ++i) {
        const std::string next = "(u" + std::to_string(i + 1) + "->u" + std::to_string(i + 1) + ")";
        file += "u" + std::to_string(i) + "\nA\n" + next + next + "\n";
    }
    std::string formula = "1(u0->u0)";
    EXPECT_EQ(rewriteUnitConversions(formula, unitCategories(file), false), kFormulaTooComplex);
    EXPECT_LE(formula.size(), kMaxFormulaLength);
}

} // namespace

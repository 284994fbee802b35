#include "EngineLimits.h"
#include "EquationEngine.h"
#include "data_scratch_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

const char* const kConstants = "*GROUP*\nG\na\n1.5\ne\n\n**\nS\nx\n3\n";
const char* const kUnits = "****STANDARD****\nlen\nA\nm\nB\nft\n0.3048\nm\nA\n1\ncm\nA\n100\nft\nB\n1\n";

struct EvalCase {
    const char* formula;
    int status;
    double value = 0.0;
    int decimalComma = 0;
};

std::ostream& operator<<(std::ostream& out, const EvalCase& c) {
    return out << c.formula;
}

/// Evaluates with the data files the test has written into the working directory.
void expectEvaluation(const EvalCase& c) {
    EquationEngine engine;
    currentEngine = &engine;
    engine.decimalComma = c.decimalComma;
    double result = 0.0;
    const int status = engine.Evaluate(c.formula, {}, result);
    EXPECT_EQ(status, c.status) << c.formula;
    if (status == 0 && c.status == 0) {
        EXPECT_NEAR(result, c.value, 1e-12 * std::fabs(c.value)) << c.formula;
    }
}

class EngineWithDataFilesTest : public testing::TestWithParam<EvalCase> {
protected:
    void SetUp() override {
        folder.write("constants.dat", kConstants);
        folder.write("units.dat", kUnits);
    }
    ScratchFolder folder;
};

TEST_P(EngineWithDataFilesTest, Evaluates) {
    expectEvaluation(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Constants, EngineWithDataFilesTest,
                         testing::Values(EvalCase{"(G|a)*2", 0, 3.0}, EvalCase{"(G|S|x)*2", 0, 6.0},
                                         EvalCase{"(G|a)*2", 0, 3.0, 1}, EvalCase{"(g|a)*2", 20},
                                         EvalCase{"G|a*2", 20}, EvalCase{"(G|b)", 20}, EvalCase{"2|3", 20},
                                         // an empty value text becomes "()"
                                         EvalCase{"(G|e)", 10}));

INSTANTIATE_TEST_SUITE_P(Units, EngineWithDataFilesTest,
                         testing::Values(EvalCase{"5(m->cm)", 0, 500.0}, EvalCase{"2(m->ft)", 0, 2 / 0.3048},
                                         EvalCase{"2(ft->m)", 0, 0.6096}, EvalCase{"7(m->m)", 0, 7.0},
                                         EvalCase{"2(m->ft)", 0, 2 / 0.3048, 1},
                                         EvalCase{"212(Fahrenheit->Celsius)", 0, 100.0},
                                         EvalCase{"(2(ft->m))(m->cm)", 0, 60.96}));

class EngineWithoutDataFilesTest : public testing::TestWithParam<EvalCase> {
protected:
    ScratchFolder folder;
};

TEST_P(EngineWithoutDataFilesTest, Evaluates) {
    expectEvaluation(GetParam());
}

INSTANTIATE_TEST_SUITE_P(MissingFiles, EngineWithoutDataFilesTest,
                         testing::Values(EvalCase{"(G|a)*2", 20},
                                         EvalCase{"212(Fahrenheit->Celsius)", 0, 100.0},
                                         EvalCase{"2+2", 0, 4.0}));

TEST(EngineDataFiles, AConversionWithoutUnitsIsRejectedByTheParse) {
    ScratchFolder folder;
    EquationEngine engine;
    currentEngine = &engine;
    double result = 0.0;
    EXPECT_NE(engine.Evaluate("5(m->cm)", {}, result), 0);
}

TEST(EngineDataFiles, EveryEngineSeesTheFilesAsTheyAreNow) {
    ScratchFolder folder;
    EXPECT_TRUE(EquationEngine().ConstantGroups().groups().empty());
    folder.write("constants.dat", kConstants);
    EXPECT_EQ(EquationEngine().ConstantGroups().groups().at(0).name, "G");
    folder.write("constants.dat", "*GROUP*\nH\n");
    EXPECT_EQ(EquationEngine().ConstantGroups().groups().at(0).name, "H");
    folder.write("units.dat", kUnits);
    EXPECT_EQ(EquationEngine().UnitCategories().categories().at(0).units.size(), 3u);
    folder.remove("constants.dat");
    folder.remove("units.dat");
    EquationEngine engine;
    EXPECT_TRUE(engine.ConstantGroups().groups().empty());
    EXPECT_TRUE(engine.UnitCategories().categories().empty());
}

TEST(EngineDataFiles, HostileFilesFailTheFormulaAsTooComplex) {
    ScratchFolder folder;
    std::string constants = "*GROUP*\nG\n";
    std::string units = "****STANDARD****\nc\nA\n\nB\n\n1\n";
    for (int i = 0; i < 2000; ++i) {
        const std::string next = std::to_string(i + 1);
        constants += "e" + std::to_string(i) + "\n(G|e" + next + ")+(G|e" + next + ")\n";
        units +=
            "u" + std::to_string(i) + "\nA\n(u" + next + "->u" + next + ")(u" + next + "->u" + next + ")\n";
    }
    folder.write("constants.dat", constants);
    folder.write("units.dat", units);
    for (const char* formula : {"(G|e0)", "1(u0->u0)"}) {
        EquationEngine engine;
        currentEngine = &engine;
        double result = 0.0;
        EXPECT_EQ(engine.Evaluate(formula, {}, result), kFormulaTooComplex) << formula;
    }
}

TEST(EngineDataFiles, RandomBytesInBothFilesStillGiveAWorkingEngine) {
    ScratchFolder folder;
    std::mt19937 random(99);
    for (int round = 0; round < 20; ++round) {
        for (const char* name : {"constants.dat", "units.dat"}) {
            std::string bytes = round % 2 ? "*GROUP*\n" : "****STANDARD****\n";
            for (int i = 0; i < 5000; ++i)
                bytes += static_cast<char>(random() % 4 == 0 ? '\n' : random() % 256);
            folder.write(name, bytes);
        }
        EquationEngine engine;
        currentEngine = &engine;
        double result = 0.0;
        EXPECT_EQ(engine.Evaluate("2+2", {}, result), 0);
        EXPECT_EQ(result, 4.0);
    }
}

} // namespace

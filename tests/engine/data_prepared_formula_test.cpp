#include "DataFiles.h"
#include "EquationEngine.h"
#include "PreparedFormula.h"
#include "Random.h"
#include "StatusCodes.h"
#include "data_scratch_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <random>
#include <string>

namespace {

const std::vector<std::string> kNames = {"p", "t", "dt"};

/// Formulas over the whole language: numbers, bound and seeded names, assignments, constants, units,
/// random functions, lists, failures at run time and now and then a piece the parse refuses.
class FormulaGenerator {
public:
    explicit FormulaGenerator(unsigned seed) : random(seed) {}

    std::string expression(int depth) {
        std::string text = term(depth);
        for (int n = pick(3); n > 0; --n)
            text += choose({"+", "-", "*", "/", "^", " mod ", "<", ">=", "==", "!=", " npr ", " ncr "}) +
                    term(depth);
        return text;
    }

private:
    std::string term(int depth) {
        if (pick(25) == 0)
            return choose({"(", ")", ":", "2*-", "max(", "(Nada|x)", "ans", "1.2.3"});
        switch (depth > 0 ? pick(10) : pick(3)) {
        case 0:
            return choose({"1", "2", "0.5", "0", "170", "1000", "0.1"});
        case 1:
            return choose({"p", "t", "dt", "pi", "e", "n", "x", "q", "-p", "v1", "v2"});
        case 2:
            return choose(
                {"(Matematica|pi)", "(Fisica|c)", "1(m->cm)", "2(km->ft)", "(30(Celsius->Kelvin))"});
        case 3:
            return "(" + choose({"v1", "v2", "t", "-p", "pi"}) + "=" + expression(depth - 1) + ")";
        case 4:
            return choose({"irand(", "frand("}) + expression(depth - 1) + ":" + expression(depth - 1) + ")";
        case 5:
            return choose({"sin ", "sqrt ", "int ", "abs ", "ln ", "fib "}) + term(depth - 1);
        case 6:
            return choose({"max(", "mean(", "median(", "gcd("}) + expression(depth - 1) + ":" +
                   expression(depth - 1) + ")";
        case 7:
            return term(depth - 1) + choose({"!", "%", " convbase 2", " convbase 40"});
        case 8:
            return "(" + expression(depth - 1) + ")";
        default:
            return "-" + term(depth - 1);
        }
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    std::string choose(std::initializer_list<const char*> texts) { return texts.begin()[pick(texts.size())]; }

    std::mt19937 random;
};

std::string shippedFile(const std::string& name) {
    std::ifstream in(std::string(VORLINT_SHIPPED_DATA_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Outcome {
    int status;
    double result;
    int nextDraw; // the generator's next number: the evaluation drew exactly as many
};

constexpr double kUntouched = -12345.0;

/// Equal to the bit, NaN payload and sign included: both paths compute with the same instructions.
bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

Outcome onNewEngine(DataFiles& files, const std::string& formula, const double* values) {
    EquationEngine engine(files);
    const std::vector<VariableValue> bindings = {{"p", values[0]}, {"t", values[1]}, {"dt", values[2]}};
    Outcome outcome{0, kUntouched, 0};
    outcome.status = engine.Evaluate(formula, bindings, outcome.result);
    outcome.nextDraw = rand15();
    return outcome;
}

Outcome onPrepared(PreparedFormula& prepared, const std::string& formula, const double* values) {
    Outcome outcome{0, kUntouched, 0};
    outcome.status = prepared.evaluate(formula, values, outcome.result);
    outcome.nextDraw = rand15();
    return outcome;
}

TEST(PreparedFormula, EvaluatesEveryFormulaAsANewEngine) {
    ScratchFolder folder;
    for (const char* name : {"constants.dat", "units.dat"})
        folder.write(name, shippedFile(name));
    DataFiles files;
    PreparedFormula prepared(kNames, &files);
    FormulaGenerator generator(20240601);
    const double kInf = std::numeric_limits<double>::infinity();
    const double valueSets[][3] = {{20.0, 50.0, 0.1}, {-0.0, kInf, 0.0}, {1e308, -3.5, 5e-324}};
    int failures = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string formula = generator.expression(3);
        // Each formula three times in a row: nothing of one evaluation may reach the next.
        for (const auto& values : valueSets) {
            FreshRandomScope engineDraws;
            const Outcome expected = onNewEngine(files, formula, values);
            FreshRandomScope preparedDraws;
            const Outcome actual = onPrepared(prepared, formula, values);
            ASSERT_EQ(expected.status, actual.status) << formula;
            ASSERT_TRUE(sameBits(expected.result, actual.result)) << formula;
            ASSERT_EQ(expected.nextDraw, actual.nextDraw) << formula;
            failures += expected.status != 0;
        }
    }
    // The generator reaches both outcomes often.
    EXPECT_GT(failures, 1500);
    EXPECT_LT(failures, 7500);
}

TEST(PreparedFormula, AnEditedDataFileTakesEffectAtTheNextEvaluation) {
    ScratchFolder folder;
    folder.write("constants.dat", "*GROUP*\nG\nk\n2\n");
    DataFiles files;
    PreparedFormula prepared(kNames, &files);
    const double values[] = {1.0, 0.0, 0.0};
    double result = 0.0;
    ASSERT_EQ(prepared.evaluate("p*(G|k)", values, result), 0);
    EXPECT_EQ(result, 2.0);
    folder.write("constants.dat", "*GROUP*\nG\nk\n30\n");
    ASSERT_EQ(prepared.evaluate("p*(G|k)", values, result), 0);
    EXPECT_EQ(result, 30.0);
    folder.remove("constants.dat");
    EXPECT_EQ(prepared.evaluate("p*(G|k)", values, result), kUnknownConstant);
}

TEST(PreparedFormula, AnEditedUnitsFileAndTheConstantAFactorNamesTakeEffectAtTheNextEvaluation) {
    // The unit b is (G|k) of a: p(a->b) is p·k. Each edit keeps the file's size, so that only its
    // time stamps and contents tell it apart.
    const auto unitsWithFactorOfB = [](const std::string& factor) {
        return "****STANDARD****\nL\ns\nh\ns\nh\n1\na\ns\n1\nb\ns\n" + factor + "\n";
    };
    ScratchFolder folder;
    folder.write("constants.dat", "*GROUP*\nG\nk\n2\n");
    folder.write("units.dat", unitsWithFactorOfB("(G|k)"));
    DataFiles files;
    PreparedFormula prepared(kNames, &files);
    const double values[] = {4.0, 0.0, 0.0};
    double result = 0.0;
    ASSERT_EQ(prepared.evaluate("p(a->b)", values, result), 0);
    EXPECT_EQ(result, 8.0);
    folder.write("constants.dat", "*GROUP*\nG\nk\n3\n");
    ASSERT_EQ(prepared.evaluate("p(a->b)", values, result), 0);
    EXPECT_EQ(result, 12.0);
    folder.write("units.dat", unitsWithFactorOfB("7*1.5"));
    ASSERT_EQ(prepared.evaluate("p(a->b)", values, result), 0);
    EXPECT_EQ(result, 42.0);
}

} // namespace

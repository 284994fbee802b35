#include "ConstantsFile.h"
#include "DataFiles.h"
#include "EquationEngine.h"
#include "StatusCodes.h"
#include "UnitsFile.h"
#include "data_scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

// Data files made to cost time or memory: what the engine spends on them depends on what a formula
// references, and on the file's size only up to a limit.
namespace {

using Clock = std::chrono::steady_clock;

std::string manyConstants(int count) {
    std::string file = "*GROUP*\nG\n";
    for (int i = 0; i < count; ++i)
        file += "c" + std::to_string(i) + "\n1\n";
    return file;
}

std::string manyUnits(int count) {
    std::string file = "****STANDARD****\ncat\nA\nx\nB\nx\n2\n";
    for (int i = 0; i < count; ++i)
        file += "u" + std::to_string(i) + "\nA\n1\n";
    return file;
}

/// Seconds for `repeats` evaluations of `formula`, each on a new engine as the simulation step does,
/// with the data files of the working directory.
double secondsToEvaluate(const std::string& formula, int repeats) {
    DataFiles files;
    const EquationEngine first(files); // the files are read once, before the clock starts
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) {
        EquationEngine engine(files);
        double result = 0.0;
        engine.Evaluate(formula, {{"p", 1.0}}, result);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class HostileFilesTest : public testing::Test {
protected:
    void write(const std::string& constants, const std::string& units) {
        folder.write("constants.dat", constants);
        folder.write("units.dat", units);
        folder.age("constants.dat");
        folder.age("units.dat");
    }

    ScratchFolder folder;
};

// Before, every pair of units was looked for: 1000 units took seconds for one evaluation.
TEST_F(HostileFilesTest, AThousandConversionsOfAThousandUnitsTakeLittleTime) {
    write("", manyUnits(1000));
    std::string formula = "1(u0->z)";
    for (int i = 1; i < 1000; ++i)
        formula += "+1(u" + std::to_string(i) + "->z)";
    EXPECT_LT(secondsToEvaluate(formula, 1), 0.5);
}

// A step that names one entry of a file of fifty thousand costs about what it costs with a small file
// (before, the large file made it hundreds of times slower).
TEST_F(HostileFilesTest, AStepCostsLittleMoreWithAHugeFile) {
    for (const char* formula : {"p*0+(G|c49999)", "p*0+1(u49999->u0)", "p + ((t/100)*5000 - p*1.0)*dt"}) {
        SCOPED_TRACE(formula);
        write(manyConstants(10), manyUnits(10));
        const double small = secondsToEvaluate(formula, 200);
        write(manyConstants(50000), manyUnits(50000));
        const double huge = secondsToEvaluate(formula, 200);
        EXPECT_LT(huge, 5 * small + 0.05);
    }
}

TEST_F(HostileFilesTest, AFormulaOfManyReferencesIsSubstitutedQuickly) {
    write(manyConstants(20000), "");
    std::string formula = "(G|c0)";
    for (int i = 1; i < 1800; ++i)
        formula += "+(G|c" + std::to_string(i * 11) + ")";
    EXPECT_LT(secondsToEvaluate(formula, 1), 0.5);
}

TEST_F(HostileFilesTest, AFileOverTheSizeLimitIsTakenForMissing) {
    std::string constants = manyConstants(1);
    constants.resize(static_cast<std::size_t>(kMaxDataFileSize) + 1, '\n');
    write(constants, "");
    DataFiles files;
    EquationEngine engine(files);
    double result = 0.0;
    EXPECT_EQ(engine.Evaluate("(G|c0)", {}, result), kUnknownConstant);
}

TEST(DataTables, TakeAFewTimesTheFileSize) {
    const std::string constants = manyConstants(50000);
    const std::string units = manyUnits(50000);
    EXPECT_LE(readConstantsFile(constants).memoryUse(), 3 * constants.size());
    EXPECT_LE(readUnitsFile(units).memoryUse(), 3 * units.size());
}

} // namespace

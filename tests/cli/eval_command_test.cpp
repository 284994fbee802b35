#include "CliRunner.h"
#include "UsageErrorTest.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace {

struct EvalCase {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
};

void PrintTo(const EvalCase& c, std::ostream* os) {
    for (const std::string& arg : c.args) {
        *os << '[' << arg << "] ";
    }
}

class EvalCommandTest : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvalCommandTest, PrintsOneStatusLinePerFormula) {
    const EvalCase& c = GetParam();
    std::vector<std::string> args{"eval"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = runCli(args, c.input);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Values, EvalCommandTest,
                         ::testing::Values(EvalCase{{"1+2"}, "", 0, "0\t3\n"},
                                           EvalCase{{"0.1+0.2"}, "", 0, "0\t0.30000000000000004\n"},
                                           EvalCase{{"1/3"}, "", 0, "0\t0.33333333333333331\n"},
                                           EvalCase{{"10^20"}, "", 0, "0\t1e+20\n"},
                                           EvalCase{{"-3+4"}, "", 0, "0\t1\n"},
                                           EvalCase{{"--", "2*3"}, "", 0, "0\t6\n"},
                                           EvalCase{{"--degrees", "sin(90)"}, "", 0, "0\t1\n"},
                                           EvalCase{{"--decimal-comma", "1,5+1"}, "", 0, "0\t2.5\n"}));

INSTANTIATE_TEST_SUITE_P(Bindings, EvalCommandTest,
                         ::testing::Values(EvalCase{{"--bind", "x=2.5", "x*2"}, "", 0, "0\t5\n"},
                                           EvalCase{{"--bind", "x=1", "--bind", "x=2", "x"}, "", 0, "0\t1\n"},
                                           EvalCase{{"--bind", "pi=3", "pi"}, "", 0, "0\t3\n"},
                                           EvalCase{{"--bind", "x=0x10", "x"}, "", 0, "0\t16\n"},
                                           EvalCase{{"--bind", "x=inf", "x"}, "", 0, "0\tinf\n"},
                                           EvalCase{{"--bind", "x=-Infinity", "x"}, "", 0, "0\t-inf\n"},
                                           EvalCase{{"--bind", "x=nan", "x"}, "", 0, "0\tnan\n"},
                                           EvalCase{{"--bind", "x=-nan", "x"}, "", 0, "0\tnan\n"}));

INSTANTIATE_TEST_SUITE_P(
    Failures, EvalCommandTest,
    ::testing::Values(EvalCase{{"1/0"}, "", 1, "22\tIllegal attempt to divide by zero\n"},
                      EvalCase{{""}, "", 1, "4\tPlease enter an equation first\n"},
                      EvalCase{{"q"}, "", 1, "35\tUndefined constant\n"},
                      EvalCase{{"1+"}, "", 1, "7\tYou did not enter an operand for the last operator\n"},
                      EvalCase{{"1,2"}, "", 1, "1\t\n"},
                      EvalCase{{std::string(1500, '(') + "1" + std::string(1500, ')')},
                               "",
                               1,
                               "42\tThe formula is too long or too deeply nested\n"}));

INSTANTIATE_TEST_SUITE_P(
    StandardInput, EvalCommandTest,
    ::testing::Values(
        EvalCase{{}, "", 0, ""},
        EvalCase{{},
                 "1+2\n\n1/0\n2*3",
                 1,
                 "0\t3\n4\tPlease enter an equation first\n22\tIllegal attempt to divide by zero\n0\t6\n"},
        EvalCase{{}, "1+2\r\n", 1, "1\t\n"}, // only the line feed is removed
        EvalCase{{}, "a=5\na+1\n", 1, "0\t5\n35\tUndefined constant\n"},
        EvalCase{{"--same-engine"}, "a=5\na+1\n", 0, "0\t5\n0\t6\n"}));

INSTANTIATE_TEST_SUITE_P(
    Trace, EvalCommandTest,
    ::testing::Values(EvalCase{{"--trace", "2+3*4"}, "", 0, "0\t14\n| 3 * 4\n| 2 + 12\n"},
                      EvalCase{{"--trace", "7"}, "", 0, "0\t7\n"},
                      // numbers in the trace follow the engine's own rendering, not the process locale
                      EvalCase{{"--trace", "1.5*2.25"}, "", 0, "0\t3.375\n| 1.5 * 2.25\n"},
                      EvalCase{{"--trace", "10^20*2"}, "", 0, "0\t2e+20\n| 10 ^ 20\n| 1.000000e+020 * 2\n"},
                      EvalCase{{"--trace", "1/0"}, "", 1, "22\tIllegal attempt to divide by zero\n| 1 / 0\n"},
                      EvalCase{{"--trace"}, "1+1\n2*2\n", 0, "0\t2\n| 1 + 1\n0\t4\n| 2 * 2\n"},
                      EvalCase{{"--trace", "q+1"}, "", 1, "35\tUndefined constant\n"}));

INSTANTIATE_TEST_SUITE_P(Eval, UsageErrorTest,
                         ::testing::Values(UsageCase{{}, "missing command"},
                                           UsageCase{{"frobnicate"}, "unknown command 'frobnicate'"},
                                           UsageCase{{"eval", "--bogus", "1"}, "unknown option '--bogus'"},
                                           UsageCase{{"eval", "--bind"}, "--bind needs NAME=VALUE"},
                                           UsageCase{{"eval", "--bind", "x", "1"}, "bad binding 'x'"},
                                           UsageCase{{"eval", "--bind", "=1", "1"}, "bad binding '=1'"},
                                           UsageCase{{"eval", "--bind", "x=1,5", "x"}, "bad binding 'x=1,5'"},
                                           UsageCase{{"eval", "--bind", "x=", "x"}, "bad binding 'x='"},
                                           UsageCase{{"eval", "1", "2"}, "more than one formula"}));

TEST(CliHelp, AFullDiskIsAFailure) {
    for (const auto& [args, program] :
         std::vector<std::pair<std::string, std::string>>{{"--help", "vorlint-cli"},
                                                          {"--version", "vorlint-cli"},
                                                          {"sweep --help", "vorlint-cli sweep"}}) {
        const CliRun run = runCommand({"sh", "-c", "exec \"$0\" " + args + " >/dev/full", VORLINT_CLI_PATH});
        EXPECT_EQ(run.status, 1) << args;
        // The reason is in the locale's words.
        EXPECT_EQ(run.err.rfind(program + ": standard output: ", 0), 0u) << run.err;
    }
}

TEST(CliHelp, DescribesEachCommandWithStatus0) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"eval", "--help"}, {"sim", "--help"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind("Usage: vorlint-cli", 0), 0u) << run.out;
    }
}

} // namespace

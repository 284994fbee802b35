#include "AllocationFault.h"
#include "Cli.h"
#include "EngineLimits.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

/// What one in-process run of the CLI left behind.
struct InProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string contentOf(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c = std::getc(file); c != EOF; c = std::getc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

/// Runs the CLI on `args` in this process with `in` as its input (a temporary file with `input`
/// when none is given), its output and messages going to temporary files.
InProcessRun runInProcess(const Arguments& args, const std::string& input = std::string(),
                          std::FILE* in = nullptr) {
    const bool ownInput = in == nullptr;
    if (ownInput) {
        in = std::tmpfile();
        std::fwrite(input.data(), 1, input.size(), in);
        std::rewind(in);
    }
    const CliStreams streams{in, std::tmpfile(), std::tmpfile()};
    InProcessRun run;
    run.status = RunCli(args, streams);
    AllocationFault::Disarm();
    if (ownInput) {
        std::fclose(in);
    }
    run.out = contentOf(streams.out);
    run.err = contentOf(streams.err);
    return run;
}

class OutOfMemory : public ::testing::TestWithParam<Arguments> {};

// Whichever allocation of a command fails, the command ends with a message and status 1 (or, when
// the failure was absorbed, succeeds); nothing escapes it and nothing terminates.
TEST_P(OutOfMemory, EndsTheCommandWithAMessageWhereverItHappens) {
    AllocationFault::StartWatching();
    ASSERT_EQ(runInProcess(GetParam()).status, 0);
    const long allocations = AllocationFault::AllocationCount();
    for (long n = 1; n <= allocations; ++n) {
        AllocationFault::FailAllocation(n);
        InProcessRun run;
        ASSERT_NO_THROW(run = runInProcess(GetParam())) << "allocation " << n;
        if (run.status != 0) {
            EXPECT_EQ(run.status, 1) << "allocation " << n;
            EXPECT_NE(run.err.find(": out of memory\n"), std::string::npos) << "allocation " << n << run.err;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, OutOfMemory,
                         ::testing::Values(Arguments{"eval", "--trace", "2+3*4"},
                                           Arguments{"sim", "--steps", "2", "--mode", "pid", "--kp", "1"}));

TEST(EvalInput, AnOverlongLineFailsAloneWithoutBeingHeldInMemory) {
    const std::string input = std::string(1 << 20, '1') + "\n1+2\n";
    AllocationFault::StartWatching();
    const InProcessRun run = runInProcess({"eval"}, input);
    EXPECT_LT(AllocationFault::LargestAllocation(), 8 * kMaxFormulaLength);
    EXPECT_EQ(run.out, "42\tThe formula is too long or too deeply nested\n0\t3\n");
    EXPECT_EQ(run.status, 1);
}

TEST(EvalInput, AReadErrorEndsWithAMessageAndStatus1) {
    std::FILE* directory = std::fopen(".", "r"); // opens, but reading it fails
    ASSERT_NE(directory, nullptr);
    const InProcessRun run = runInProcess({"eval"}, std::string(), directory);
    std::fclose(directory);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("vorlint-cli eval: standard input: ", 0), 0u) << run.err;
}

} // namespace

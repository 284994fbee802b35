#include "UsageErrorTest.h"

#include "CliRunner.h"

TEST_P(UsageErrorTest, ExplainsOnStandardErrorWithStatus2) {
    const CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().errorText), std::string::npos) << run.err;
}

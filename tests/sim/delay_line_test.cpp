#include "AllocationFault.h"
#include "DelayLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

/// Passes first, first + 1, ..., last with a delay of `steps`, allocating nothing itself.
void feed(CDelayLine& line, double first, double last, std::size_t steps) {
    for (double value = first; value <= last; ++value) {
        line.Pass(value, steps);
    }
}

std::vector<double> passAll(CDelayLine& line, double first, double last, std::size_t steps) {
    std::vector<double> out;
    for (double value = first; value <= last; ++value) {
        out.push_back(line.Pass(value, steps));
    }
    return out;
}

// A sweep runs one simulation per thread: a run without a dead time must not pay for the longest one.
TEST(DelayLineTest, HoldsOnlyWhatTheLongestDelayNeedsAndNeverAllocatesAtAnOrdinaryStep) {
    CDelayLine line;
    AllocationFault::StartWatching();
    feed(line, 1, 1000, 0);
    EXPECT_EQ(AllocationFault::AllocationCount(), 0);
    EXPECT_EQ(line.Pass(1001, 500), 1000.0);
    EXPECT_EQ(AllocationFault::LargestAllocation(), 501 * sizeof(double));
    feed(line, 1002, 3000, 500);
    EXPECT_EQ(AllocationFault::AllocationCount(), 1);

    CDelayLine ramp;
    AllocationFault::StartWatching();
    for (std::size_t step = 1; step <= 1000; ++step) {
        ASSERT_EQ(ramp.Pass(static_cast<double>(step), step), 0.0) << "before the run, at step " << step;
    }
    EXPECT_LE(AllocationFault::AllocationCount(), 10) << "a dead time raised step by step";

    CDelayLine capped;
    capped.Pass(1.0, 0);
    AllocationFault::StartWatching();
    EXPECT_EQ(capped.Pass(2.0, 10 * CDelayLine::kMaxDelay), 0.0);
    EXPECT_EQ(AllocationFault::LargestAllocation(), (CDelayLine::kMaxDelay + 1) * sizeof(double));
    feed(capped, 3, CDelayLine::kMaxDelay, CDelayLine::kMaxDelay);
    EXPECT_EQ(capped.Pass(0.5, CDelayLine::kMaxDelay), 1.0);
}

// Up to the line's length a new dead time passes what really went in; beyond it, what the line no longer
// holds reads as the oldest value it kept, or as 0 before the run.
TEST(DelayLineTest, ALongerDelayReachesBackAsFarAsTheLineHeld) {
    CDelayLine line;
    feed(line, 1, 10, 0);
    EXPECT_EQ(passAll(line, 11, 15, 3), (std::vector<double>{10, 10, 10, 11, 12}));
    EXPECT_EQ(line.Pass(16, 1), 15.0);
    EXPECT_EQ(line.Pass(17, 3), 14.0);

    CDelayLine young;
    young.Pass(1, 0);
    EXPECT_EQ(passAll(young, 2, 4, 2), (std::vector<double>{0, 1, 2}));
}

} // namespace

#pragma once

#include "CommandLine.h"
#include "GainGrid.h"
#include "SimSettings.h"

#include <cstdint>
#include <string>
#include <vector>

/// A sweep of more combinations is refused.
inline constexpr std::uint64_t kMaxSweepCombinations = 10000000;

/// What `vorlint-cli sweep` was asked to do.
struct SweepOptions {
    GainGrid grid;
    std::vector<SimSetting> setupSettings; ///< the plant and the controller's options, in the order given
    std::uint64_t steps = 100;
    unsigned jobs = 0; ///< 0: as many as the hardware runs at once
    std::uint64_t shard = 0;
    std::uint64_t shardCount = 1;
    bool help = false;
};

/// Reads the arguments after "sweep"; false with the reason in `error` on a usage error, among them a
/// missing --kp and a grid of more than kMaxSweepCombinations combinations.
bool parseSweepOptions(const Arguments& args, SweepOptions& options, std::string& error);
